// One host selection read into object ids: the selection mode, its corners and filter,
// the pick point of the first item, and "PICKSTYLE" held at 0 while the user selects and
// put back when the reader dies. Used by the selection functions (Selections.h) and by
// commands that need the pick point of what the user chose.
#ifndef FRAMEWORK_SSGET_H
#define FRAMEWORK_SSGET_H

#include "ed/ResultBuffer.h"
#include "framework/ZWIds.h"
#include "ge/ZcGePoint3d.h"

/// Selection types and the host modes they ask for.
enum SelectionType {
  kSelectAll = 1,          // "X": the whole drawing
  kSelectPickFirst = 2,    // "I": the pick-first set
  kSelectCrossing = 3,     // "C": crossing the box of the two corners
  kSelectSingle = 4,       // ":S": one pick
  kSelectInteractive = 5,  // the user's selection (any other number too)
  kSelectLast = 6,         // "L": the last entity drawn
  kSelectWindow = 7,       // "W": wholly inside the box of the two corners
};

/// Runs one selection and keeps its ids. PICKSTYLE rule: SavePickStyle reads "PICKSTYLE"
/// and sets it to 0; the destructor writes back what was read (nothing when the read
/// failed), so the variable comes back on every path out, an exception included.
class SSGet : public ZWIds {
public:
  explicit SSGet(int type = kSelectInteractive, const resbuf* filter = nullptr)
      : m_type(type), m_filter(filter) {}
  ~SSGet() override;
  SSGet(const SSGet&) = delete;
  SSGet& operator=(const SSGet&) = delete;

  /// The host mode of the type: "X", "I", "C", ":S", null, "L" or "W".
  const wchar_t* Mode() const;
  void SetCorners(const ZcGePoint3d* corner1, const ZcGePoint3d* corner2) {
    m_corner1 = corner1;
    m_corner2 = corner2;
  }
  /// Saves "PICKSTYLE" and sets it to 0 (see the class comment).
  void SavePickStyle();

  /// Runs the selection (corners in user coordinates). 0 with the ids (none when nothing
  /// was selected); 180 when the user cancelled.
  int Select();
  /// Makes sure the current view shows both corners (zooming to their box when one lies
  /// outside), then selects between them. 0; a cancel leaves no ids.
  int SelectBetweenPoints(const ZcGePoint3d& corner1, const ZcGePoint3d& corner2);
  /// Appends the ids of a host set (each name the host cannot turn into an id is skipped)
  /// and takes the pick point of its first item. 0; 3 when the set has no pick
  /// information.
  int ReadSet(const ads_name set);

  /// The pick point of the first selected item (world), or the origin.
  ZcGePoint3d PickPoint() const { return m_pickPoint; }

private:
  int m_type;
  ZcGePoint3d m_pickPoint;
  const ZcGePoint3d* m_corner1 = nullptr;
  const ZcGePoint3d* m_corner2 = nullptr;
  const resbuf* m_filter;
  short m_savedPickStyle = 0;
  bool m_pickStyleSaved = false;
};

#endif
