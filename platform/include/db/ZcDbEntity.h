// The base of every drawable object: the common properties (layer, colour, linetype and
// its scale, line weight, visibility), transforms, extents, intersections and
// highlighting. Block table records own entities; wrappers and the drawing files use them.
#ifndef PLATFORM_DB_ZCDBENTITY_H
#define PLATFORM_DB_ZCDBENTITY_H

#include "db/ZcCmColor.h"
#include "db/ZcDbExtents.h"
#include "db/ZcDbObject.h"
#include "ge/ZcGeMatrix3d.h"

namespace ZcDb {
enum Visibility { kVisible = 0, kInvisible = 1 };
/// Line weights in hundredths of a millimetre, plus the inherited values.
enum LineWeight {
  kLnWtByLwDefault = -3, kLnWtByBlock = -2, kLnWtByLayer = -1,
  kLnWt000 = 0, kLnWt005 = 5, kLnWt009 = 9, kLnWt013 = 13, kLnWt015 = 15, kLnWt018 = 18,
  kLnWt020 = 20, kLnWt025 = 25, kLnWt030 = 30, kLnWt035 = 35, kLnWt040 = 40, kLnWt050 = 50,
  kLnWt053 = 53, kLnWt060 = 60, kLnWt070 = 70, kLnWt080 = 80, kLnWt090 = 90, kLnWt100 = 100,
  kLnWt106 = 106, kLnWt120 = 120, kLnWt140 = 140, kLnWt158 = 158, kLnWt200 = 200, kLnWt211 = 211
};
/// True for the values above.
bool isValidLineWeight(long long value);
/// How intersectWith extends its operands.
enum Intersect { kOnBothOperands = 0, kExtendThis = 1, kExtendArg = 2, kExtendBoth = 3 };
}  // namespace ZcDb

class ZcDbFullSubentPath;

/// An entity. Property setters take a "with sub-entities" flag that block references pass
/// on to their attributes; each returns eWasNotOpenForWrite when the entity may not be
/// changed. A new entity lies on layer "0" with colour ByLayer, linetype ByLayer, scale 1
/// and line weight ByLayer until it gets database defaults or explicit values.
class ZcDbEntity : public ZcDbObject {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbEntity)
  ZcDbEntity();

  ZcDbObjectId blockId() const { return ownerId(); }

  // --- Properties ----------------------------------------------------------------------
  ZcCmColor color() const { return color_; }
  std::uint16_t colorIndex() const { return color_.colorIndex(); }
  virtual Zcad::ErrorStatus setColor(const ZcCmColor& color, bool doSubents = true);
  virtual Zcad::ErrorStatus setColorIndex(std::uint16_t index, bool doSubents = true);
  /// The layer's name ("0" when the layer is unknown).
  std::wstring layer() const;
  ZcDbObjectId layerId() const;
  /// eKeyNotFound when the entity's database (the working one for a new entity) has no
  /// layer of that name.
  virtual Zcad::ErrorStatus setLayer(const wchar_t* name, bool doSubents = true);
  /// eNotThatKindOfClass when `id` is no layer.
  virtual Zcad::ErrorStatus setLayer(ZcDbObjectId layerId, bool doSubents = true);
  std::wstring linetype() const;
  ZcDbObjectId linetypeId() const;
  virtual Zcad::ErrorStatus setLinetype(const wchar_t* name, bool doSubents = true);
  /// eNotThatKindOfClass when `id` is no linetype.
  virtual Zcad::ErrorStatus setLinetype(ZcDbObjectId linetypeId, bool doSubents = true);
  double linetypeScale() const { return linetypeScale_; }
  virtual Zcad::ErrorStatus setLinetypeScale(double scale, bool doSubents = true);
  ZcDb::LineWeight lineWeight() const { return lineWeight_; }
  virtual Zcad::ErrorStatus setLineWeight(ZcDb::LineWeight weight, bool doSubents = true);
  ZcDb::Visibility visibility() const { return visibility_; }
  virtual Zcad::ErrorStatus setVisibility(ZcDb::Visibility v, bool doSubents = true);
  /// Layer, colour, linetype, linetype scale, line weight and visibility of `other`.
  Zcad::ErrorStatus setPropertiesFrom(const ZcDbEntity* other, bool doSubents = true);
  /// The current layer, colour, linetype, linetype scale and line weight of `db` (the
  /// entity's own database, else the working one); text entities also take the current
  /// text style and size.
  Zcad::ErrorStatus setDatabaseDefaults(ZcDbDatabase* db = nullptr);

  // --- Geometry --------------------------------------------------------------------------
  /// Applies the transform. Entities that cannot take a non-uniform scale return
  /// eCannotScaleNonUniformly and stay as they were.
  virtual Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m);
  /// The box of the entity's geometry; eInvalidExtents when it has none.
  virtual Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const;
  /// Appends the points where this entity meets `other`, extended as `type` says (lines
  /// become infinite, arcs full circles, an open polyline's end segments extend).
  virtual Zcad::ErrorStatus intersectWith(const ZcDbEntity* other, ZcDb::Intersect type,
                                          ZcGePoint3dArray& points) const;
  /// Shown highlighted (the headless host records a flag).
  Zcad::ErrorStatus highlight(const ZcDbFullSubentPath* path = nullptr, bool highlightAll = false);
  Zcad::ErrorStatus unhighlight(const ZcDbFullSubentPath* path = nullptr, bool highlightAll = false);
  bool isHighlighted() const { return highlighted_; }

  ZcDbObject* cloneObject() const override;
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;
  void translateIds(ZcDbIdTranslator& translator) override;

protected:
  /// Copies the common properties into `other` (used by subclasses' clones).
  void copyEntityTo(ZcDbEntity* other) const;
  /// Text entities take the current text style and size here.
  virtual void subSetDatabaseDefaults(ZcDbDatabase* db) {}

private:
  ZcCmColor color_;
  ZcDbObjectId layerId_, linetypeId_;
  double linetypeScale_ = 1.0;
  ZcDb::LineWeight lineWeight_ = ZcDb::kLnWtByLayer;
  ZcDb::Visibility visibility_ = ZcDb::kVisible;
  bool highlighted_ = false;
  // Properties other programs give an entity, kept as read: 430 colour name, 440
  // transparency, 284 shadow mode (negative: none given), 347 material, 390 plot style.
  std::wstring colorName_;
  long long transparency_ = -1, shadowMode_ = -1;
  ZcDbObjectId material_, plotStyle_;
};

/// Opens an entity: as zcdbOpenObject, and eNotThatKindOfClass (nothing left open) when
/// the object is no entity.
Zcad::ErrorStatus zcdbOpenZcDbEntity(ZcDbEntity*& ent, ZcDbObjectId id, ZcDb::OpenMode mode,
                                     bool openErased = false);

#endif
