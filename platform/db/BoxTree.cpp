// Packing of the box tree: sort-tile-recursive, sixteen entries to a node.
#include "db/BoxTree.h"

#include <algorithm>
#include <cmath>

namespace zcdb {

namespace {

constexpr std::size_t kFanout = 16;

BoxTree::Box Union(const BoxTree::Box& a, const BoxTree::Box& b) {
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

// Orders entries so that each run of kFanout makes a compact node: vertical slabs by the
// centres' x, each slab by the centres' y.
template <class T, class BoxOf>
void TileSort(std::vector<T>& v, BoxOf boxOf) {
  auto cx = [&](const T& t) { return boxOf(t).x0 + boxOf(t).x1; };
  auto cy = [&](const T& t) { return boxOf(t).y0 + boxOf(t).y1; };
  std::size_t nodes = (v.size() + kFanout - 1) / kFanout;
  std::size_t slabs = static_cast<std::size_t>(std::ceil(std::sqrt(static_cast<double>(nodes))));
  std::size_t slab = std::max<std::size_t>(1, slabs) * kFanout;
  std::sort(v.begin(), v.end(), [&](const T& a, const T& b) { return cx(a) < cx(b); });
  for (std::size_t s = 0; s < v.size(); s += slab) {
    auto end = v.begin() + static_cast<std::ptrdiff_t>(std::min(v.size(), s + slab));
    std::sort(v.begin() + static_cast<std::ptrdiff_t>(s), end, [&](const T& a, const T& b) { return cy(a) < cy(b); });
  }
}

}  // namespace

void BoxTree::Build(std::vector<Item> items) {
  items_ = std::move(items);
  levels_.clear();
  if (items_.empty()) return;
  TileSort(items_, [](const Item& i) -> const Box& { return i.box; });
  // The parents of `children`, kFanout to a node, each with the union of its children's boxes.
  auto group = [](auto& children, auto boxOf) {
    std::vector<Node> parents;
    for (std::size_t i = 0; i < children.size(); i += kFanout) {
      std::size_t n = std::min(kFanout, children.size() - i);
      Box box = boxOf(children[i]);
      for (std::size_t k = 1; k < n; ++k) box = Union(box, boxOf(children[i + k]));
      parents.push_back({box, static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(n)});
    }
    return parents;
  };
  levels_.push_back(group(items_, [](const Item& i) -> const Box& { return i.box; }));
  while (levels_.back().size() > kFanout) {
    std::vector<Node>& below = levels_.back();
    TileSort(below, [](const Node& n) -> const Box& { return n.box; });
    std::vector<Node> parents = group(below, [](const Node& n) -> const Box& { return n.box; });
    levels_.push_back(std::move(parents));
  }
}

}  // namespace zcdb
