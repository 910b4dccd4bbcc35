// The piece-labelling command.
#include "layout/Layout_LabelItems_cmd.h"

#include "framework/Printer.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_drawer.h"
#include "layout/Layout_drawer_description.h"

void Layout_LabelItems_cmd::Run() {
  Layout_drawer layout;
  layout.MeasureBorder();
  m_ids = CollectPieceReferences();
  ZcDbObjectIdArray labels;
  for (ZcDbObjectId id : m_ids) {
    Layout_drawer_description label(id);
    if (const int status = label.Label(labels)) {
      ZWPrinter().Print(L"\nLayout_LabelItems::Mark");
      PrintErrorStatus(status);
      break;
    }
  }
  RegenerateDrawing();
}
