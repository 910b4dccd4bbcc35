// The layout content on the border.
#include "layout/Layout_saver_XData.h"

#include <map>
#include <memory>

#include "db/ZcDbSymbolTable.h"
#include "framework/Printer.h"
#include "framework/ResBuf.h"
#include "framework/XData.h"
#include "layout/Fastrelle_Part_Reader.h"

namespace {

const wchar_t* const kApplication = L"Fastrelle_Layout_Content";
const wchar_t* const kSeparator = L";";

/// The text of a content item: strings as they are, 1040 reals "%0.6f", 1070 and 1071
/// integers "%i"; false for any other code.
bool ItemText(const resbuf* rb, CString& text) {
  switch (rb->restype) {
    case 1000: text = rb->resval.rstring ? rb->resval.rstring : L""; return true;
    case 1040: text.Format(L"%0.6f", rb->resval.rreal); return true;
    case 1070: text.Format(L"%i", static_cast<int>(rb->resval.rint)); return true;
    case 1071: text.Format(L"%i", static_cast<int>(rb->resval.rlong)); return true;
    default: return false;
  }
}

/// Model readers by path, letter case aside, for one Load.
struct NoCaseLess {
  bool operator()(const CString& a, const CString& b) const { return a.CompareNoCase(b) < 0; }
};

}  // namespace

bool Layout_saver_XData::Save() {
  m_lines.RemoveAll();
  for (const LayoutItem& item : m_items) m_lines.Add(item.ToText(kSeparator));
  if (!m_target.isValid()) return false;

  ResBuf added;
  for (const CString& line : m_lines) added.Add(1000, line);
  XDataReader content;
  if (GetXData(content, m_target, kApplication) != Zcad::eOk) {
    zcdbRegApp(kApplication);
    ResBuf head;
    head.Add(1001, kApplication);
    content.Reset(zcutDuplicateRb(head.Head()));
  }
  resbuf* tail = content.Head();
  while (tail->rbnext) tail = tail->rbnext;
  tail->rbnext = zcutDuplicateRb(added.Head());
  return Write(content.Head()) == Zcad::eOk;
}

void Layout_saver_XData::Load() {
  if (!m_target.isValid()) return;
  XDataReader content;
  if (GetXData(content, m_target, kApplication) != Zcad::eOk) return;
  std::map<CString, std::unique_ptr<Fastrelle_Part_Reader>, NoCaseLess> readers;
  for (const resbuf* rb = content.Head()->rbnext; rb; rb = rb->rbnext) {
    CString text;
    if (!ItemText(rb, text)) continue;
    LayoutItem item = LayoutItem::FromText(text, kSeparator);
    std::unique_ptr<Fastrelle_Part_Reader>& reader = readers[item.m_modelPath];
    const bool first = !reader;
    if (first) reader = std::make_unique<Fastrelle_Part_Reader>(item.m_modelPath);
    if (item.ReadPart(*reader) != 0 && first) {
      ZWPrinter().Print(L"\nNie można odczytać rysunku modelu " + item.m_modelPath +
                        (reader->Error().IsEmpty() ? CString() : L": " + reader->Error()));
      PrintErrorStatus(reader->Status());
    }
    AddItem(item);
  }
}

int Layout_saver_XData::RemoveItems(const Layout& layout) {
  for (unsigned i = 0; i < layout.GetItemCount(); ++i) RemoveItem(layout.GetItem(i));
  if (!m_target.isValid()) return Zcad::eNullIterator;
  // The remaining content is written in one go: a refused write leaves the old one whole.
  m_lines.RemoveAll();
  zcdbRegApp(kApplication);
  ResBuf content;
  content.Add(1001, kApplication);
  for (const LayoutItem& item : m_items) {
    m_lines.Add(item.ToText(kSeparator));
    content.Add(1000, m_lines[m_lines.GetUpperBound()]);
  }
  return Write(content.Head());
}

void Layout_saver_XData::RemoveItem(const LayoutItem& item) {
  std::vector<LayoutItem> kept;
  for (const LayoutItem& held : m_items)
    if (!held.SamePart(item)) kept.push_back(held);
  m_items.swap(kept);
}

int Layout_saver_XData::Write(const resbuf* list) {
  ZcDbObject* target = nullptr;
  int es = zcdbOpenObject(target, m_target, ZcDb::kForWrite);
  if (es == Zcad::eOk) {
    es = target->setXData(list);
    target->close();
  }
  if (es != Zcad::eOk) {
    ZWPrinter().Print(L"\nLayout_saver_XData::Save");
    PrintErrorStatus(es);
  }
  return es;
}
