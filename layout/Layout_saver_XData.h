// The layout content kept in the drawing, as XData on the layout border: which parts of
// which models the layout holds. The model dialog saves it; the warehouse loads it.
#ifndef LAYOUT_LAYOUT_SAVER_XDATA_H
#define LAYOUT_LAYOUT_SAVER_XDATA_H

#include "db/ZcDbObjectId.h"
#include "layout/Layout_saver.h"

struct resbuf;

/// Layout content: XData of the application "Fastrelle_Layout_Content" on the target:
///   (1001 "Fastrelle_Layout_Content") (1000 item text) (1000 item text) ...
/// one item text (LayoutItem, separator ";") per item, in item order; no count, no
/// version. Save appends to what the target carries, so Load merges (AddItem) items that
/// were saved twice, adding their quantities. The host keeps at most 16383 bytes of XData
/// per object: a Save past that writes nothing.
class Layout_saver_XData : public Layout_saver {
public:
  using Layout_saver::Layout_saver;

  /// Rebuilds the lines (one item text per item) and appends them to the target's
  /// content, registering the application for a target without it. False without a
  /// valid target, and when the host refuses the write (its status printed; the target
  /// keeps what it had).
  bool Save() override;
  /// Adds every item of the target's content (AddItem: nothing is emptied first). Items
  /// are read from 1000 texts, 1040 reals ("%0.6f") and 1070/1071 integers ("%i"); other
  /// codes are skipped. Each item's part takes its type and quantity from the model
  /// drawing, read once per path; a model that cannot be read is named once on the
  /// command line and its items keep type 0 and quantity 1.
  void Load() override;
  /// Removes the items of `layout` (RemoveItem per item), then replaces the target's
  /// content by the remaining items in one write. 0; 600 without a valid target; the
  /// host's status when it refuses the write (printed; the old content stands).
  virtual int RemoveItems(const Layout& layout);
  /// Removes every item of the same model path and part (letter case aside; the size is
  /// not compared), in memory only.
  virtual void RemoveItem(const LayoutItem& item);

  void SetTarget(ZcDbObjectId id) { m_target = id; }
  ZcDbObjectId GetTarget() const { return m_target; }

private:
  /// Sets `list` as the target's XData: 0 or the host's status (printed).
  int Write(const resbuf* list);

  ZcDbObjectId m_target;
};

#endif
