// Counts by name.
#include "framework/ItemsCounter.h"

int ItemsCounter::GetMinCount() const {
  bool first = true;
  int least = 0;
  for (const auto& [name, count] : m_counts) {
    if (first || count < least) least = count;
    first = false;
  }
  return least;
}
