// Xrecords: dictionary entries that hold a list of typed values (and XData like any object).
// Part records of the system are Xrecords in its named dictionary.
#ifndef PLATFORM_DB_ZCDBXRECORD_H
#define PLATFORM_DB_ZCDBXRECORD_H

#include "db/ZcDbObject.h"

class ZcDbXrecord : public ZcDbObject {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbXrecord)
  ZcDbXrecord();
  ~ZcDbXrecord() override;
  /// A new copy of the data list (the caller frees it); null for an empty record.
  Zcad::ErrorStatus rbChain(resbuf*& list) const;
  /// Replaces the data with a copy of `list` (null empties it). eInvalidInput for an item
  /// of the XData range (1000 and up), a code the record cannot hold (negative, 0) or a
  /// number that is not finite.
  Zcad::ErrorStatus setFromRbChain(const resbuf* list);

  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "XRECORD"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  resbuf* data_ = nullptr;
};

#endif
