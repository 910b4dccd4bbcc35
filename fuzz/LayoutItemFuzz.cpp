// Fuzz target of the layout item text: any text (UTF-16 code units from the bytes) read as
// an item never fails and gives a finite rotation and a line choice of 0, 1 or 2; the item
// written and read back is the same item (rotation to two decimals), separators in its
// model path included.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "layout/LayoutItem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    wchar_t c = static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    text.push_back(c == 0 ? L' ' : c);  // a text item ends at its first NUL
  }
  const CString separator(L";");
  LayoutItem item = LayoutItem::FromText(CString(text), separator);
  if (!std::isfinite(item.m_rotation)) std::abort();
  if (item.m_lines < 0 || item.m_lines > 2) std::abort();

  LayoutItem back = LayoutItem::FromText(item.ToText(separator), separator);
  if (back.m_modelPath != item.m_modelPath || back.m_part.GetName() != item.m_part.GetName() ||
      back.m_size != item.m_size || back.m_quantity != item.m_quantity || back.m_lines != item.m_lines)
    std::abort();
  if (std::fabs(back.m_rotation - item.m_rotation) > 0.005 + 1e-12 * std::fabs(item.m_rotation)) std::abort();
  return 0;
}
