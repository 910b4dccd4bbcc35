// CString and CStringArray: text operations over std::wstring, with case and collation
// from TextFold and string resources from the extension-module chain.
#include "mfc/CString.h"

#include <algorithm>
#include <cstring>

#include "mfc/TextFold.h"

namespace {

const wchar_t kBlanks[] = L" \t\n\r\v\f";

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }
int Sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

}  // namespace

CString::CString(const wchar_t* text, int length) {
  if (text && length > 0) s_.assign(text, static_cast<size_t>(length));
}

CString::CString(const char* text) {
  if (text) s_ = platform::FromCp1250(text);
}

wchar_t CString::GetAt(int index) const {
  return index >= 0 && index < GetLength() ? s_[static_cast<size_t>(index)] : L'\0';
}

void CString::SetAt(int index, wchar_t ch) {
  if (index >= 0 && index < GetLength()) s_[static_cast<size_t>(index)] = ch;
}

wchar_t* CString::GetBuffer(int minLength) {
  if (minLength > GetLength()) s_.resize(static_cast<size_t>(minLength), L'\0');
  return s_.data();
}

wchar_t* CString::GetBufferSetLength(int length) {
  s_.resize(static_cast<size_t>(std::max(length, 0)), L'\0');
  return s_.data();
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) {
    size_t end = s_.find(L'\0');
    if (end != std::wstring::npos) s_.resize(end);
  } else if (newLength <= GetLength()) {
    s_.resize(static_cast<size_t>(newLength));
  }
}

int CString::Compare(const wchar_t* other) const { return Sign(s_.compare(other ? other : L"")); }
int CString::CompareNoCase(const wchar_t* other) const {
  return platform::CompareFolded(s_, other ? other : L"");
}
int CString::Collate(const wchar_t* other) const {
  return platform::CollatePolish(s_, other ? other : L"", false);
}
int CString::CollateNoCase(const wchar_t* other) const {
  return platform::CollatePolish(s_, other ? other : L"", true);
}

int CString::Find(wchar_t ch, int start) const {
  if (start < 0 || start >= GetLength()) return -1;
  size_t at = s_.find(ch, static_cast<size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* sub, int start) const {
  if (!sub || start < 0 || start > GetLength()) return -1;
  size_t at = s_.find(sub, static_cast<size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const {
  size_t at = s_.rfind(ch);
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(const wchar_t* chars) const {
  if (!chars) return -1;
  size_t at = s_.find_first_of(chars);
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const {
  return CString(s_.substr(0, static_cast<size_t>(Clamp(count, 0, GetLength()))));
}

CString CString::Right(int count) const {
  int n = Clamp(count, 0, GetLength());
  return CString(s_.substr(static_cast<size_t>(GetLength() - n)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  first = Clamp(first, 0, GetLength());
  count = Clamp(count, 0, GetLength() - first);
  return CString(s_.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::SpanIncluding(const wchar_t* chars) const {
  size_t end = s_.find_first_not_of(chars ? chars : L"");
  return CString(s_.substr(0, end));
}

CString CString::SpanExcluding(const wchar_t* chars) const {
  size_t end = s_.find_first_of(chars ? chars : L"");
  return CString(s_.substr(0, end));
}

CString CString::Tokenize(const wchar_t* delims, int& pos) const {
  if (pos < 0 || pos >= GetLength() || !delims) {
    pos = -1;
    return CString();
  }
  size_t begin = s_.find_first_not_of(delims, static_cast<size_t>(pos));
  if (begin == std::wstring::npos) {
    pos = -1;
    return CString();
  }
  size_t end = s_.find_first_of(delims, begin);
  if (end == std::wstring::npos) end = s_.size();
  pos = static_cast<int>(end + 1);
  return CString(s_.substr(begin, end - begin));
}

CString& CString::MakeUpper() { s_ = platform::ToUpper(s_); return *this; }
CString& CString::MakeLower() { s_ = platform::ToLower(s_); return *this; }
CString& CString::MakeReverse() { std::reverse(s_.begin(), s_.end()); return *this; }

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(wchar_t ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(const wchar_t* chars) { return TrimRight(chars).TrimLeft(chars); }
CString& CString::TrimLeft() { return TrimLeft(kBlanks); }
CString& CString::TrimRight() { return TrimRight(kBlanks); }
CString& CString::TrimLeft(wchar_t ch) { const wchar_t set[] = {ch, 0}; return TrimLeft(set); }
CString& CString::TrimRight(wchar_t ch) { const wchar_t set[] = {ch, 0}; return TrimRight(set); }

CString& CString::TrimLeft(const wchar_t* chars) {
  size_t begin = s_.find_first_not_of(chars ? chars : L"");
  s_.erase(0, begin == std::wstring::npos ? s_.size() : begin);
  return *this;
}

CString& CString::TrimRight(const wchar_t* chars) {
  size_t last = s_.find_last_not_of(chars ? chars : L"");
  s_.resize(last == std::wstring::npos ? 0 : last + 1);
  return *this;
}

int CString::Replace(wchar_t from, wchar_t to) {
  int n = 0;
  if (from == to) return 0;  // nothing changes, so nothing is counted
  for (auto& c : s_)
    if (c == from) { c = to; ++n; }
  return n;
}

int CString::Replace(const wchar_t* from, const wchar_t* to) {
  if (!from || !*from) return 0;
  std::wstring f(from), t(to ? to : L"");
  int n = 0;
  for (size_t at = s_.find(f); at != std::wstring::npos; at = s_.find(f, at + t.size())) {
    s_.replace(at, f.size(), t);
    ++n;
  }
  return n;
}

int CString::Remove(wchar_t ch) {
  size_t before = s_.size();
  s_.erase(std::remove(s_.begin(), s_.end(), ch), s_.end());
  return static_cast<int>(before - s_.size());
}

int CString::Insert(int index, wchar_t ch) {
  s_.insert(static_cast<size_t>(Clamp(index, 0, GetLength())), 1, ch);
  return GetLength();
}

int CString::Insert(int index, const wchar_t* text) {
  if (text) s_.insert(static_cast<size_t>(Clamp(index, 0, GetLength())), text);
  return GetLength();
}

int CString::Delete(int index, int count) {
  if (index < 0) index = 0;  // a negative start deletes from the first character
  if (index < GetLength() && count > 0)
    s_.erase(static_cast<size_t>(index), static_cast<size_t>(count));
  return GetLength();
}

// --- CStringArray ---------------------------------------------------------------------

CStringArray::CStringArray(std::initializer_list<CString> items) : items_(items) {}

void CStringArray::SetSize(int size) { items_.resize(static_cast<size_t>(std::max(size, 0))); }

CString CStringArray::GetAt(int index) const {
  return index >= 0 && index < GetSize() ? items_[static_cast<size_t>(index)] : CString();
}

void CStringArray::SetAt(int index, const CString& text) {
  if (index >= 0 && index < GetSize()) items_[static_cast<size_t>(index)] = text;
}

CString& CStringArray::ElementAt(int index) {
  // MFC asserts here; growing the array keeps a bad index from writing out of bounds.
  if (index < 0) index = 0;
  if (index >= GetSize()) SetSize(index + 1);
  return items_[static_cast<size_t>(index)];
}

int CStringArray::Add(const CString& text) {
  items_.push_back(text);
  return GetSize() - 1;
}

int CStringArray::Append(const CStringArray& other) {
  int first = GetSize();
  std::vector<CString> copy(other.items_);  // `other` may be this array
  items_.insert(items_.end(), copy.begin(), copy.end());
  return first;
}

void CStringArray::Copy(const CStringArray& other) {
  if (&other != this) items_ = other.items_;
}

void CStringArray::InsertAt(int index, const CString& text, int count) {
  if (count <= 0) return;
  if (index < 0) index = 0;
  if (index > GetSize()) SetSize(index);  // as MFC: past the end, the array grows up to it
  items_.insert(items_.begin() + index, static_cast<size_t>(count), text);
}

void CStringArray::RemoveAt(int index, int count) {
  if (index < 0 || index >= GetSize() || count <= 0) return;
  int end = count > GetSize() - index ? GetSize() : index + count;  // no overflow
  items_.erase(items_.begin() + index, items_.begin() + end);
}
