// The templates library dialog.
#include "construction/TemplatesLibrary_dlg.h"

#include "construction/TemplatesLibrary_mem.h"
#include "db/ZcDbDatabase.h"
#include "framework/BlockReference.h"
#include "framework/Printer.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "framework/Transforms.h"
#include "framework/UI_DwgBlock.h"

namespace {
const int kListId = 8025, kInfoId = 8032;
const UINT kCloseString = 40306, kNoDrawingString = 40410;
const int kCancelled = 180;

int Failed(const CString& what, int status) {
  ZWPrinter().Print(L"\n" + what);
  PrintErrorStatus(status);
  return status;
}
}  // namespace

IMPLEMENT_DYNAMIC(TemplatesLibrary_dlg, CZdUiDialog)

void TemplatesLibrary_dlg::DoDataExchange(CDataExchange* dx) {
  CZdUiDialog::DoDataExchange(dx);
  DDX_Control(dx, kListId, m_list);
  DDX_Control(dx, kInfoId, m_info);
}

BOOL TemplatesLibrary_dlg::OnInitDialog() {
  CZdUiDialog::OnInitDialog();
  SetWindowText(kProductWord);
  if (CWnd* cancel = GetDlgItem(IDCANCEL)) cancel->SetWindowText(LoadResString(kCloseString));
  TemplatesLibrary_mem settings;
  m_list.ShowFolder(settings.Folder());
  m_info.ShowFile(settings.InfoPath());
  return TRUE;
}

int TemplatesLibrary_dlg::InsertTemplate(const CString& path) {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  UI_DwgBlock block(db);
  if (int es = block.Define(path)) return Failed(path, es);
  ZcDbObjectId id;
  const ZcGePoint3d origin(0, 0, 0);
  if (int es = InsertBlockInto(block.BlockName(), origin, ZcGeScale3d(1, 1, 1), 0.0, ZcDbObjectId(), &id))
    return Failed(L"TemplatesLibrary_dlg::InsertTemplate " + block.BlockName(), es);
  Move move;
  move.m_basePoint = origin;
  move.m_ids.append(id);
  const int status = move.Run();
  if (status != 0 && status != kCancelled) Failed(L"TemplatesLibrary_dlg::Move", status);
  return status;
}

void TemplatesLibrary_dlg::OnOK() {
  BeginEditorCommand();
  const CString path = m_list.GetSelectedPath();
  if (path.IsEmpty()) ZWPrinter().Print(LoadResString(kNoDrawingString));
  else InsertTemplate(path);
  CompleteEditorCommand();
}
