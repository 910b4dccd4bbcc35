// CString: the wide, growable text of the system's code, with the MFC operations it uses.
// Text is held as wchar_t (UTF-32 here); files and the console convert at their boundary.
#ifndef PLATFORM_MFC_CSTRING_H
#define PLATFORM_MFC_CSTRING_H

#include <initializer_list>
#include <string>
#include <vector>

#include "mfc/FormatArg.h"
#include "win/wintypes.h"

/// A text value with MFC's interface. Comparisons "NoCase" fold case with the Unicode rules
/// (Polish letters included) whatever the process locale; `Collate` orders as a Polish user
/// expects. Positions are in characters; out-of-range positions are clamped, never fatal.
class CString {
public:
  CString() = default;
  CString(const wchar_t* text) : s_(text ? text : L"") {}
  CString(const wchar_t* text, int length);
  CString(wchar_t ch, int repeat = 1) : s_(repeat > 0 ? repeat : 0, ch) {}
  /// 8-bit text in the Windows-1250 code page.
  CString(const char* text);
  CString(const std::wstring& text) : s_(text) {}

  int GetLength() const { return static_cast<int>(s_.size()); }
  bool IsEmpty() const { return s_.empty(); }
  void Empty() { s_.clear(); }
  /// The character at `index`; 0 when out of range.
  wchar_t GetAt(int index) const;
  void SetAt(int index, wchar_t ch);
  wchar_t operator[](int index) const { return GetAt(index); }
  const wchar_t* GetString() const { return s_.c_str(); }
  operator const wchar_t*() const { return s_.c_str(); }
  const std::wstring& str() const { return s_; }

  /// A writable buffer of at least `minLength` characters plus a terminator. After writing,
  /// `ReleaseBuffer(-1)` cuts the text at the first terminator, `ReleaseBuffer(n)` at n.
  wchar_t* GetBuffer(int minLength = 0);
  wchar_t* GetBufferSetLength(int length);
  void ReleaseBuffer(int newLength = -1);

  CString& operator=(const wchar_t* text) { s_ = text ? text : L""; return *this; }
  CString& operator=(wchar_t ch) { s_.assign(1, ch); return *this; }
  CString& operator+=(const CString& other) { s_ += other.s_; return *this; }
  CString& operator+=(const wchar_t* text) { if (text) s_ += text; return *this; }
  CString& operator+=(wchar_t ch) { s_ += ch; return *this; }
  void Append(const wchar_t* text) { *this += text; }
  void AppendChar(wchar_t ch) { s_ += ch; }

  /// Ordinal comparison: <0, 0, >0.
  int Compare(const wchar_t* other) const;
  /// Ordinal comparison after Unicode case folding.
  int CompareNoCase(const wchar_t* other) const;
  /// Comparison in Polish dictionary order.
  int Collate(const wchar_t* other) const;
  /// Polish dictionary order, ignoring case.
  int CollateNoCase(const wchar_t* other) const;

  /// Position of `ch` or `sub` at or after `start`; -1 when absent.
  int Find(wchar_t ch, int start = 0) const;
  int Find(const wchar_t* sub, int start = 0) const;
  int ReverseFind(wchar_t ch) const;
  int FindOneOf(const wchar_t* chars) const;

  CString Left(int count) const;
  CString Right(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString SpanIncluding(const wchar_t* chars) const;
  CString SpanExcluding(const wchar_t* chars) const;
  /// The next token after `pos` delimited by any of `delims`, skipping leading delimiters;
  /// sets `pos` to -1 and returns empty when there is none.
  CString Tokenize(const wchar_t* delims, int& pos) const;

  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();
  /// Removes blanks (space, tab, line feed, carriage return, vertical tab, form feed), or the
  /// given characters, from both ends / the left / the right.
  CString& Trim();
  CString& Trim(wchar_t ch);
  CString& Trim(const wchar_t* chars);
  CString& TrimLeft();
  CString& TrimLeft(wchar_t ch);
  CString& TrimLeft(const wchar_t* chars);
  CString& TrimRight();
  CString& TrimRight(wchar_t ch);
  CString& TrimRight(const wchar_t* chars);

  /// Replaces every occurrence; returns the count. An empty `from` replaces nothing.
  int Replace(wchar_t from, wchar_t to);
  int Replace(const wchar_t* from, const wchar_t* to);
  int Remove(wchar_t ch);
  int Insert(int index, wchar_t ch);
  int Insert(int index, const wchar_t* text);
  int Delete(int index, int count = 1);

  /// Formats with the Windows rules (see WinFormat): "%s" takes wide text.
  template <class... Args>
  void Format(const wchar_t* format, const Args&... args) {
    const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
    s_ = WinFormat(format, list, sizeof...(Args));
  }
  template <class... Args>
  void AppendFormat(const wchar_t* format, const Args&... args) {
    const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
    s_ += WinFormat(format, list, sizeof...(Args));
  }

  /// Loads string resource `id`: first from the current resource module, then along the
  /// extension-module chain. FALSE, and the text unchanged, when no loaded module has it.
  BOOL LoadString(UINT id);

  friend CString operator+(const CString& a, const CString& b) { return CString(a.s_ + b.s_); }
  friend CString operator+(const CString& a, const wchar_t* b) { CString r(a); r += b; return r; }
  friend CString operator+(const wchar_t* a, const CString& b) { CString r(a); r += b; return r; }
  friend CString operator+(const CString& a, wchar_t b) { CString r(a); r += b; return r; }
  friend CString operator+(wchar_t a, const CString& b) { CString r(a); r += b; return r; }
  friend bool operator==(const CString& a, const CString& b) { return a.s_ == b.s_; }
  friend bool operator==(const CString& a, const wchar_t* b) { return a.s_ == (b ? b : L""); }
  friend bool operator==(const wchar_t* a, const CString& b) { return b == a; }
  friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
  friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
  friend bool operator!=(const wchar_t* a, const CString& b) { return !(b == a); }
  friend bool operator<(const CString& a, const CString& b) { return a.s_ < b.s_; }

private:
  std::wstring s_;
};

inline FormatArg::FormatArg(const CString& s) : kind(Wide), ws(s.GetString()) {}

/// An ordered, growable array of CString (MFC's CStringArray). Indexes out of range are
/// ignored by the setters and give an empty text from the getters.
class CStringArray {
public:
  CStringArray() = default;
  CStringArray(std::initializer_list<CString> items);
  int GetSize() const { return static_cast<int>(items_.size()); }
  int GetCount() const { return GetSize(); }
  int GetUpperBound() const { return GetSize() - 1; }
  bool IsEmpty() const { return items_.empty(); }
  void SetSize(int size);
  CString GetAt(int index) const;
  void SetAt(int index, const CString& text);
  CString& ElementAt(int index);
  CString& operator[](int index) { return ElementAt(index); }
  CString operator[](int index) const { return GetAt(index); }
  int Add(const CString& text);
  int Append(const CStringArray& other);
  void Copy(const CStringArray& other);
  void InsertAt(int index, const CString& text, int count = 1);
  void RemoveAt(int index, int count = 1);
  void RemoveAll() { items_.clear(); }
  const CString* begin() const { return items_.data(); }
  const CString* end() const { return items_.data() + items_.size(); }

private:
  std::vector<CString> items_;
};

#endif
