// Objects of the OBJECTS section of kinds the database does not model (layouts, styles of
// multilines, placeholders, ... written by other programs): kept with their groups as read
// so that a drawing opened and saved loses nothing. The drawing-file reader makes them.
#ifndef PLATFORM_DB_ZCDBOPAQUEOBJECT_H
#define PLATFORM_DB_ZCDBOPAQUEOBJECT_H

#include "db/ZcDbObject.h"
#include "db/ZcDbOpaqueRecord.h"

/// An object of a kind the database keeps without modelling it: handle, owner, reactors,
/// extension dictionary and XData are the database's; its own groups are kept in file order
/// and written back as read.
class ZcDbOpaqueObject : public ZcDbObject, public ZcDbOpaqueRecord {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbOpaqueObject)
  /// An object of the DXF record type `dxfName` ("LAYOUT"), without groups until read.
  explicit ZcDbOpaqueObject(std::string dxfName = "");

  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return type_.c_str(); }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;
  void translateIds(ZcDbIdTranslator& translator) override;
};

#endif
