// The C runtime's wide file opening and number reading with the Windows semantics. A stream
// from _wfopen_s is a stdio FILE over a NativeFile (fopencookie), so fclose works on it and
// CStdioFile(FILE*) finds the file's encoding again.
#include "win/crt.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cwchar>
#include <map>
#include <string>

#include "win32/NativeFile.h"

namespace {

std::map<FILE*, platform::NativeFile*>& Streams() {
  static std::map<FILE*, platform::NativeFile*> streams;
  return streams;
}

ssize_t CookieRead(void* cookie, char* data, size_t size) {
  return static_cast<ssize_t>(static_cast<platform::NativeFile*>(cookie)->ReadBytes(data, size));
}

ssize_t CookieWrite(void* cookie, const char* data, size_t size) {
  return static_cast<platform::NativeFile*>(cookie)->WriteBytes(data, size) ? static_cast<ssize_t>(size) : -1;
}

int CookieSeek(void* cookie, off64_t* offset, int whence) {
  std::int64_t at = static_cast<platform::NativeFile*>(cookie)->Seek(*offset, whence);
  if (at < 0) return -1;
  *offset = at;
  return 0;
}

int CookieClose(void* cookie) {
  auto* file = static_cast<platform::NativeFile*>(cookie);
  for (auto it = Streams().begin(); it != Streams().end(); ++it)
    if (it->second == file) {
      Streams().erase(it);
      break;
    }
  bool ok = file->Close() && !file->Failed();
  delete file;
  return ok ? 0 : EOF;
}

const wchar_t kBlanks[] = L" \t\n\v\f\r";

const wchar_t* SkipBlanks(const wchar_t* text) {
  while (*text && std::wcschr(kBlanks, *text)) ++text;
  return text;
}

}  // namespace

namespace platform {

FILE* WrapInStream(std::unique_ptr<NativeFile> file) {
  cookie_io_functions_t io = {CookieRead, CookieWrite, CookieSeek, CookieClose};
  FILE* stream = fopencookie(file.get(), "r+", io);
  if (!stream) return nullptr;
  std::setvbuf(stream, nullptr, _IONBF, 0);  // every byte goes straight to the file
  Streams()[stream] = file.get();
  file.release();
  return stream;
}

NativeFile* StreamFile(FILE* stream) {
  auto it = Streams().find(stream);
  return it == Streams().end() ? nullptr : it->second;
}

}  // namespace platform

errno_t _wfopen_s(FILE** file, const wchar_t* path, const wchar_t* mode) {
  if (!file) return EINVAL;
  *file = nullptr;
  platform::OpenRequest request;
  if (!path || !mode || !platform::ParseCrtMode(mode, request)) return EINVAL;
  int error = 0;
  std::unique_ptr<platform::NativeFile> native = platform::NativeFile::Open(path, request, error);
  if (!native) return error == EBUSY ? EACCES : error;
  *file = platform::WrapInStream(std::move(native));
  return *file ? 0 : ENOMEM;
}

int _wtoi(const wchar_t* text) {
  if (!text) return 0;
  const wchar_t* p = SkipBlanks(text);
  bool negative = *p == L'-';
  if (*p == L'-' || *p == L'+') ++p;
  long long value = 0;
  for (; *p >= L'0' && *p <= L'9'; ++p) {
    value = value * 10 + (*p - L'0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

double _wtof(const wchar_t* text) {
  if (!text) return 0.0;
  const wchar_t* p = SkipBlanks(text);
  bool negative = *p == L'-';
  if (*p == L'-' || *p == L'+') ++p;
  // Only ASCII can belong to a number; from_chars reads the C locale's form whatever the
  // process locale says.
  std::string ascii;
  for (; *p > 0 && *p < 0x80 && !std::wcschr(kBlanks, *p); ++p) ascii.push_back(static_cast<char>(*p));
  if (ascii.empty() || ascii[0] == '-' || ascii[0] == '+') return 0.0;
  double value = 0.0;
  auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec == std::errc::invalid_argument) return 0.0;
  if (result.ec == std::errc::result_out_of_range) {
    // Too small rounds to 0, too large is infinite, as strtod gives them.
    size_t e = ascii.find_first_of("eE");
    bool tiny = e != std::string::npos && e + 1 < ascii.size() && ascii[e + 1] == '-';
    value = tiny ? 0.0 : HUGE_VAL;
  }
  return negative ? -value : value;
}
