// Loading linetypes from a linetype-definition file. The file is text, one definition in
// two lines:
//   *NAME,description
//   A,dash,dash,...        (positive: a dash, negative: a gap, 0: a dot)
// Lines starting with ";" are comments. Complex elements in brackets are skipped.
#include <cmath>
#include <fstream>
#include <sstream>

#include "db/DbInternal.h"
#include "db/ZcDbDxfFiler.h"
#include "db/ZcDbSymbolTable.h"
#include "win32/FilePaths.h"

Zcad::ErrorStatus ZcDbDatabase::loadLineTypeFile(const wchar_t* linetypeName, const wchar_t* fileName) {
  if (!linetypeName || !*linetypeName || !fileName) return Zcad::eInvalidInput;
  std::ifstream in(platform::NativePath(fileName), std::ios::binary);
  if (!in) return Zcad::eFileNotFound;
  std::ostringstream buf;
  buf << in.rdbuf();
  std::wstring text = ZcDbDxfFiler::decodeText(buf.str());
  std::wstring want = zcdb::FoldKey(linetypeName);
  bool all = want == L"*";
  auto* table = impl_->objectAs<ZcDbSymbolTable>(impl_->linetypeTable);
  std::wistringstream lines(text);
  std::wstring line, name, description;
  bool found = false, loadedOne = false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    if (line.empty() || line[0] == L';') continue;
    if (line[0] == L'*') {
      std::size_t comma = line.find(L',');
      name = line.substr(1, comma == std::wstring::npos ? std::wstring::npos : comma - 1);
      description = comma == std::wstring::npos ? L"" : line.substr(comma + 1);
      continue;
    }
    if (name.empty() || (!all && zcdb::FoldKey(name) != want)) {
      name.clear();
      continue;
    }
    found = true;
    if (table->has(name.c_str())) {
      if (!all) return Zcad::eDuplicateRecordName;
      name.clear();
      continue;
    }
    std::vector<double> dashes;
    std::wstring body = line.substr(line.find(L',') == std::wstring::npos ? line.size() : line.find(L',') + 1);
    std::wistringstream items(body);
    std::wstring item;
    while (std::getline(items, item, L',')) {
      if (item.find(L'[') != std::wstring::npos) {  // a complex element, up to its "]"
        while (item.find(L']') == std::wstring::npos && std::getline(items, item, L',')) {}
        continue;
      }
      double dash = 0.0;
      try {
        dash = std::stod(item);
      } catch (...) {
        return Zcad::eInvalidInput;
      }
      // "inf" and "nan" read as numbers, but no drawing holding them reads back.
      if (!std::isfinite(dash)) return Zcad::eInvalidInput;
      dashes.push_back(dash);
    }
    double length = 0.0;
    for (double dash : dashes) length += std::fabs(dash);
    if (!std::isfinite(length)) return Zcad::eInvalidInput;
    auto* rec = new ZcDbLinetypeTableRecord;
    if (rec->setName(name.c_str()) != Zcad::eOk) {
      delete rec;
      return Zcad::eInvalidSymbolTableName;
    }
    rec->setComments(description.c_str());
    rec->setDashes(dashes);
    table->adoptRecord(impl_->adopt(rec, impl_->linetypeTable));
    loadedOne = true;
    name.clear();
  }
  if (!found) return Zcad::eKeyNotFound;
  (void)loadedOne;
  return Zcad::eOk;
}
