// Single-line text and its two attribute forms: the attribute definition of a block and
// the attribute of a block reference (either may hold a multi-line text instead).
#ifndef PLATFORM_DB_ZCDBTEXT_H
#define PLATFORM_DB_ZCDBTEXT_H

#include <memory>
#include <string>

#include "db/ZcDbEntity.h"
#include "db/ZcDbMText.h"

namespace ZcDb {
enum TextHorzMode { kTextLeft = 0, kTextCenter = 1, kTextRight = 2, kTextAlign = 3, kTextMid = 4, kTextFit = 5 };
enum TextVertMode { kTextBase = 0, kTextBottom = 1, kTextVertMid = 2, kTextTop = 3 };
}  // namespace ZcDb

/// A line of text. The database measures text with a fixed font model, the same for every
/// style: a character is 0.6 x height wide (times the width factor), a line is one height
/// tall above its base line. Left-aligned text starts at the position; other alignments
/// place that box about the alignment point.
class ZcDbText : public ZcDbEntity {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbText)
  static constexpr double kCharWidthRatio = 0.6;

  ZcDbText() = default;
  ZcDbText(const ZcGePoint3d& position, const wchar_t* text, ZcDbObjectId style = ZcDbObjectId(),
           double height = 0.0, double rotation = 0.0);

  ZcGePoint3d position() const { return position_; }
  Zcad::ErrorStatus setPosition(const ZcGePoint3d& p);
  ZcGePoint3d alignmentPoint() const { return alignment_; }
  Zcad::ErrorStatus setAlignmentPoint(const ZcGePoint3d& p);
  std::wstring textString() const { return text_; }
  Zcad::ErrorStatus setTextString(const wchar_t* text);
  double height() const { return height_; }
  Zcad::ErrorStatus setHeight(double h);
  double rotation() const { return rotation_; }
  Zcad::ErrorStatus setRotation(double angle);
  double widthFactor() const { return widthFactor_; }
  Zcad::ErrorStatus setWidthFactor(double f);
  ZcDb::TextHorzMode horizontalMode() const { return hmode_; }
  Zcad::ErrorStatus setHorizontalMode(ZcDb::TextHorzMode m);
  ZcDb::TextVertMode verticalMode() const { return vmode_; }
  Zcad::ErrorStatus setVerticalMode(ZcDb::TextVertMode m);
  ZcDbObjectId textStyle() const { return textStyle_; }
  Zcad::ErrorStatus setTextStyle(ZcDbObjectId style);
  ZcGeVector3d normal() const { return normal_; }

  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "TEXT"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;
  void translateIds(ZcDbIdTranslator& translator) override;

protected:
  void subSetDatabaseDefaults(ZcDbDatabase* db) override;
  void copyTextTo(ZcDbText* other) const;
  /// TEXT writes 73 in its own segment; attributes write 74 in theirs.
  void dxfOutTextFields(ZcDbDxfFiler* filer, bool withVerticalMode) const;

  ZcGePoint3d position_, alignment_;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  std::wstring text_;
  double height_ = 2.5, rotation_ = 0.0, widthFactor_ = 1.0, oblique_ = 0.0;
  ZcDb::TextHorzMode hmode_ = ZcDb::kTextLeft;
  ZcDb::TextVertMode vmode_ = ZcDb::kTextBase;
  ZcDbObjectId textStyle_;
};

/// What attribute definitions and attributes share: the tag, the flags (invisible 1,
/// constant 2, verify 4, preset 8) and an optional multi-line form.
class ZcDbAttributeBase {
public:
  virtual ~ZcDbAttributeBase() = default;
  std::wstring tag() const { return tag_; }
  bool isInvisible() const { return flags_ & 1; }
  bool isConstant() const { return flags_ & 2; }
  bool isMTextAttribute() const { return mtext_ != nullptr; }
  /// A copy of the multi-line text (the caller deletes it); null when single-line.
  ZcDbMText* getMTextAttribute() const;

protected:
  std::wstring tag_;
  int flags_ = 0;
  std::unique_ptr<ZcDbMText> mtext_;
};

/// An attribute definition in a block: a tag, a prompt and a default text.
class ZcDbAttributeDefinition : public ZcDbText, public ZcDbAttributeBase {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbAttributeDefinition)
  ZcDbAttributeDefinition() = default;
  ZcDbAttributeDefinition(const ZcGePoint3d& position, const wchar_t* defaultText,
                          const wchar_t* tag, const wchar_t* prompt = L"",
                          ZcDbObjectId style = ZcDbObjectId());

  Zcad::ErrorStatus setTag(const wchar_t* tag);
  std::wstring prompt() const { return prompt_; }
  Zcad::ErrorStatus setPrompt(const wchar_t* prompt);
  Zcad::ErrorStatus setInvisible(bool on);
  Zcad::ErrorStatus setConstant(bool on);
  bool isMTextAttributeDefinition() const { return isMTextAttribute(); }
  ZcDbMText* getMTextAttributeDefinition() const { return getMTextAttribute(); }
  /// Makes the definition multi-line with a copy of `mtext` (null: single-line again).
  Zcad::ErrorStatus setMTextAttributeDefinition(const ZcDbMText* mtext);

  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "ATTDEF"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  std::wstring prompt_;
};

/// An attribute of a block reference: a tag and a text.
class ZcDbAttribute : public ZcDbText, public ZcDbAttributeBase {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbAttribute)
  ZcDbAttribute() = default;

  Zcad::ErrorStatus setTag(const wchar_t* tag);
  Zcad::ErrorStatus setInvisible(bool on);
  Zcad::ErrorStatus setConstant(bool on);
  /// Makes the attribute multi-line with a copy of `mtext` (null: single-line again).
  Zcad::ErrorStatus setMTextAttribute(const ZcDbMText* mtext);
  /// The text: the multi-line contents for a multi-line attribute.
  std::wstring textString() const;

  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "ATTRIB"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;
};

#endif
