// Unicode case mapping and Polish collation for the text classes, independent of the
// process locale. Private to the platform.
#ifndef PLATFORM_MFC_TEXTFOLD_H
#define PLATFORM_MFC_TEXTFOLD_H

#include <string>

namespace platform {
std::wstring ToUpper(const std::wstring& s);
std::wstring ToLower(const std::wstring& s);
/// Compares after full Unicode case folding: <0, 0, >0 in code-point order.
int CompareFolded(const std::wstring& a, const std::wstring& b);
/// Compares in Polish dictionary order; `ignoreCase` compares at secondary strength.
int CollatePolish(const std::wstring& a, const std::wstring& b, bool ignoreCase);
/// Windows-1250 bytes to text and back ('?' for a character the code page lacks).
std::wstring FromCp1250(const std::string& bytes);
std::string ToCp1250(const std::wstring& text);
}  // namespace platform

#endif
