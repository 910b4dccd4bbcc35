// The host's growable arrays (of object ids, points, doubles): a thin, bounds-checked layer
// over std::vector with the host's names. Used by every database and wrapper caller.
#ifndef PLATFORM_DB_ZCARRAY_H
#define PLATFORM_DB_ZCARRAY_H

#include <algorithm>
#include <vector>

#include "ge/ZcGePoint3d.h"

/// An ordered array. Out-of-range indexes are ignored by the mutators (`removeAt`,
/// `setAt`); `at` on a bad index is a caller error, checked by an assert-free clamp to the
/// last element, never undefined behaviour on an empty array (it returns a default value).
template <class T>
class ZcArray {
public:
  ZcArray() = default;
  ZcArray(int reserve, int /*growBy*/ = 8) { items_.reserve(reserve > 0 ? reserve : 0); }

  int length() const { return static_cast<int>(items_.size()); }
  int logicalLength() const { return length(); }
  bool isEmpty() const { return items_.empty(); }
  ZcArray& setLogicalLength(int n) { items_.resize(n > 0 ? n : 0); return *this; }
  ZcArray& append(const T& value) { items_.push_back(value); return *this; }
  ZcArray& append(const ZcArray& other) {
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
    return *this;
  }
  ZcArray& insertAt(int index, const T& value) {
    if (index < 0 || index > length()) return *this;
    items_.insert(items_.begin() + index, value);
    return *this;
  }
  ZcArray& removeAt(int index) {
    if (index >= 0 && index < length()) items_.erase(items_.begin() + index);
    return *this;
  }
  ZcArray& removeLast() { if (!items_.empty()) items_.pop_back(); return *this; }
  ZcArray& removeAll() { items_.clear(); return *this; }
  /// Removes the first element equal to `value`; false when there is none.
  bool remove(const T& value) {
    auto it = std::find(items_.begin(), items_.end(), value);
    if (it == items_.end()) return false;
    items_.erase(it);
    return true;
  }
  ZcArray& setAt(int index, const T& value) {
    if (index >= 0 && index < length()) items_[index] = value;
    return *this;
  }
  T at(int index) const { return index >= 0 && index < length() ? items_[index] : T(); }
  T& at(int index) { return items_[index]; }
  T& operator[](int index) { return items_[index]; }
  const T& operator[](int index) const { return items_[index]; }
  T first() const { return at(0); }
  T last() const { return at(length() - 1); }
  bool contains(const T& value) const { return find(value) >= 0; }
  /// The index of the first element equal to `value`, or -1.
  int find(const T& value) const {
    auto it = std::find(items_.begin(), items_.end(), value);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
  }
  bool find(const T& value, int& index) const { index = find(value); return index >= 0; }
  T* asArrayPtr() { return items_.data(); }
  const T* asArrayPtr() const { return items_.data(); }
  typename std::vector<T>::const_iterator begin() const { return items_.begin(); }
  typename std::vector<T>::const_iterator end() const { return items_.end(); }
  typename std::vector<T>::iterator begin() { return items_.begin(); }
  typename std::vector<T>::iterator end() { return items_.end(); }
  bool operator==(const ZcArray& o) const { return items_ == o.items_; }

private:
  std::vector<T> items_;
};

using ZcGePoint3dArray = ZcArray<ZcGePoint3d>;
using ZcGeDoubleArray = ZcArray<double>;

#endif
