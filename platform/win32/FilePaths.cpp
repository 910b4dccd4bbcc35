// Mapping Windows paths to native files, and UTF-8 for native names.
#include "win32/FilePaths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <vector>

#include "mfc/TextFold.h"

namespace platform {

std::string ToUtf8(const std::wstring& text) {
  std::string out;
  for (wchar_t wc : text) {
    auto c = static_cast<std::uint32_t>(wc);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

bool DecodeUtf8(const char* bytes, std::size_t size, char32_t& c, std::size_t& used) {
  auto b = static_cast<unsigned char>(bytes[0]);
  used = 1;
  c = 0xFFFD;
  if (b < 0x80) {
    c = b;
    return true;
  }
  // The lead byte fixes the length and the range of the first continuation byte, which is
  // what rules out overlong forms, surrogates and values above U+10FFFF.
  std::size_t extra;
  char32_t value;
  unsigned char low = 0x80, high = 0xBF;
  if (b >= 0xC2 && b <= 0xDF) {
    extra = 1, value = b & 0x1F;
  } else if (b >= 0xE0 && b <= 0xEF) {
    extra = 2, value = b & 0x0F;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    extra = 3, value = b & 0x07;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
  } else {
    return false;
  }
  for (std::size_t k = 1; k <= extra; ++k) {
    if (k >= size) return false;
    auto next = static_cast<unsigned char>(bytes[k]);
    if (next < low || next > high) return false;
    value = (value << 6) | (next & 0x3F);
    used = k + 1;
    low = 0x80, high = 0xBF;
  }
  c = value;
  return true;
}

std::wstring FromUtf8(const std::string& bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t c;
    std::size_t used;
    DecodeUtf8(bytes.data() + i, bytes.size() - i, c, used);
    out.push_back(static_cast<wchar_t>(c));
    i += used;
  }
  return out;
}

namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

// The entry of `folder` whose name equals `name` without regard to case, or "". When
// several do ("a.ini" and "A.INI"), the ordinally smallest wins, whatever the order the
// folder lists them in.
std::string FindFolded(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return {};
  std::string found;
  std::wstring wanted = FromUtf8(name);
  while (dirent* e = ::readdir(dir)) {
    if (CompareFolded(FromUtf8(e->d_name), wanted) == 0 && (found.empty() || e->d_name < found))
      found = e->d_name;
  }
  ::closedir(dir);
  return found;
}

// The components of a Windows path, with "." dropped and ".." taking away the component
// before it, as Windows resolves a name before it looks at the disk. A ".." above the root
// of an absolute path is dropped; above a relative one it is kept.
std::vector<std::wstring> Components(const std::wstring& path, bool absolute) {
  std::vector<std::wstring> parts;
  std::wstring part;
  auto push = [&] {
    if (part.empty() || part == L".") {
    } else if (part == L".." && !parts.empty() && parts.back() != L"..") {
      parts.pop_back();
    } else if (part != L".." || !absolute) {
      parts.push_back(part);
    }
    part.clear();
  };
  for (wchar_t c : path) {
    if (c == L'\\' || c == L'/') push();
    else part += c;
  }
  push();
  return parts;
}

}  // namespace

std::string NativePath(const std::wstring& windowsPath) {
  std::wstring p = windowsPath;
  if (p.size() >= 2 && p[1] == L':' && ((p[0] >= L'A' && p[0] <= L'Z') || (p[0] >= L'a' && p[0] <= L'z')))
    p = p.substr(2);
  bool absolute = !p.empty() && (p[0] == L'\\' || p[0] == L'/');
  std::vector<std::wstring> parts = Components(p, absolute);

  std::string out = absolute ? "/" : "";
  bool resolving = true;  // once a component is missing, the rest cannot exist either
  for (size_t i = 0; i < parts.size(); ++i) {
    std::string name = ToUtf8(parts[i]);
    std::string candidate = out + name;
    if (resolving && name != ".." && !Exists(candidate)) {
      std::string folded = FindFolded(out, name);
      if (!folded.empty()) candidate = out + folded;
      else resolving = false;
    }
    out = candidate;
    if (i + 1 < parts.size()) out += "/";
  }
  if (out.empty()) out = ".";
  return out;
}

std::wstring PathFileName(const std::wstring& path) {
  size_t cut = path.find_last_of(L"\\/");
  return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

std::wstring PathFileTitle(const std::wstring& path) {
  std::wstring name = PathFileName(path);
  if (name == L"." || name == L"..") return name;
  size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace platform

#include "headless/Host.h"

namespace headless {
std::string ToUtf8(const std::wstring& text) { return platform::ToUtf8(text); }
std::wstring FromUtf8(const std::string& bytes) { return platform::FromUtf8(bytes); }
}  // namespace headless
