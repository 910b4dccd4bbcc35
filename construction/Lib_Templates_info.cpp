// The templates library's information pane.
#include "construction/Lib_Templates_info.h"

#include "framework/UI_TextFile.h"

IMPLEMENT_DYNAMIC(Lib_Templates_info, CRichEditCtrl)

bool Lib_Templates_info::ShowFile(const CString& path) {
  CStringArray lines;
  if (path.IsEmpty() || !UI_TextFile(path).ReadLines(lines)) return false;
  CString text;
  for (int i = 0; i < lines.GetSize(); ++i) text += (i ? L"\n" : L"") + lines[i];
  if (text.IsEmpty()) return true;
  SetSel(0, -1);
  ReplaceSel(text);
  return true;
}
