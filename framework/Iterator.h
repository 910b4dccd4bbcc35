// Index iterators over id arrays: the plain index walk and the id walk with its current
// id. Grade points, parts and layout items are walked with these.
#ifndef FRAMEWORK_ITERATOR_H
#define FRAMEWORK_ITERATOR_H

#include "db/ZcDbObjectId.h"

/// An index.
class Iterator {
public:
  virtual ~Iterator() = default;
  virtual bool IsDone() = 0;
  virtual void Reset() { m_index = 0; }
  virtual void Next() { ++m_index; }
  int Index() const { return m_index; }

protected:
  int m_index = 0;
};

/// An index over owned ids, with a current id. Every step that lands outside the ids
/// (past the end, or before the start) gives the null id.
class ZW_Iterator : public Iterator {
public:
  /// Index + 1; the current id becomes the id there, or null outside the ids.
  void Next() override;
  /// Appends `ids` to the iterator's ids.
  virtual void SetIds(ZcDbObjectIdArray ids);
  /// Index + 1; the id there, or null outside (the current id is not changed).
  virtual ZcDbObjectId NextId();
  /// True while index + 1 < the number of ids.
  virtual bool HasNext();
  /// With ids: index = last, current = the last id.
  virtual void Last();
  /// Index 0; with ids the current id is the first.
  virtual void First();
  /// Index - 1; below 0 the null id (current unchanged); else current = the id there.
  virtual ZcDbObjectId Previous();
  virtual ZcDbObjectId CurrentId() { return m_current; }
  const ZcDbObjectIdArray& Ids() const { return m_ids; }

protected:
  /// The id at `index`, or null outside the ids.
  ZcDbObjectId At(int index) const;
  ZcDbObjectIdArray m_ids;
  ZcDbObjectId m_current;
};

#endif
