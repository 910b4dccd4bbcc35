// The layout-definition file.
#include "layout/Layout_FRL.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "framework/Plot_Settings.h"
#include "framework/Printer.h"
#include "framework/UI_TextFile.h"
#include "sizes/SizesTextFile.h"
#include "ui/FileFilterList.h"

namespace {

/// A whole line as one number: blanks around it, an optional sign, digits with at most
/// one "." or "," among them (at least one digit), an optional exponent ("e" or "E", an
/// optional sign, digits); finite. False for anything else.
///   " -12,5 " => -12.5;  "1.5e3" => 1500;  "1.2.3", "12abc", "1e999", "." => false
bool ReadWholeNumber(const CString& line, double& value) {
  CString text(line);
  text.Trim();
  std::string ascii;
  int i = 0, n = text.GetLength();
  auto at = [&](int k) { return k < n ? text[k] : L'\0'; };
  auto digit = [](wchar_t c) { return c >= L'0' && c <= L'9'; };
  if (at(i) == L'+' || at(i) == L'-') ascii += static_cast<char>(text[i++]);
  int digits = 0;
  bool point = false;
  for (; i < n; ++i) {
    wchar_t c = text[i];
    if (digit(c)) {
      ascii += static_cast<char>(c);
      ++digits;
    } else if ((c == L'.' || c == L',') && !point) {
      ascii += '.';
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (at(i) == L'e' || at(i) == L'E') {
    ascii += 'e';
    ++i;
    if (at(i) == L'+' || at(i) == L'-') ascii += static_cast<char>(text[i++]);
    int exponentDigits = 0;
    for (; i < n && digit(text[i]); ++i, ++exponentDigits) ascii += static_cast<char>(text[i]);
    if (exponentDigits == 0) return false;
  }
  if (i != n) return false;
  double read = std::strtod(ascii.c_str(), nullptr);
  if (!std::isfinite(read)) return false;
  value = read;
  return true;
}

void PrintFileNote(const CString& path, int line, const CString& note) {
  CString text;
  if (line > 0) text.Format(L"\n%s, wiersz %i: %s", path.GetString(), line, note.GetString());
  else text.Format(L"\n%s: %s", path.GetString(), note.GetString());
  ZWPrinter().Print(text);
}

}  // namespace

bool Layout_FRL::Save() {
  if (m_path.IsEmpty()) {
    if (m_pattern.IsEmpty()) SetFileTypes();
    FileFilterList dialog;
    dialog.m_open = false;
    dialog.AddFilter(m_description, m_pattern);
    if (!dialog.ShowDialog()) return false;
    m_path = dialog.GetPathName();
  }
  // The lines are this layout's alone: a saver saved twice writes the same two lines.
  m_lines.RemoveAll();
  CString number;
  number.Format(L"%0.4f", m_width);
  m_lines.Add(number);
  number.Format(L"%0.4f", m_length);
  m_lines.Add(number);
  if (WriteTextLinesSafely(m_path, m_lines)) return true;
  PrintFileNote(m_path, 0, L"nie udało się zapisać pliku układu; plik pozostał bez zmian.");
  return false;
}

void Layout_FRL::Load() { LoadFrom(CString()); }

void Layout_FRL::SetFileTypes() {
  m_description = GetPlotSettingString(L"Layout_FileExtension");
  m_pattern = GetPlotSettingString(L"Layout_ExtensionFilter");
}

void Layout_FRL::LoadFrom(const CString& path) {
  if (path.IsEmpty()) return;
  m_path = path;
  CStringArray lines;
  if (!UI_TextFile(path).ReadLines(lines)) {
    PrintFileNote(path, 0, L"plik nie istnieje lub nie można go odczytać; szerokość i długość bez zmian.");
    return;
  }
  double values[2] = {m_width, m_length};
  const wchar_t* const names[2] = {L"szerokość", L"długość"};
  for (int i = 0; i < 2; ++i) {
    if (i >= lines.GetSize()) {
      PrintFileNote(path, i + 1, CString(L"brak wiersza (") + names[i] + L"); szerokość i długość bez zmian.");
      return;
    }
    if (!ReadWholeNumber(lines[i], values[i])) {
      PrintFileNote(path, i + 1, CString(L"to nie jest liczba (") + names[i] + L"); szerokość i długość bez zmian.");
      return;
    }
  }
  m_width = values[0];
  m_length = values[1];
}

void Layout_FRL::LoadAsk() {
  if (m_pattern.IsEmpty()) SetFileTypes();
  FileFilterList dialog;
  dialog.m_open = true;
  dialog.AddFilter(m_description, m_pattern);
  LoadFrom(dialog.ShowDialog() ? dialog.GetPathName() : CString());
}
