// The error reports.
#include "framework/ErrorHandler.h"

#include "framework/Printer.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "win/winuser.h"

int ErrorHandler::Show() { return MessageBoxW(nullptr, GetMessage(), L"", MB_ICONERROR); }

CString Fastrelle_ErrorHandler::GetMessage() {
  CString message;
  switch (m_code) {
    case -1:
      message.Format(LoadResString(42001), m_context, LoadResString(42000));
      break;
    case -3: message.Format(LoadResString(42003), m_context); break;
    case -4: message.Format(LoadResString(42004), m_context); break;
    case -11: message = LoadResString(42011); break;
    case -101: message = LoadResString(42101); break;
    case -102: message.Format(LoadResString(42102), m_context); break;
    case -103: message.Format(LoadResString(42103), m_context); break;
    case -104: message.Format(LoadResString(42104), m_context); break;
    case -105: message.Format(LoadResString(42105), m_context); break;
    default: break;
  }
  return message;
}

int Fastrelle_ErrorHandler::Show() {
  return MessageBoxW(nullptr, GetMessage(), ProductGroupName(), MB_ICONERROR);
}

void Fastrelle_ErrorHandler::Print() { ZWPrinter().Print(GetMessage()); }
