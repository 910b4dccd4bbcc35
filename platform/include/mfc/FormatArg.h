// Typed arguments for the Windows-style formatter behind CString::Format and zcutPrintf.
// Formats often come from string resources, so the arguments travel with their types:
// a format that asks for more, fewer or other arguments than it gets prints what it can
// and never reads past them.
#ifndef PLATFORM_MFC_FORMATARG_H
#define PLATFORM_MFC_FORMATARG_H

#include <cstdint>
#include <string>
#include <type_traits>

class CString;

/// One argument of a format call, with the kind it was given as.
struct FormatArg {
  enum Kind { Signed, Unsigned, Real, Wide, Narrow, Pointer } kind;
  union {
    long long i;
    unsigned long long u;
    double d;
    const wchar_t* ws;
    const char* ns;
    const void* p;
  };
  FormatArg(const CString& s);
  FormatArg(const std::wstring& s) : kind(Wide), ws(s.c_str()) {}
  FormatArg(const wchar_t* s) : kind(Wide), ws(s) {}
  FormatArg(wchar_t* s) : kind(Wide), ws(s) {}
  FormatArg(const char* s) : kind(Narrow), ns(s) {}
  FormatArg(char* s) : kind(Narrow), ns(s) {}
  FormatArg(bool v) : kind(Signed), i(v) {}
  template <class T, std::enable_if_t<std::is_integral_v<T> && std::is_signed_v<T>, int> = 0>
  FormatArg(T v) : kind(Signed), i(v) {}
  template <class T, std::enable_if_t<std::is_integral_v<T> && std::is_unsigned_v<T> &&
                                          !std::is_same_v<T, bool>, int> = 0>
  FormatArg(T v) : kind(Unsigned), u(v) {}
  template <class T, std::enable_if_t<std::is_enum_v<T>, int> = 0>
  FormatArg(T v) : kind(Signed), i(static_cast<long long>(v)) {}
  template <class T, std::enable_if_t<std::is_floating_point_v<T>, int> = 0>
  FormatArg(T v) : kind(Real), d(static_cast<double>(v)) {}
  template <class T>
  FormatArg(const T* v) : kind(Pointer), p(v) {}
};

/// Formats with the Windows wide-printf rules: "%s" and "%c" take wide text, "%S", "%hs" and
/// "%hc" narrow text (read in the Windows-1250 code page); numbers follow the C locale.
/// "%ls", "%ws", "%I64d", "%lld", "%zu", flags, width and precision ("*" too) are understood.
/// A missing argument prints nothing; an argument of another kind is converted where that
/// makes sense (a number for "%s" prints nothing); "%n" is refused.
///   L"%s=%0.6f", L"Długość", 2.5  =>  L"Długość=2.500000"
std::wstring WinFormat(const wchar_t* format, const FormatArg* args, std::size_t count);

#endif
