// The groups of records the database keeps without modelling their kind: reading them in
// file order (numbers checked, handles resolved), writing them back, their plain points.
#include "db/OpaqueGroups.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <cmath>

#include "db/DbInternal.h"
#include "db/ZcDbDxfFiler.h"

namespace zcdb {

namespace {
bool In(int code, int from, int to) { return code >= from && code <= to; }

bool IsRef(int code) { return In(code, 330, 369) || In(code, 390, 399) || code == 480 || code == 481; }
bool IsText(int code) {
  return In(code, 1, 4) || In(code, 6, 9) || code == 100 || code == 102 || In(code, 300, 309) ||
         In(code, 410, 419) || In(code, 430, 439) || In(code, 470, 479) || code == 999 ||
         In(code, 1000, 1003) || In(code, 1006, 1009);
}
bool IsReal(int code) {
  return In(code, 10, 59) || In(code, 110, 149) || In(code, 210, 239) || In(code, 460, 469) ||
         In(code, 1010, 1059);
}
bool IsInt(int code) {
  return In(code, 60, 99) || In(code, 160, 179) || In(code, 270, 299) || In(code, 370, 389) ||
         In(code, 400, 409) || In(code, 420, 429) || In(code, 440, 459) || In(code, 1060, 1071);
}
// The groups of the common entity segment that ZcDbEntity reads and writes itself.
bool IsEntityOwned(int code) {
  return code == 8 || code == 6 || code == 62 || code == 420 || code == 370 || code == 48 || code == 60 ||
         code == 67 || code == 347 || code == 390 || code == 430 || code == 440 || code == 284;
}

// A value kept as text: without the blanks around it, nor carriage returns at its end (a
// reader takes one as the end of the line, so they would not read back).
std::string Trimmed(std::string_view v) {
  while (!v.empty() && (v.front() == ' ' || v.front() == '\t')) v.remove_prefix(1);
  while (!v.empty() && (v.back() == ' ' || v.back() == '\t' || v.back() == '\r')) v.remove_suffix(1);
  return std::string(v);
}
}  // namespace

void OpaqueGroups::readGroup(ZcDbDxfFiler* f, const ZcDbDxfPair& p, std::vector<Group>& into) {
  Group g;
  g.code = p.code;
  if (IsText(p.code)) {
    g.kind = Kind::kText;
    g.text = f->toString(p);
  } else if (IsRef(p.code)) {
    g.kind = Kind::kRef;
    g.raw = Trimmed(p.value);
    g.ref = f->toObjectId(p);
  } else {
    g.raw = Trimmed(p.value);
    if (IsReal(p.code)) f->toDouble(p);  // a number that is not finite is refused here
    else if (IsInt(p.code)) f->toInt(p);
  }
  into.push_back(std::move(g));
}

ZcDbObjectId OpaqueGroups::read(ZcDbDxfFiler* f, Base base, const std::string& dxfName) {
  extras_.clear();
  body_.clear();
  f->rewind();
  ZcDbDxfPair p;
  bool marked = false;  // a subclass marker was read (its name may be empty)
  bool inGroup = false, ownerSeen = false, entitySegment = false;
  ZcDbObjectId owner;
  while (f->nextAny(p) && p.code != 1001) {
    if (p.code == 100) {
      marked = true;
      entitySegment = base != Base::kObject && p.value == "AcDbEntity";
      if (!entitySegment) readGroup(f, p, body_);
      continue;
    }
    bool follower = base == Base::kVertex || base == Base::kAttribute;
    if (entitySegment || (follower && !marked && IsEntityOwned(p.code))) {
      // a vertex keeps its own properties but its layer, which is its polyline's; an
      // attribute keeps them all
      if (base == Base::kVertex ? p.code != 8 : base == Base::kAttribute || !IsEntityOwned(p.code))
        readGroup(f, p, extras_);
      continue;
    }
    if (!marked) {  // the common part the object base reads
      if (p.code == 102) {
        inGroup = p.value != "}";
        continue;
      }
      // the handle (105 for a dimension style, whose 5 is a setting); a table's name, which
      // its writer gives
      bool dimStyle = dxfName == "DIMSTYLE";
      if (p.code == (dimStyle ? 105 : 5) || inGroup || (p.code == 2 && dxfName == "TABLE")) continue;
      if (p.code == 330 && !ownerSeen) {
        ownerSeen = true;
        owner = f->toObjectId(p);
        continue;
      }
      if (base == Base::kEntity && IsEntityOwned(p.code)) continue;  // files without markers
    }
    readGroup(f, p, body_);
  }
  if (!marked) addMarkers(dxfName);
  return owner;
}

void OpaqueGroups::addMarkers(const std::string& name) {
  auto marker = [](const char* text) {
    Group g;
    g.code = 100;
    g.kind = Kind::kText;
    g.text.assign(text, text + std::strlen(text));
    return g;
  };
  if (name == "SOLID" || name == "TRACE" || name == "3DFACE") {
    body_.insert(body_.begin(), marker(name == "3DFACE" ? "AcDbFace" : "AcDbTrace"));
    return;
  }
  if (name == "ATTRIB") {  // an attribute of a kept array: its text's groups, then its own
    auto own = [](const Group& g) { return g.code == 2 || g.code == 70 || g.code == 73 || g.code == 74 || g.code == 280; };
    auto at = std::stable_partition(body_.begin(), body_.end(), [&](const Group& g) { return !own(g); });
    body_.insert(at, marker("AcDbAttribute"));
    body_.insert(body_.begin(), marker("AcDbText"));
    return;
  }
  if (name == "INSERT") {  // kept references are arrays of a block
    body_.insert(body_.begin(), marker("AcDbMInsertBlock"));
    return;
  }
  if (name == "POLYLINE") {  // kept polylines are meshes and face sets
    body_.insert(body_.begin(), marker(intValue(70) & 64 ? "AcDbPolyFaceMesh" : "AcDbPolygonMesh"));
    return;
  }
  if (name == "VERTEX") {
    int flags = intValue(70);
    if ((flags & 128) && !(flags & 64)) {
      body_.insert(body_.begin(), marker("AcDbFaceRecord"));
    } else {
      body_.insert(body_.begin(), marker(flags & 128 ? "AcDbPolyFaceMeshVertex" : "AcDbPolygonMeshVertex"));
      body_.insert(body_.begin(), marker("AcDbVertex"));
    }
    return;
  }
  if (name != "DIMENSION") return;
  // The groups of each dimension type's own subclass; the rest are the common ones.
  int type = intValue(70) & 7;
  if (type > 6) {  // no kind of its own
    body_.insert(body_.begin(), marker("AcDbDimension"));
    return;
  }
  struct Own {
    const char* first;
    const char* second;
    std::vector<int> codes;
  };
  static const Own kOwn[7] = {{"AcDbAlignedDimension", "AcDbRotatedDimension", {13, 23, 33, 14, 24, 34, 50, 52}},
                              {"AcDbAlignedDimension", nullptr, {13, 23, 33, 14, 24, 34, 50}},
                              {"AcDb2LineAngularDimension", nullptr, {13, 23, 33, 14, 24, 34, 15, 25, 35, 16, 26, 36}},
                              {"AcDbDiametricDimension", nullptr, {15, 25, 35, 40}},
                              {"AcDbRadialDimension", nullptr, {15, 25, 35, 40}},
                              {"AcDb3PointAngularDimension", nullptr, {13, 23, 33, 14, 24, 34, 15, 25, 35, 16, 26, 36}},
                              {"AcDbOrdinateDimension", nullptr, {13, 23, 33, 14, 24, 34}}};
  const Own& own = kOwn[type];
  std::vector<Group> common{marker("AcDbDimension")}, specific{marker(own.first)};
  for (Group& g : body_)
    (std::find(own.codes.begin(), own.codes.end(), g.code) != own.codes.end() ? specific : common).push_back(std::move(g));
  if (own.second) specific.push_back(marker(own.second));
  body_ = std::move(common);
  body_.insert(body_.end(), std::make_move_iterator(specific.begin()), std::make_move_iterator(specific.end()));
}

void OpaqueGroups::writeGroups(ZcDbDxfFiler* f, const std::vector<Group>& groups) {
  for (const Group& g : groups) {
    switch (g.kind) {
      case Kind::kText: f->writeString(g.code, g.text); break;
      case Kind::kRaw: f->writeRaw(g.code, g.raw); break;
      case Kind::kRef: {
        // a reference to what the file will not hold is written as no reference
        ZcDbObject* o = ObjectOf(g.ref);
        f->writeObjectId(g.code, o && !o->isErased() ? g.ref : ZcDbObjectId());
        break;
      }
    }
  }
}

void OpaqueGroups::writeEntityExtras(ZcDbDxfFiler* f) const { writeGroups(f, extras_); }
void OpaqueGroups::writeBody(ZcDbDxfFiler* f) const { writeGroups(f, body_); }

void OpaqueGroups::translateIds(ZcDbIdTranslator& t) {
  for (auto* list : {&extras_, &body_})
    for (Group& g : *list)
      if (g.kind == Kind::kRef && !g.ref.isNull()) g.ref = t.translate(g.ref);
}

// The low bits of an integer group (flags and kinds); 0 when absent.
int OpaqueGroups::intValue(int code) const {
  for (const Group& g : body_)
    if (g.code == code) {
      std::string_view v = g.raw;
      if (!v.empty() && v.front() == '+') v.remove_prefix(1);
      long long i = 0;
      std::from_chars(v.data(), v.data() + v.size(), i);
      return static_cast<int>(i & 0xFFFF);
    }
  return 0;
}

double OpaqueGroups::number(const Group& g) {
  std::string_view v = g.raw;
  if (!v.empty() && v.front() == '+') v.remove_prefix(1);
  double d = 0.0;
  std::from_chars(v.data(), v.data() + v.size(), d);
  return d;
}

std::vector<ZcGePoint3d> OpaqueGroups::points(const std::string& name) const {
  std::vector<ZcGePoint3d> out;
  if (name == "RAY" || name == "XLINE") return out;  // infinite
  if (name == "POLYLINE") {  // the vertices' locations; face records have none
    for (const OpaqueGroups& v : vertices_) {
      int flags = v.intValue(70);
      if ((flags & 128) && !(flags & 64)) continue;
      std::vector<ZcGePoint3d> at = v.points("VERTEX");
      if (!at.empty()) out.push_back(at.front());
    }
    return out;
  }
  auto plain = [&](int code) {
    if (name == "MLINE") return code == 10 || code == 11;  // 12 and 13 are directions
    if (name == "DIMENSION") return code == 10 || code == 11 || code == 13;  // 12: clone point
    if (name == "TOLERANCE") return code == 10;
    return code >= 10 && code <= 13;
  };
  for (std::size_t i = 0; i < body_.size(); ++i)  // points in an object coordinate system of its own
    if (body_[i].code == 210 && (number(body_[i]) != 0.0 || (i + 1 < body_.size() && body_[i + 1].code == 220 &&
                                                             number(body_[i + 1]) != 0.0)))
      return out;
  bool skipFirst = name == "HATCH";  // its first 10 is the elevation, not a point
  for (std::size_t i = 0; i < body_.size(); ++i) {
    const Group& g = body_[i];
    if (g.code < 10 || g.code > 13) continue;
    if (skipFirst && g.code == 10) {
      skipFirst = false;
      continue;
    }
    if (!plain(g.code) || i + 1 >= body_.size() || body_[i + 1].code != g.code + 10) continue;
    ZcGePoint3d pt(number(g), number(body_[i + 1]), 0.0);
    if (i + 2 < body_.size() && body_[i + 2].code == g.code + 20) pt.z = number(body_[i + 2]);
    out.push_back(pt);
  }
  return out;
}

std::vector<std::pair<int, std::wstring>> OpaqueGroups::groups() const {
  std::vector<std::pair<int, std::wstring>> out;
  for (auto* list : {&extras_, &body_})
    for (const Group& g : *list) {
      if (g.kind == Kind::kText) {
        out.emplace_back(g.code, g.text);
      } else if (g.kind == Kind::kRef) {
        wchar_t buf[20];
        g.ref.handle().getIntoAsciiBuffer(buf, 20);
        out.emplace_back(g.code, g.ref.isNull() ? L"0" : buf);
      } else {
        out.emplace_back(g.code, std::wstring(g.raw.begin(), g.raw.end()));
      }
    }
  return out;
}

}  // namespace zcdb
