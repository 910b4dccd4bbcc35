// A packed R-tree of axis-aligned boxes in the plane, each carrying a number: built at once
// from a list (sort-tile-recursive packing), then searched for the boxes that meet a
// window. The spatial index of the database keeps its entities' boxes in one. Private to
// platform/db.
#ifndef PLATFORM_DB_BOXTREE_H
#define PLATFORM_DB_BOXTREE_H

#include <cstdint>
#include <vector>

namespace zcdb {

class BoxTree {
public:
  struct Box {
    double x0, y0, x1, y1;
    bool Meets(const Box& o) const { return x0 <= o.x1 && o.x0 <= x1 && y0 <= o.y1 && o.y0 <= y1; }
  };
  struct Item {
    Box box;
    std::uint32_t value;
  };

  /// Replaces the tree's content with `items`.
  void Build(std::vector<Item> items);
  /// Calls `visit(value)` for each item whose box meets `window` (edges included).
  template <class Visit>
  void Search(const Box& window, Visit&& visit) const {
    if (!levels_.empty()) Descend(levels_.size() - 1, 0, levels_.back().size(), window, visit);
  }
  std::size_t size() const { return items_.size(); }

private:
  struct Node {
    Box box;
    std::uint32_t first, count;  // children: nodes of the level below, or items for a leaf
  };

  template <class Visit>
  void Descend(std::size_t level, std::uint32_t first, std::size_t count, const Box& window, Visit& visit) const {
    const std::vector<Node>& nodes = levels_[level];
    for (std::size_t i = first; i < first + count; ++i) {
      const Node& n = nodes[i];
      if (!n.box.Meets(window)) continue;
      if (level > 0) {
        Descend(level - 1, n.first, n.count, window, visit);
        continue;
      }
      for (std::uint32_t k = n.first; k < n.first + n.count; ++k)
        if (items_[k].box.Meets(window)) visit(items_[k].value);
    }
  }

  std::vector<Item> items_;               // in leaf order
  std::vector<std::vector<Node>> levels_;  // levels_[0] the leaves; the last holds the root(s)
};

}  // namespace zcdb

#endif
