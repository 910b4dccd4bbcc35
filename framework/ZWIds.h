// A list of object ids, the base of the selection reader (SSGet) and of callers that keep
// the ids of one selection for the length of an operation.
#ifndef FRAMEWORK_ZWIDS_H
#define FRAMEWORK_ZWIDS_H

#include "db/ZcDbObjectId.h"

/// The ids of one selection, in the order the host gave them.
class ZWIds {
public:
  ZWIds() : m_ids(0, 8) {}
  virtual ~ZWIds() = default;
  const ZcDbObjectIdArray& Ids() const { return m_ids; }
  int Length() const { return m_ids.length(); }

protected:
  ZcDbObjectIdArray m_ids;
};

#endif
