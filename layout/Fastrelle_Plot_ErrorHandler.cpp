// The plot module's error reports.
#include "layout/Fastrelle_Plot_ErrorHandler.h"

#include "framework/Printer.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "mfc/CFile.h"
#include "mfc/CFileFind.h"
#include "win/winuser.h"

CString Fastrelle_Plot_ErrorHandler::GetMessage() {
  CString message;
  if (m_code == -3) message.Format(LoadResString(43203), static_cast<const wchar_t*>(m_context));
  if (m_code == -4) message.Format(LoadResString(43208), static_cast<const wchar_t*>(m_context));
  return message;
}

int Fastrelle_Plot_ErrorHandler::Show() {
  return MessageBoxW(nullptr, GetMessage(), ProductGroupName(), MB_ICONERROR);
}

void Fastrelle_Plot_ErrorHandler::Print() { ZWPrinter().Print(L"\n" + GetMessage()); }

int CheckModelFile(const CString& path) {
  if (path.IsEmpty()) return -3;
  CFileFind find;
  if (!find.FindFile(path)) return -3;
  find.FindNextFile();
  if (find.IsDirectory()) return -3;
  CFile probe;
  if (!probe.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return -4;
  probe.Close();
  return 0;
}
