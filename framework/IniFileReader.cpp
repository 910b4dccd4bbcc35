// IniFileReader.
#include "framework/IniFileReader.h"

#include "ed/ErrorStatus.h"
#include "framework/Printer.h"
#include "framework/Strings.h"
#include "framework/UI_File.h"
#include "framework/UI_Path.h"
#include "framework/UI_TextFile.h"

void IniFileReader::Load(const CString& path) {
  CString normalized = NormalizePath(path);
  FileLookup lookup = LookUpFile(normalized);
  if (lookup == FileLookup::Missing) {
    ZWPrinter().Print(normalized + L"! ");
    PrintErrorStatus(Zcad::eFileNotFound);
    return;
  }
  CStringArray lines;
  if (lookup == FileLookup::Unknown || !UI_TextFile(normalized).ReadLines(lines)) {
    ZWPrinter().Print(normalized);
    PrintErrorStatus(Zcad::eFileAccessErr);
    return;
  }
  for (const CString& line : lines) ParseLine(line);
  FinishSection();
}

void IniFileReader::ParseLine(CString line) {
  int comment = line.Find(L';');
  if (comment >= 0) line = line.Left(comment);
  if (line.IsEmpty()) return;
  int open = line.Find(L'['), close = line.Find(L']');
  if (open >= 0 && close > open) {
    FinishSection();
    m_current = std::make_unique<INI_Section>();
    m_current->SetValue(L"__NAME", line.Mid(open + 1, close - open - 1));
    return;
  }
  if (line.Find(L'=') <= 0 || !m_current) return;
  CStringArray pieces;
  SplitString(line, L"=", pieces, true);
  if (pieces.GetSize() >= 2) m_current->SetValue(pieces[0], pieces[1]);
}

void IniFileReader::FinishSection() {
  if (!m_current) return;
  Add(*m_current);
  m_current.reset();
}
