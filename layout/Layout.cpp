// The layout and the module-wide current layout.
#include "layout/Layout.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>

#include "db/ZcDbEntity.h"
#include "db/ZcDbExtents.h"
#include "layout/LayoutDrawing.h"

namespace {
// Lives from its first use to the module's unload (FreeCurrent).
Layout* g_current = nullptr;
}  // namespace

Layout::Layout() : Layout(Current()) {}

double Layout::GetArea() const { return m_length * m_width; }

void Layout::AddItem(const LayoutItem& item) {
  for (LayoutItem& held : m_items)
    if (held.SamePiece(item)) {
      // Quantities read from a drawing may be anything: the sum stays within an int.
      long long sum = static_cast<long long>(held.m_quantity) + item.m_quantity;
      held.m_quantity = static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
      return;
    }
  m_items.push_back(item);
}

unsigned Layout::GetItemCount() const { return static_cast<unsigned>(m_items.size()); }

LayoutItem Layout::GetItem(unsigned index) const {
  if (index >= m_items.size()) throw std::out_of_range("invalid vector<T> subscript");
  return m_items[index];
}

int Layout::MeasureBorder(ZcDbExtents* border) {
  constexpr int kNoBorder = 16;
  ZcDbEntity* entity = nullptr;
  if (zcdbOpenObject(entity, FindTaggedPolyline(kLayoutTag), ZcDb::kForRead) != Zcad::eOk) return kNoBorder;
  ZcDbExtents box;
  Zcad::ErrorStatus es = entity->getGeomExtents(box);
  entity->close();
  if (es != Zcad::eOk) return kNoBorder;
  m_width = std::fabs(box.maxPoint().y - box.minPoint().y);
  m_length = std::fabs(box.maxPoint().x - box.minPoint().x);
  if (border) *border = box;
  return 0;
}

void Layout::SetCurrent() const {
  Layout& current = Current();
  if (&current == this) return;
  current.m_width = m_width;
  current.m_length = m_length;
  current.m_items.clear();
  for (const LayoutItem& item : m_items) current.AddItem(item);
}

Layout& Layout::Current() {
  if (!g_current) g_current = new Layout(0.0, 0.0);
  return *g_current;
}

void Layout::FreeCurrent() {
  delete g_current;
  g_current = nullptr;
}
