// Counts of items by name, for the layout calculations (how many of each piece).
#ifndef FRAMEWORK_ITEMSCOUNTER_H
#define FRAMEWORK_ITEMSCOUNTER_H

#include <map>

#include "mfc/CString.h"

class ItemsCounter {
public:
  virtual ~ItemsCounter() = default;
  void Add(const CString& name, int count = 1) { m_counts[name] += count; }
  /// The smallest count; 0 for an empty counter.  {"x": 3, "y": 1} => 1
  virtual int GetMinCount() const;
  const std::map<CString, int>& Counts() const { return m_counts; }

private:
  std::map<CString, int> m_counts;
};

#endif
