// The command "Fastrelle:Layout:LabelItems" ("Fastrelle:Układ:OpiszElementy"): labels every
// placed piece with its model, part, size and material. Registered by the plot command set.
#ifndef LAYOUT_LAYOUT_LABELITEMS_CMD_H
#define LAYOUT_LAYOUT_LABELITEMS_CMD_H

#include "db/ZcDbObjectId.h"
#include "framework/cmd.h"

class Layout_LabelItems_cmd : public cmd {
public:
  Layout_LabelItems_cmd() : cmd(L"Fastrelle:Layout:LabelItems", L"Fastrelle:Układ:OpiszElementy", 1) {}
  /// Measures the border, collects the piece references into the id array and labels each
  /// in order (Layout_drawer_description::Label). The first failure prints
  /// "Layout_LabelItems::Mark" and its status and ends the run; the labels made stay.
  void Run() override;

  ZcDbObjectIdArray m_ids;
};

#endif
