// Multi-line text: contents with paragraph breaks ("\P"), a location, a height, a width
// and an attachment point. Labels, descriptions and notes are these.
#ifndef PLATFORM_DB_ZCDBMTEXT_H
#define PLATFORM_DB_ZCDBMTEXT_H

#include <string>

#include "db/ZcDbEntity.h"

/// Extents follow the database's fixed font model (see ZcDbText): each line is
/// characters x height x 0.6 wide; lines are spaced by 5/3 of the height.
class ZcDbMText : public ZcDbEntity {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbMText)
  /// Attachment points 1..9: top, middle, bottom rows of left, centre, right.
  enum AttachmentPoint {
    kTopLeft = 1, kTopCenter, kTopRight, kMiddleLeft, kMiddleCenter, kMiddleRight,
    kBottomLeft, kBottomCenter, kBottomRight
  };
  ZcDbMText() = default;

  ZcGePoint3d location() const { return location_; }
  Zcad::ErrorStatus setLocation(const ZcGePoint3d& p);
  std::wstring contents() const { return contents_; }
  Zcad::ErrorStatus setContents(const wchar_t* text);
  /// The contents without format codes, paragraph breaks as "\n".
  std::wstring text() const;
  double textHeight() const { return height_; }
  /// eInvalidInput for a height that is not > 0.
  Zcad::ErrorStatus setTextHeight(double h);
  double width() const { return width_; }
  Zcad::ErrorStatus setWidth(double w);
  /// 1..9 as above, or 10..24 (the host's numbers for the text alignments of attributes),
  /// kept as given; extents and files use the nearest of the nine points. eInvalidInput
  /// outside 1..24.
  Zcad::ErrorStatus setAttachment(int attachment);
  int attachment() const { return attachment_; }
  double rotation() const;
  Zcad::ErrorStatus setRotation(double angle);
  ZcGeVector3d direction() const { return direction_; }
  ZcGeVector3d normal() const { return normal_; }
  ZcDbObjectId textStyle() const { return textStyle_; }
  Zcad::ErrorStatus setTextStyle(ZcDbObjectId style);

  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "MTEXT"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;
  void translateIds(ZcDbIdTranslator& translator) override;
  /// The MText groups alone (also used for the embedded text of multi-line attributes).
  void dxfOutMTextGroups(ZcDbDxfFiler* filer) const;
  void dxfInMTextGroup(ZcDbDxfFiler* filer, const struct ZcDbDxfPair& pair);

protected:
  void subSetDatabaseDefaults(ZcDbDatabase* db) override;

private:
  ZcGePoint3d location_;
  ZcGeVector3d direction_ = ZcGeVector3d::kXAxis;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  std::wstring contents_;
  double height_ = 2.5, width_ = 0.0, lineSpacing_ = 1.0;
  int attachment_ = kTopLeft;
  ZcDbObjectId textStyle_;
};

#endif
