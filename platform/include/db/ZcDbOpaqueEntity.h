// Entities of kinds the database does not model (hatches, dimensions, solids, 3D faces,
// rays, construction lines, multilines, ... written by other programs): kept with their
// groups as read so that a drawing opened and saved loses nothing. The drawing-file reader
// makes them; selections, the SVG rendering and the file writer see them.
#ifndef PLATFORM_DB_ZCDBOPAQUEENTITY_H
#define PLATFORM_DB_ZCDBOPAQUEENTITY_H

#include "db/ZcDbEntity.h"
#include "db/ZcDbOpaqueRecord.h"

/// An entity of a kind the database keeps without modelling it. Its common properties
/// (layer, colour, linetype, ...), handle, owner, reactors and XData are the database's
/// like any entity's; its own groups are kept in file order and written back as read. It
/// cannot be transformed.
class ZcDbOpaqueEntity : public ZcDbEntity, public ZcDbOpaqueRecord {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbOpaqueEntity)
  /// An entity of the DXF record type `dxfName` ("HATCH"), without groups until read.
  explicit ZcDbOpaqueEntity(std::string dxfName = "");
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return type_.c_str(); }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;
  void translateIds(ZcDbIdTranslator& translator) override;

  /// The plain points it carries (its 10-13 point groups that are positions in world
  /// coordinates); none for infinite lines.
  std::vector<ZcGePoint3d> points() const;
  /// The box of its plain points; eInvalidExtents when it has none.
  Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;

  // A kept POLYLINE (a mesh or a face set) owns the VERTEX records that follow it, a kept
  // INSERT (an array of a block) its ATTRIB records.
  /// Reads one VERTEX record following this POLYLINE, or one ATTRIB following this INSERT.
  Zcad::ErrorStatus dxfInVertex(ZcDbDxfFiler* filer);
  /// Writes the records that follow this one in a file - a POLYLINE's VERTEX records and its
  /// SEQEND, an INSERT's ATTRIB records and SEQEND, each with a handle from `nextHandle` - or
  /// nothing.
  void dxfOutFollowers(ZcDbDxfFiler* filer, std::uint64_t& nextHandle) const;
  /// How many records dxfOutFollowers writes.
  unsigned numFollowers() const;
};

#endif
