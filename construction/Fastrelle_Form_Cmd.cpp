// The Form command and the name and type questions of both form commands.
#include "construction/Fastrelle_Form_Cmd.h"

#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartSizeGroup.h"
#include "ed/UserInput.h"
#include "framework/Printer.h"
#include "framework/ResString.h"
#include "framework/UserInput.h"

namespace {
/// A prompt text without its leading line feed (the selector puts one in front).
CString Message(UINT id) {
  CString text = LoadResString(id);
  text.TrimLeft(L'\n');
  return text;
}
}  // namespace

Fastrelle_Form_Cmd::Fastrelle_Form_Cmd() : cmd(L"Fastrelle:Form", L"Fastrelle:Forma", 1) {}

Fastrelle_Form_Cmd::Fastrelle_Form_Cmd(const CString& englishName, const CString& polishName)
    : cmd(englishName, polishName, 1) {}

bool Fastrelle_Form_Cmd::AskName(CString& name) {
  wchar_t buffer[133] = L"";
  if (zcedGetString(1, LoadResString(40225), buffer) != RTNORM) return false;
  name = buffer;
  if (name.IsEmpty()) return false;
  if (name.Find(L'|') >= 0) {
    ZWPrinter().Print(L"\nNazwa części nie może zawierać znaku \"|\".");
    return false;
  }
  return true;
}

int Fastrelle_Form_Cmd::AskType() {
  KWordSelector type(Message(40224));
  type.AddKeyword(LoadResString(40226));
  type.AddKeyword(LoadResString(40227));
  type.SetDefault(0);
  if (type.GetKeyword() != RTNORM || type.m_chosen.CompareNoCase(LoadResString(40227)) != 0) return 0;
  KWordSelector mirror(Message(40228));
  CString horizontal = LoadResString(40223), vertical = LoadResString(40222);
  mirror.AddKeyword(horizontal);
  mirror.AddKeyword(vertical);
  if (mirror.GetKeyword() != RTNORM) return 0;
  if (mirror.m_chosen.CompareNoCase(horizontal) == 0) return 2;
  if (mirror.m_chosen.CompareNoCase(vertical) == 0) return 1;
  return 0;
}

bool Fastrelle_Form_Cmd::MakePart(int& status) {
  CString name;
  if (!AskName(name)) return false;
  int type = AskType();
  Fastrelle_Part_Drawer part(name, type);
  status = part.BuildFromCurves(m_curves.Ids());
  return true;
}

void Fastrelle_Form_Cmd::Run() {
  CStringArray types{L"LINE", L"LWPOLYLINE", L"POLYLINE", L"ARC", L"SPLINE", L"CIRCLE"};
  UI_Kolekcja picked;
  picked.Select(LoadResString(40001), types);
  int inParts = 0;
  for (ZcDbObjectId id : picked.Ids()) {
    if (PartSizeGroup::IsInPart(id)) ++inParts;
    else m_curves.Add(id);
  }
  if (inParts > 0) {
    CString text;
    text.Format(L"\nPominięto elementy należące już do części: %i.", inParts);
    ZWPrinter().Print(text);
  }
  if (m_curves.Length() == 0) return;
  int status = 0;
  if (MakePart(status) && status != 0) PrintErrorStatus(status);
}
