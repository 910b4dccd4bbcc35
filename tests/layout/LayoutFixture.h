// A fresh drawing for the layout tests, a private folder for the files they write, and
// model drawings with part records saved into it.
#ifndef TESTS_LAYOUT_LAYOUTFIXTURE_H
#define TESTS_LAYOUT_LAYOUTFIXTURE_H

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "DrawingFixture.h"
#include "construction/PartRecords.h"

class LayoutTest : public DrawingTest {
protected:
  /// The test's own folder (removed after the test).
  std::filesystem::path Folder() {
    if (tmp_.empty()) {
      char pattern[] = "/tmp/fastrelle-layout-XXXXXX";
      tmp_ = mkdtemp(pattern);
    }
    return tmp_;
  }
  CString PathOf(const char* name) { return CString(headless::FromUtf8((Folder() / name).string())); }

  /// Saves a model drawing holding the records (part, type, quantity) at `name` in the
  /// test's folder and starts a new working drawing; the model's path.
  CString SaveModel(const char* name, std::initializer_list<std::tuple<const wchar_t*, int, int>> parts) {
    for (const auto& [part, type, quantity] : parts) WritePartRecord(nullptr, part, type, quantity);
    CString path = PathOf(name);
    EXPECT_EQ(Zcad::eOk, db_->saveAs(path));
    db_ = headless::NewDrawing();
    return path;
  }

  static std::string Bytes(const CString& path) {
    std::ifstream in(headless::ToUtf8(path.str()), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void WriteBytes(const CString& path, const std::string& bytes) {
    std::ofstream(headless::ToUtf8(path.str()), std::ios::binary) << bytes;
  }
  /// `text` as a UTF-16LE file with a byte-order mark (the layout-definition form).
  static void WriteUtf16(const CString& path, const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
      bytes += static_cast<char>(c & 0xFF);
      bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    WriteBytes(path, bytes);
  }
};

#endif
