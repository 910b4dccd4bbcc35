// Multi-line text: contents, attachment, the font model's box, and its DXF record.
#include "db/ZcDbMText.h"

#include <algorithm>
#include <cmath>

#include "db/DbInternal.h"
#include "db/ZcDbDxfFiler.h"
#include "db/ZcDbText.h"

ZCRX_DEFINE_MEMBERS(ZcDbMText, ZcDbEntity)

Zcad::ErrorStatus ZcDbMText::setLocation(const ZcGePoint3d& p) {
  if (!zcdb::Finite(p)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  location_ = p;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbMText::setContents(const wchar_t* text) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  contents_ = text ? text : L"";
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbMText::setTextHeight(double h) {
  if (!zcdb::Finite(h)) return Zcad::eInvalidInput;
  if (!(h > 0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  height_ = h;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbMText::setWidth(double w) {
  if (!zcdb::Finite(w)) return Zcad::eInvalidInput;
  if (w < 0) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  width_ = w;
  return Zcad::eOk;
}

namespace {
// The nine attachment points of an attachment number. 1..9 are themselves; 10..24 are the
// text alignments of attributes (10-12 base line left/centre/right, 13-16 aligned on the
// base, bottom, middle, top rows, 17-20 fit, 21-24 middle), the base line counting as the
// bottom row.
int NinePoint(int a) {
  static const int kMap[15] = {7, 8, 9, 7, 7, 4, 1, 7, 7, 4, 1, 8, 8, 5, 2};
  return a >= 10 && a <= 24 ? kMap[a - 10] : a;
}
}  // namespace

Zcad::ErrorStatus ZcDbMText::setAttachment(int a) {
  if (a < 1 || a > 24) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  attachment_ = a;
  return Zcad::eOk;
}

double ZcDbMText::rotation() const { return std::atan2(direction_.y, direction_.x); }
Zcad::ErrorStatus ZcDbMText::setRotation(double angle) {
  if (!zcdb::Finite(angle)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  direction_ = ZcGeVector3d(std::cos(angle), std::sin(angle), 0);
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbMText::setTextStyle(ZcDbObjectId style) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  textStyle_ = style;
  return Zcad::eOk;
}

void ZcDbMText::subSetDatabaseDefaults(ZcDbDatabase* db) {
  textStyle_ = db->textstyle();
  height_ = db->textsize();
}

std::wstring ZcDbMText::text() const {
  std::wstring out;
  for (std::size_t i = 0; i < contents_.size(); ++i) {
    wchar_t c = contents_[i];
    if (c == L'{' || c == L'}') continue;
    if (c != L'\\' || i + 1 >= contents_.size()) {
      out.push_back(c);
      continue;
    }
    wchar_t k = contents_[++i];
    if (k == L'P') out.push_back(L'\n');
    else if (k == L'~') out.push_back(L' ');
    else if (k == L'\\' || k == L'{' || k == L'}') out.push_back(k);
    else {  // a format code: up to its ';'
      std::size_t semi = contents_.find(L';', i);
      if (semi != std::wstring::npos) i = semi;
    }
  }
  return out;
}

Zcad::ErrorStatus ZcDbMText::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  ZcGeVector3d dir = direction_ * height_;
  dir.transformBy(m);
  location_.transformBy(m);
  double scale = dir.length() / height_;
  if (scale > 0) {
    direction_ = dir.normal();
    height_ *= scale;
    width_ *= scale;
  }
  return Zcad::eOk;
}

namespace {
// The box of `lines` lines of at most `chars` characters at `origin`, placed by the
// attachment (1..9), turned by `dir`.
void TextBox(ZcDbExtents& ext, const ZcGePoint3d& origin, const ZcGeVector3d& dir, double width,
             double height, double dx, double dy) {
  ZcGeVector3d x = dir.normal(), y(-x.y, x.x, 0);
  ext = ZcDbExtents();
  for (double u : {0.0, width})
    for (double v : {0.0, height}) ext.addPoint(origin + x * (u + dx) + y * (v + dy));
}
}  // namespace

Zcad::ErrorStatus ZcDbMText::getGeomExtents(ZcDbExtents& ext) const {
  std::wstring t = text();
  std::size_t lines = 1, longest = 0, cur = 0;
  for (wchar_t c : t) {
    if (c == L'\n') {
      ++lines;
      cur = 0;
    } else {
      longest = std::max(longest, ++cur);
    }
  }
  double w = width_ > 0 ? std::max(width_, 0.0) : longest * height_ * ZcDbText::kCharWidthRatio;
  if (width_ > 0) w = std::min(width_, std::max(w, longest * height_ * ZcDbText::kCharWidthRatio));
  double h = height_ + (lines - 1) * height_ * 5.0 / 3.0;
  int col = (NinePoint(attachment_) - 1) % 3, row = (NinePoint(attachment_) - 1) / 3;
  double dx = -w * col / 2.0, dy = row == 0 ? -h : row == 1 ? -h / 2 : 0.0;
  TextBox(ext, location_, direction_, w, h, dx, dy);
  return Zcad::eOk;
}

ZcDbObject* ZcDbMText::cloneObject() const {
  auto* c = new ZcDbMText;
  c->location_ = location_;
  c->direction_ = direction_;
  c->normal_ = normal_;
  c->contents_ = contents_;
  c->height_ = height_;
  c->width_ = width_;
  c->lineSpacing_ = lineSpacing_;
  c->attachment_ = attachment_;
  c->textStyle_ = textStyle_;
  copyEntityTo(c);
  return c;
}

void ZcDbMText::translateIds(ZcDbIdTranslator& t) {
  ZcDbEntity::translateIds(t);
  textStyle_ = t.translate(textStyle_);
}

// MTEXT: 100 AcDbMText, 10/20/30 location, 40 height, 41 width, 71 attachment (1..9), 72 1
// (left to right), 3 the contents in pieces of 250 characters but the last, 1 the last
// piece, 7 style name, 11/21/31 direction, 44 line spacing factor.
void ZcDbMText::dxfOutMTextGroups(ZcDbDxfFiler* f) const {
  f->writePoint3d(10, location_);
  f->writeDouble(40, height_);
  f->writeDouble(41, width_);
  f->writeInt(71, NinePoint(attachment_));
  f->writeInt(72, 1);
  std::size_t at = 0;
  for (; contents_.size() - at > 250; at += 250) f->writeString(3, contents_.substr(at, 250));
  f->writeString(1, contents_.substr(at));
  std::wstring style = zcdb::RecordName(textStyle_);
  if (!style.empty()) f->writeString(7, style);
  f->writeVector3d(11, direction_);
  f->writeDouble(44, lineSpacing_);
}

void ZcDbMText::dxfInMTextGroup(ZcDbDxfFiler* f, const ZcDbDxfPair& p) {
  switch (p.code) {
    case 10: location_ = f->toPoint3d(p); break;
    case 40: height_ = f->toDouble(p); break;
    case 41: width_ = f->toDouble(p); break;
    case 71: attachment_ = std::clamp(static_cast<int>(f->toInt(p)), 1, 9); break;
    case 3: contents_ += f->toString(p); break;
    case 1: contents_ += f->toString(p); break;
    case 7: {
      ZcDbDatabase* db = f->database();
      textStyle_ = zcdb::RecordByName(db, db->textStyleTableId(), f->toString(p));
      break;
    }
    case 11: direction_ = f->toVector3d(p).normal(); break;
    case 50: {
      double a = f->toDouble(p) * 3.141592653589793 / 180;
      direction_ = ZcGeVector3d(std::cos(a), std::sin(a), 0);
      break;
    }
    case 44: lineSpacing_ = f->toDouble(p); break;
    default: break;
  }
}

void ZcDbMText::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbMText");
  dxfOutMTextGroups(f);
}

Zcad::ErrorStatus ZcDbMText::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbMText");
  ZcDbDxfPair p;
  while (f->next(p)) dxfInMTextGroup(f, p);
  contents_.shrink_to_fit();  // the pieces were appended: drop the room grown for more
  if (!(height_ > 0)) height_ = 2.5;
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
