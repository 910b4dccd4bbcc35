// Block references (inserts): a block definition placed with a position, scale and
// rotation, owning its attributes. Grade points, symbols, descriptions and layout pieces
// are these.
#ifndef PLATFORM_DB_ZCDBBLOCKREFERENCE_H
#define PLATFORM_DB_ZCDBBLOCKREFERENCE_H

#include <functional>
#include <memory>
#include <vector>

#include "db/ZcDbEntity.h"

class ZcDbAttribute;
namespace zcdb {
struct PlacedContents;
struct BlockPose;
}

/// Scale factors along X, Y and Z.
class ZcGeScale3d {
public:
  ZcGeScale3d() = default;
  explicit ZcGeScale3d(double s) : sx(s), sy(s), sz(s) {}
  ZcGeScale3d(double x, double y, double z) : sx(x), sy(y), sz(z) {}
  bool operator==(const ZcGeScale3d& o) const { return sx == o.sx && sy == o.sy && sz == o.sz; }
  double sx = 1.0, sy = 1.0, sz = 1.0;
};

class ZcDbObjectIterator;

/// A reference to a block table record. Its attributes are objects it owns, in the order
/// they were appended; a new (not yet resident) reference keeps appended attributes with
/// it and they become resident with it. Transforms, property changes with sub-entities,
/// erasure and copies carry the attributes along.
class ZcDbBlockReference : public ZcDbEntity {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbBlockReference)
  ZcDbBlockReference();
  ZcDbBlockReference(const ZcGePoint3d& position, ZcDbObjectId blockTableRecord);
  ~ZcDbBlockReference() override;

  ZcDbObjectId blockTableRecord() const { return block_; }
  /// eNotThatKindOfClass when `id` is no block table record.
  Zcad::ErrorStatus setBlockTableRecord(ZcDbObjectId id);
  ZcGePoint3d position() const { return position_; }
  Zcad::ErrorStatus setPosition(const ZcGePoint3d& p);
  ZcGeScale3d scaleFactors() const { return scale_; }
  /// eInvalidInput for a zero factor.
  Zcad::ErrorStatus setScaleFactors(const ZcGeScale3d& s);
  double rotation() const { return rotation_; }
  Zcad::ErrorStatus setRotation(double angle);
  ZcGeVector3d normal() const { return normal_; }
  /// translate(position) x rotate(rotation about the normal) x scale x translate(-origin of
  /// the block).
  ZcGeMatrix3d blockTransform() const;

  /// Appends an attribute (new, or made resident here); the reference owns it. For a
  /// resident reference the attribute is left open for write for the caller to close.
  Zcad::ErrorStatus appendAttribute(ZcDbAttribute* attribute);
  Zcad::ErrorStatus appendAttribute(ZcDbObjectId& id, ZcDbAttribute* attribute);
  /// The attributes' ids in order (erased ones left out); empty for a new reference.
  ZcDbObjectIdArray attributeIds() const;
  /// An iterator over the attributes (the caller deletes it).
  ZcDbObjectIterator* attributeIterator() const;

  Zcad::ErrorStatus setColor(const ZcCmColor& color, bool doSubents = true) override;
  Zcad::ErrorStatus setColorIndex(std::uint16_t index, bool doSubents = true) override;
  Zcad::ErrorStatus setLayer(const wchar_t* name, bool doSubents = true) override;
  Zcad::ErrorStatus setLayer(ZcDbObjectId layerId, bool doSubents = true) override;
  Zcad::ErrorStatus setLinetype(ZcDbObjectId linetypeId, bool doSubents = true) override;
  Zcad::ErrorStatus setLinetypeScale(double scale, bool doSubents = true) override;
  Zcad::ErrorStatus setLineWeight(ZcDb::LineWeight weight, bool doSubents = true) override;
  Zcad::ErrorStatus setVisibility(ZcDb::Visibility v, bool doSubents = true) override;

  /// Moves, turns and scales the reference and its attributes.
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  /// The block's entities under the block transform, and the visible attributes.
  Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
  /// Intersects the block's entities (recursively) under the block transform.
  Zcad::ErrorStatus intersectWith(const ZcDbEntity* other, ZcDb::Intersect type,
                                  ZcGePoint3dArray& points) const override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "INSERT"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;
  void translateIds(ZcDbIdTranslator& translator) override;
  void onAddedToDatabase() override;
  /// Reading a file: an ATTRIB record that follows the reference.
  void adoptAttributeId(ZcDbObjectId id);

  /// The entities of the block transformed as this reference places them: new objects the
  /// caller deletes (nested references stay references). A nested reference to this block,
  /// or to a block whose contents are being walked, is left out: a cycle has no end.
  std::vector<std::unique_ptr<ZcDbEntity>> transformedContents() const;
  /// The block's entities as this reference places them, nested references opened down to
  /// their own contents, each with its box; kept while the reference and the block
  /// definitions stay unchanged, and moved along when the reference only moves.
  /// Intersections go through it.
  std::shared_ptr<const zcdb::PlacedContents> placedContents() const;

private:
  /// rotate(rotation about the normal) x scale x translate(-origin of the block): the
  /// placement without the position.
  ZcGeMatrix3d poseTransform() const;
  /// The block and the placement without the position, compared exactly.
  zcdb::BlockPose blockPose() const;
  std::vector<std::unique_ptr<ZcDbEntity>> contentsUnder(const ZcGeMatrix3d& m) const;
  /// The box of the block's contents under poseTransform (kept per block and pose).
  Zcad::ErrorStatus poseExtents(ZcDbExtents& extents) const;
  Zcad::ErrorStatus forEachAttribute(const std::function<Zcad::ErrorStatus(ZcDbEntity*)>& fn);

  ZcDbObjectId block_;
  ZcGePoint3d position_;
  ZcGeScale3d scale_;
  double rotation_ = 0.0;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  std::vector<ZcDbObjectId> attributes_;
  std::vector<std::unique_ptr<ZcDbAttribute>> pending_;
};

/// A one-way walk over a list of ids (a block reference's attributes).
class ZcDbObjectIterator {
public:
  explicit ZcDbObjectIterator(const ZcDbObjectIdArray& ids) : ids_(ids) {}
  void start() { index_ = 0; }
  bool done() const { return index_ >= ids_.length(); }
  void step() { ++index_; }
  ZcDbObjectId objectId() const { return ids_.at(index_); }
  /// The object of the current id, opened for read and left open for the caller to close;
  /// null when it does not open.
  ZcDbEntity* entity() const;

private:
  ZcDbObjectIdArray ids_;
  int index_ = 0;
};

#endif
