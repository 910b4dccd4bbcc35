// The layout item and its text.
#include "layout/LayoutItem.h"

#include <cmath>
#include <vector>

#include "framework/Strings.h"
#include "layout/Fastrelle_Part_Reader.h"
#include "win/crt.h"

namespace {

constexpr int kFields = 6;

/// Every piece between separators, empty pieces kept: "a;;b" => "a", "", "b".
std::vector<CString> SplitKeepingEmpty(const CString& text, const CString& separator) {
  std::vector<CString> fields;
  if (separator.IsEmpty()) {
    fields.push_back(text);
    return fields;
  }
  int start = 0;
  for (;;) {
    int at = text.Find(separator, start);
    if (at < 0) break;
    fields.push_back(text.Mid(start, at - start));
    start = at + separator.GetLength();
  }
  fields.push_back(text.Mid(start));
  return fields;
}

}  // namespace

CString LayoutItem::ToText(const CString& separator) const {
  CString text;
  text.Format(L"%s%s%s%s%s%s%i%s%0.2f%s%i", m_modelPath.GetString(), separator.GetString(),
              m_part.GetName().GetString(), separator.GetString(), m_size.GetString(), separator.GetString(),
              m_quantity, separator.GetString(), m_rotation, separator.GetString(), m_lines);
  return text;
}

LayoutItem LayoutItem::FromText(const CString& text, const CString& separator) {
  std::vector<CString> fields = SplitKeepingEmpty(text, separator);
  if (fields.size() > kFields) {
    // The separator was in the path: everything before the last five fields is the path.
    std::size_t pathFields = fields.size() - (kFields - 1);
    CString path = fields[0];
    for (std::size_t i = 1; i < pathFields; ++i) path += separator + fields[i];
    fields.erase(fields.begin(), fields.begin() + static_cast<std::ptrdiff_t>(pathFields));
    fields.insert(fields.begin(), path);
  }
  fields.resize(kFields, CString());

  LayoutItem item;
  item.m_modelPath = fields[0];
  item.m_part = Fastrelle_Part(fields[1], 0, 1);
  item.m_size = fields[2];
  // An empty field passes the shared number test but holds no number: it counts as missing.
  if (!fields[3].IsEmpty() && StartsWithNumber(fields[3])) item.m_quantity = _wtoi(fields[3]);
  double rotation = 0.0;
  if (!fields[4].IsEmpty() && ParseDouble(fields[4], rotation) && std::isfinite(rotation)) item.m_rotation = rotation;
  if (!fields[5].IsEmpty() && StartsWithNumber(fields[5])) {
    int lines = _wtoi(fields[5]);
    item.m_lines = lines == kCutLines || lines == kSeamLines ? lines : kBothLines;
  }
  return item;
}

int LayoutItem::ReadPart(Fastrelle_Part_Reader& reader) {
  Fastrelle_Part part = m_part;
  int status = reader.Read(m_part.GetName(), part);
  if (status == 0) m_part = Fastrelle_Part(m_part.GetName(), part.GetType(), part.GetQuantity());
  return status;
}

bool LayoutItem::SamePart(const LayoutItem& other) const {
  return m_modelPath.CollateNoCase(other.m_modelPath) == 0 &&
         m_part.GetName().CollateNoCase(other.m_part.GetName()) == 0;
}

bool LayoutItem::SamePiece(const LayoutItem& other) const {
  return SamePart(other) && m_size.CollateNoCase(other.m_size) == 0;
}
