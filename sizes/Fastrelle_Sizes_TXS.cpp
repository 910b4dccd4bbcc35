// Fastrelle_Sizes_TXS.
#include "sizes/Fastrelle_Sizes_TXS.h"

#include "framework/Strings.h"
#include "win/crt.h"

bool Fastrelle_Sizes_TXS::Write(CStringArray& lines) {
  const CString symbol = BaseSymbol();
  bool all = true;
  for (const Fastrelle_Size& size : m_sizes) {
    if (size.GetName().FindOneOf(L" \t") >= 0) {
      Note(0, L"rozmiar \"" + size.GetName() + L"\" pominięty: nazwa z odstępem nie dałaby się wczytać");
      all = false;
      continue;
    }
    CString line;
    line.Format(L"%s%s %i", size.IsBase() ? symbol.GetString() : L"", size.GetName().GetString(), size.GetColor());
    lines.Add(line);
  }
  return all;
}

bool Fastrelle_Sizes_TXS::Read(std::vector<Fastrelle_Size>& sizes) {
  BeginRead(sizes);
  const CString symbol = BaseSymbol();
  const int count = CountedLines();
  bool read = false;
  for (int i = 0; i < count; ++i) {
    CStringArray tokens;
    SplitString(m_lines[i], L" ", tokens, false);
    if (tokens.GetSize() != 2) {
      Note(i + 1, L"pominięty: wiersz musi mieć dwie części, nazwę i kolor, oddzielone odstępem");
      continue;
    }
    Fastrelle_Size size;
    CString name = tokens[0];
    if (name.Find(symbol) == 0) {
      name.Trim(symbol);
      size.SetBase(true);
    }
    size.SetName(name);
    if (StartsWithNumber(tokens[1])) size.SetColor(_wtoi(tokens[1]));
    read = Accept(size, i + 1, sizes) || read;
  }
  return read;
}
