// Giving a size a new name: its three layers and every part's group in it. Used by the
// size rules dialog when the user edits a size's name in place.
#ifndef SIZES_RENAMESIZE_H
#define SIZES_RENAMESIZE_H

#include "mfc/CString.h"

/// Holds the old name; applied to the new one.
/// Statuses: 0; 374 the old name is no size of the drawing (nothing changes); 3 the new
/// name fails the size-name check or names a size already there, case aside (the reason
/// is printed, nothing changes); a layer rename's refusal (the layers renamed before it
/// take their old names back, no group is touched); a part group's refusal (the parts
/// before it keep the new name).
class RenameSize {
public:
  explicit RenameSize(const CString& oldName) : m_old(oldName) {}
  virtual ~RenameSize() = default;
  /// The size's seam, cut and extra-elements layers take the new name (a base size keeps
  /// its "^"); once all three did, every part's group "<part>|<old>" becomes
  /// "<part>|<new>" (a part without a group in the size has nothing to rename).
  virtual int operator()(const CString& newName);

private:
  CString m_old;
};

#endif
