// Reading and writing size-list files.
#include "sizes/SizeListFile.h"

#include "ed/ErrorStatus.h"
#include "framework/Printer.h"
#include "framework/ResString.h"
#include "framework/UI_File.h"
#include "sizes/Fastrelle_Sizes_Interpreter.h"
#include "sizes/SizesTextFile.h"

namespace {
void PrintNotes(const CString& path, const Fastrelle_Sizes_Interpreter& interpreter) {
  for (const SizeListNote& note : interpreter.Notes()) {
    CString text;
    if (note.line > 0) text.Format(L"\n%s, wiersz %i: %s", path.GetString(), note.line, note.text.GetString());
    else text.Format(L"\n%s: %s", path.GetString(), note.text.GetString());
    ZWPrinter().Print(text);
  }
}

/// "Nieobsługiwany format pliku rozmiarów" with the path.
void PrintUnsupported(const CString& path) { ZWPrinter().Print(L"\n" + LoadResString(40101) + L": " + path); }
}  // namespace

bool LoadSizeList(const CString& path, std::vector<Fastrelle_Size>& sizes) {
  CStringArray lines;
  int es = ReadTextLines(path, lines);
  if (es == Zcad::eFileNotFound) {
    // "Plik %s nie został odnaleziony!"; without the string the path and the status say it.
    CString format = LoadResString(42003), text;
    if (format.Find(L"%s") >= 0) {
      text.Format(format, path.GetString());
      ZWPrinter().Print(L"\n" + text);
    } else {
      ZWPrinter().Print(L"\n" + path + L"! ");
      PrintErrorStatus(es);
    }
    return false;
  }
  if (es != Zcad::eOk) {
    ZWPrinter().Print(L"\n" + path);
    PrintErrorStatus(es);
    return false;
  }
  std::unique_ptr<Fastrelle_Sizes_Interpreter> interpreter = MakeSizesInterpreter(UI_File(path).GetExtension());
  if (!interpreter) {
    PrintUnsupported(path);
    return false;
  }
  interpreter->SetLines(lines);
  std::vector<Fastrelle_Size> read;
  bool any = interpreter->Read(read);
  PrintNotes(path, *interpreter);
  if (!any) {
    PrintUnsupported(path);
    return false;
  }
  sizes.insert(sizes.end(), read.begin(), read.end());
  return true;
}

bool SaveSizeList(const CString& path, const std::vector<Fastrelle_Size>& sizes) {
  std::unique_ptr<Fastrelle_Sizes_Interpreter> interpreter = MakeSizesInterpreter(UI_File(path).GetExtension());
  if (!interpreter) {
    PrintUnsupported(path);
    return false;
  }
  interpreter->SetSizes(sizes);
  CStringArray lines;
  interpreter->Write(lines);
  PrintNotes(path, *interpreter);
  if (!WriteTextLinesSafely(path, lines)) {
    ZWPrinter().Print(L"\n" + path);
    PrintErrorStatus(Zcad::eFileWriteError);
    return false;
  }
  return true;
}
