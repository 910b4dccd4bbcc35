// The piece key.
#include "layout/PieceKey.h"

#include "framework/Strings.h"
#include "framework/UI_Path.h"

namespace {
const wchar_t* const kSideLetters[] = {L"S", L"L", L"R", L"T", L"B"};
const wchar_t* const kLinesLetters[] = {L"C", L"S", L"B"};
}  // namespace

CString PieceSideLetter(int side) { return side >= 0 && side <= 4 ? CString(kSideLetters[side]) : CString(L"0"); }

int PieceSideFromLetter(const CString& letter) {
  for (int side = 0; side <= 4; ++side)
    if (letter.CompareNoCase(kSideLetters[side]) == 0) return side;
  return kPieceSideS;
}

CString PieceLinesLetter(int lines) {
  return lines >= 0 && lines <= 2 ? CString(kLinesLetters[lines]) : CString(L"0");
}

int PieceLinesFromLetter(const CString& letter) {
  if (letter.CompareNoCase(L"C") == 0) return 0;
  if (letter.CompareNoCase(L"S") == 0) return 1;
  return 2;
}

CString ModelFileTitle(const CString& modelPath) {
  CString name = UI_Path(modelPath).GetFileName();
  int dot = name.ReverseFind(L'.');
  return dot < 0 ? name : name.Left(dot);
}

CString MakePieceKey(const CString& modelPath, const CString& part, const CString& size, int side, int lines) {
  if (modelPath.IsEmpty() || part.IsEmpty() || size.IsEmpty()) return CString();
  return ModelFileTitle(modelPath) + L"|" + part + L"|" + size + L"|" + PieceSideLetter(side) + L"|" +
         PieceLinesLetter(lines);
}

void ParsePieceKey(const CString& key, CString& modelTitle, CString& part, CString& size, int& side, int& lines) {
  CStringArray fields;
  SplitString(key, L"|", fields, false);
  const int n = fields.GetSize();
  if (n > 0) modelTitle = fields[0];
  if (n > 1) part = fields[1];
  if (n > 2) size = fields[2];
  if (n > 3) side = PieceSideFromLetter(fields[3]);
  if (n > 4) lines = PieceLinesFromLetter(fields[4]);
}
