// Decoding user text files and writing them safely.
#include "sizes/SizesTextFile.h"

#include "ed/ErrorStatus.h"
#include "framework/UI_File.h"
#include "framework/UI_TextFile.h"
#include "win/winbase.h"

namespace {
constexpr unsigned long long kLargestFile = 16ull << 20;

/// Appends the code points of valid UTF-8 to `out`; false at the first invalid sequence.
bool DecodeUtf8(const std::string& bytes, std::size_t start, std::wstring& out) {
  for (std::size_t i = start; i < bytes.size();) {
    unsigned char c = bytes[i];
    if (c < 0x80) {
      out += static_cast<wchar_t>(c);
      ++i;
      continue;
    }
    int extra = c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : -1;
    if (extra < 0 || i + extra >= bytes.size()) return false;
    unsigned long code = c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      unsigned char next = bytes[i + k];
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    if ((extra == 2 && code < 0x800) || (extra == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF))
      return false;
    out += static_cast<wchar_t>(code);
    i += extra + 1;
  }
  return true;
}

std::wstring DecodeUtf16(const std::string& bytes, std::size_t start, bool bigEndian) {
  std::wstring out;
  auto unit = [&](std::size_t i) -> unsigned {
    unsigned char a = bytes[i], b = bytes[i + 1];
    return bigEndian ? (a << 8 | b) : (b << 8 | a);
  };
  for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
    unsigned u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
      unsigned low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        out += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    out += static_cast<wchar_t>(u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
  }
  return out;
}

bool StartsWith(const std::string& bytes, const char* mark) { return bytes.rfind(mark, 0) == 0; }
}  // namespace

void DecodeTextLines(const std::string& bytes, CStringArray& lines) {
  std::wstring text;
  if (StartsWith(bytes, "\xFF\xFE")) {
    text = DecodeUtf16(bytes, 2, false);
  } else if (StartsWith(bytes, "\xFE\xFF")) {
    text = DecodeUtf16(bytes, 2, true);
  } else if (StartsWith(bytes, "\xEF\xBB\xBF")) {
    if (!DecodeUtf8(bytes, 3, text)) text = CString(bytes.substr(3).c_str()).str();
  } else if (bytes.find('\0') != std::string::npos) {
    text = DecodeUtf16(bytes, 0, false);
  } else if (!DecodeUtf8(bytes, 0, text)) {
    text = CString(bytes.c_str()).str();  // Windows-1250
  }
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring::npos) {
      lines.Add(CString(text.substr(start)));
      break;
    }
    lines.Add(CString(text.substr(start, end - start)));
    start = end + (text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n' ? 2 : 1);
  }
}

int ReadTextLines(const CString& path, CStringArray& lines) {
  if (LookUpFile(path) == FileLookup::Missing) return Zcad::eFileNotFound;
  CFile file;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return Zcad::eFileAccessErr;
  std::string bytes;
  try {
    if (file.GetLength() > kLargestFile) {
      file.Abort();
      return Zcad::eFileAccessErr;
    }
    char buffer[65536];
    while (UINT n = file.Read(buffer, sizeof buffer)) bytes.append(buffer, n);
    file.Close();
  } catch (CFileException* e) {
    e->Delete();
    file.Abort();
    return Zcad::eFileAccessErr;
  }
  DecodeTextLines(bytes, lines);
  return Zcad::eOk;
}

bool WriteTextLinesSafely(const CString& path, const CStringArray& lines) {
  const CString temporary = path + L".tmp";
  if (UI_TextFile(temporary).WriteLines(lines) == 1 && MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING))
    return true;
  DeleteFileW(temporary);
  return false;
}
