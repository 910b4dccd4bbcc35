// Selection sets: the sets the host hands out by name, the selection modes of zcedSSGet,
// the user's selection steps read from the input queue, and the pick-first set (made by
// the user's selection between commands).
//
// Invariants:
//  1. A set name is (serial, kSetTag); a serial is never given out twice, so a freed
//     name stays invalid (zcedSSFree removes it; OpenSelectionSets counts the rest). The
//     tag is negative, which no entity name's second word is: a set name never names an
//     entity, nor an entity name a set.
//  2. A set holds each entity once, in the order selected, with how it was selected.
#include "ed/SelectionSets.h"

#include <algorithm>
#include <map>

#include "db/SpatialIndex.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbGroup.h"
#include "ed/zced.h"
#include "editor/Editor.h"
#include "editor/Entities.h"
#include "editor/Prompter.h"
#include "editor/Selection.h"
#include "headless/Host.h"

namespace editor {

namespace {

constexpr std::int64_t kSetTag = -0x5353;  // the second word of every set name

struct SetState {
  std::map<std::int64_t, Selection> sets;
  std::int64_t nextSerial = 1;
  std::vector<ZcDbObjectId> pickFirst;
};
SetState& State() {
  static SetState s;
  return s;
}

Selection* Find(const ads_name name) {
  if (!name || name[1] != kSetTag) return nullptr;
  auto it = State().sets.find(name[0]);
  return it == State().sets.end() ? nullptr : &it->second;
}

void NewSet(Selection selection, ads_name out) {
  std::int64_t serial = State().nextSerial++;
  State().sets.emplace(serial, std::move(selection));
  out[0] = serial;
  out[1] = kSetTag;
}

// The entity types every entity passing the filter must have: its code 0 items outside
// any group (each a wildcard pattern); empty when the filter leaves the type open.
std::vector<std::wstring> TypePatterns(const resbuf* filter) {
  std::vector<std::wstring> patterns;
  int depth = 0;
  for (const resbuf* rb = filter; rb; rb = rb->rbnext) {
    if (rb->restype == -4 && rb->resval.rstring) {
      std::wstring m = Upper(rb->resval.rstring);
      if (!m.empty() && m[0] == L'<') ++depth;
      else if (!m.empty() && m.back() == L'>') --depth;
    } else if (rb->restype == 0 && depth == 0 && rb->resval.rstring) {
      patterns.push_back(rb->resval.rstring);
    }
  }
  return patterns;
}

// The entities "X" looks at: with types named, only those of the types (through the
// database's index of entities by type); else every entity of model and paper space.
std::vector<ZcDbObjectId> AllCandidates(const resbuf* filter) {
  std::vector<std::wstring> types = TypePatterns(filter);
  ZcDbDatabase* db = Drawing();
  if (types.empty() || !db) return TopLevelEntities(true);
  return zcdb::EntitiesOfTypes(db, {db->modelSpaceId(), db->paperSpaceId()}, [&](const std::wstring& name) {
    for (const std::wstring& t : types)
      if (!WildcardMatch(t, name)) return false;
    return true;
  });
}

ZcGePoint3d FromAds(const void* p) {
  const double* d = static_cast<const double*>(p);
  return d ? ZcGePoint3d(d[0], d[1], d[2]) : ZcGePoint3d::kOrigin;
}

}  // namespace

bool Selection::Has(ZcDbObjectId id) const {
  return std::any_of(members.begin(), members.end(), [&](const Member& m) { return m.id == id; });
}

bool Selection::Add(const Member& m) {
  if (Has(m.id)) return false;
  members.push_back(m);
  return true;
}

/// Whether the filter asks only what an entity's header answers: its kind (0) and layer (8).
bool AsksHeaderOnly(const resbuf* filter) {
  for (const resbuf* rb = filter; rb; rb = rb->rbnext)
    if (rb->restype != -4 && rb->restype != 0 && rb->restype != 8) return false;
  return true;
}

bool Passes(ZcDbObjectId id, const resbuf* filter, HeaderVerdicts* verdicts) {
  if (!filter) return true;
  // A filter of kinds and layers (the usual one) is answered from the entity's kind and
  // layer alone, without writing out the whole entity, which for a spline is most of a
  // selection's time; within one selection step each kind and layer is judged once.
  if (AsksHeaderOnly(filter)) {
    ZcDbEntity* e = nullptr;
    if (id.isErased() || zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) return false;
    const std::pair<const char*, ZcDbObjectId> header(e->dxfName(), e->layerId());
    if (verdicts) {
      auto known = verdicts->find(header);
      if (known != verdicts->end()) {
        e->close();
        return known->second;
      }
    }
    // The kind and layer items of the entity's data list, as zcdbEntGet gives them.
    const std::string name(header.first ? header.first : "");
    std::wstring kind(name.begin(), name.end()), layer = e->layer();
    e->close();
    resbuf onLayer{nullptr, 8, {}}, type{&onLayer, 0, {}};
    type.resval.rstring = kind.data();
    onLayer.resval.rstring = layer.data();
    const bool ok = FilterAccepts(filter, &type, nullptr);
    if (verdicts) verdicts->emplace(header, ok);
    return ok;
  }
  ads_name name;
  zcdbGetAdsName(name, id);
  resbuf* data = zcdbEntGet(name);
  bool ok = data && FilterAccepts(filter, data, nullptr);
  zcutRelRb(data);
  return ok;
}

void AddWithGroups(Selection& s, const Selection::Member& m, const resbuf* filter, HeaderVerdicts* verdicts) {
  if (!Passes(m.id, filter, verdicts)) return;
  s.Add(m);
  resbuf rb{};
  if (zcedGetVar(L"PICKSTYLE", &rb) != RTNORM || !(rb.resval.rint & 1)) return;
  ZcDbEntity* e = nullptr;
  if (zcdbOpenZcDbEntity(e, m.id, ZcDb::kForRead) != Zcad::eOk) return;
  ZcDbObjectIdArray reactors = e->getPersistentReactors();
  e->close();
  for (ZcDbObjectId r : reactors) {
    ZcDbGroup* group = nullptr;
    if (zcdbOpenObject(group, r, ZcDb::kForRead) != Zcad::eOk) continue;
    ZcDbObjectIdArray members;
    if (group->isSelectable()) group->allEntityIds(members);
    group->close();
    for (ZcDbObjectId member : members) {
      Selection::Member other = m;
      other.id = member;
      if (Passes(member, filter, verdicts)) s.Add(other);
    }
  }
}

int WindowStep(Selection& s, const ZcGePoint3d& c1, const ZcGePoint3d& c2, bool crossing, const resbuf* filter) {
  Box box(UcsToWcs(c1), UcsToWcs(c2));
  std::size_t before = s.members.size();
  // A filter of kinds and layers costs less than the exact test of a curve: it goes first.
  const bool filterFirst = filter && AsksHeaderOnly(filter);
  HeaderVerdicts verdicts;
  for (const zcdb::NearEntity& near : EntitiesNear(box)) {
    if (filterFirst && !Passes(near.id, filter, &verdicts)) continue;
    ZcDbEntity* e = nullptr;
    if (zcdbOpenZcDbEntity(e, near.id, ZcDb::kForRead) != Zcad::eOk) continue;
    bool in = false;
    if (IsVisible(e)) {
      int decided = DecidedByExtents(near, box, crossing);
      in = decided >= 0 ? decided == 1 : crossing ? EntityCrossesWindow(e, box) : EntityInWindow(e, box);
    }
    e->close();
    if (in) AddWithGroups(s, {near.id, crossing ? 3 : 2, {UcsToWcs(c1), UcsToWcs(c2)}}, filter, &verdicts);
  }
  return static_cast<int>(s.members.size() - before);
}

namespace {

// Asks for one corner; false when the user cancels.
bool AskCorner(const Asker& ask, const wchar_t* prompt, ZcGePoint3d& ucs) {
  Request r;
  r.prompt = prompt;
  r.accept = kPoint;
  r.flags = kNoNull;
  Answer a;
  if (ask(r, a) != RTNORM) return false;
  ucs = a.point;
  return true;
}

// The visible entities among `ids`, added as selected by mode.
int AddVisible(Selection& s, const std::vector<ZcDbObjectId>& ids, const resbuf* filter) {
  std::size_t before = s.members.size();
  for (ZcDbObjectId id : ids) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
    bool visible = IsVisible(e);
    e->close();
    if (visible) AddWithGroups(s, {id, 0, {}}, filter);
  }
  return static_cast<int>(s.members.size() - before);
}

}  // namespace

int SelectSteps(Selection& s, bool single, const resbuf* filter, const Asker& ask) {
  Request r;
  r.prompt = L"\nSelect objects: ";
  r.accept = kPoint;
  r.keywords = Keywords(L"Window Crossing ALL Last");
  for (;;) {
    Answer a;
    int status = ask(r, a);
    if (status == RTCAN) return RTCAN;
    if (status == RTNONE) return RTNORM;
    int found = 0;
    if (status == RTKWORD && (a.text == L"Window" || a.text == L"Crossing")) {
      ZcGePoint3d c1, c2;
      if (!AskCorner(ask, L"\nSpecify first corner: ", c1) || !AskCorner(ask, L"\nSpecify opposite corner: ", c2))
        return RTCAN;
      found = WindowStep(s, c1, c2, a.text == L"Crossing", filter);
    } else if (status == RTKWORD) {
      std::vector<ZcDbObjectId> ids = TopLevelEntities();
      if (a.text == L"Last" && !ids.empty()) ids.assign(1, ids.back());
      found = AddVisible(s, ids, filter);
    } else {
      ZcGePoint3d wcs = UcsToWcs(a.point);
      ZcDbObjectId id = EntityAt(wcs);
      if (id.isNull()) {
        ZcGePoint3d c2;
        if (!AskCorner(ask, L"\nSpecify opposite corner: ", c2)) return RTCAN;
        found = WindowStep(s, a.point, c2, c2.x < a.point.x, filter);
      } else {
        std::size_t before = s.members.size();
        AddWithGroups(s, {id, 1, {wcs}}, filter);
        found = static_cast<int>(s.members.size() - before);
      }
    }
    zcutPrintf(L"\n%d found", found);
    if (single && !s.members.empty()) return RTNORM;
  }
}

void ResetSelections() { State() = SetState(); }

}  // namespace editor

using editor::Selection;

int zcedSSGet(const wchar_t* rawMode, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss) {
  if (!ss) return RTERROR;
  std::wstring mode = editor::Upper(rawMode ? rawMode : L"");
  if (!mode.empty() && mode[0] == L'_') mode.erase(0, 1);
  std::wstring why;
  if (filter && !editor::FilterAccepts(filter, nullptr, &why) && !why.empty()) {
    zcutPrintf(L"\nInvalid selection filter: %s.", why);
    return RTERROR;
  }
  Selection s;
  if (mode == L"X") {
    for (ZcDbObjectId id : editor::AllCandidates(filter)) editor::AddWithGroups(s, {id, 0, {}}, filter);
  } else if (mode == L"I") {
    for (ZcDbObjectId id : editor::State().pickFirst)
      if (!id.isErased()) editor::AddWithGroups(s, {id, 0, {}}, filter);
  } else if (mode == L"C" || mode == L"W") {
    if (!pt1 || !pt2) return RTERROR;
    editor::WindowStep(s, editor::FromAds(pt1), editor::FromAds(pt2), mode == L"C", filter);
  } else if (mode == L"L") {
    std::vector<ZcDbObjectId> ids = editor::TopLevelEntities();
    if (!ids.empty() && editor::Passes(ids.back(), filter)) s.Add({ids.back(), 0, {}});
  } else if (mode.empty() || mode == L":S") {
    if (editor::SelectSteps(s, mode == L":S", filter, editor::Ask) == RTCAN) return RTCAN;
  } else {
    zcutPrintf(L"\nUnknown selection mode \"%s\".", rawMode);
    return RTERROR;
  }
  if (s.members.empty()) return RTERROR;
  editor::NewSet(std::move(s), ss);
  return RTNORM;
}

int zcedSSLength(const ads_name ss, std::int32_t* length) {
  Selection* s = editor::Find(ss);
  if (!s || !length) return RTERROR;
  *length = static_cast<std::int32_t>(s->members.size());
  return RTNORM;
}

int zcedSSName(const ads_name ss, std::int32_t index, ads_name entity) {
  Selection* s = editor::Find(ss);
  if (!s || !entity || index < 0 || index >= static_cast<std::int32_t>(s->members.size())) return RTERROR;
  zcdbGetAdsName(entity, s->members[index].id);
  return RTNORM;
}

int zcedSSNameX(resbuf** info, const ads_name ss, std::int32_t index) {
  Selection* s = editor::Find(ss);
  if (!s || !info || index < 0 || index >= static_cast<std::int32_t>(s->members.size())) return RTERROR;
  const Selection::Member& m = s->members[index];
  resbuf* head = zcutNewRb(RTSHORT);
  head->resval.rint = static_cast<short>(m.method);
  resbuf* tail = head->rbnext = zcutNewRb(RTENAME);
  zcdbGetAdsName(tail->resval.rlname, m.id);
  for (const ZcGePoint3d& p : m.points) {
    tail = tail->rbnext = zcutNewRb(RT3DPOINT);
    tail->resval.rpoint[0] = p.x;
    tail->resval.rpoint[1] = p.y;
    tail->resval.rpoint[2] = p.z;
  }
  *info = head;
  return RTNORM;
}

int zcedSSAdd(const ads_name entity, const ads_name ss, ads_name result) {
  if (!result) return RTERROR;
  ZcDbObjectId id;
  if (entity && (zcdbGetObjectId(id, entity) != Zcad::eOk || id.isErased())) return RTERROR;
  if (ss) {
    Selection* s = editor::Find(ss);
    if (!s) return RTERROR;
    if (entity) s->Add({id, 0, {}});
    result[0] = ss[0];
    result[1] = ss[1];
    return RTNORM;
  }
  Selection s;
  if (entity) s.Add({id, 0, {}});
  editor::NewSet(std::move(s), result);
  return RTNORM;
}

int zcedSSFree(const ads_name ss) {
  if (!editor::Find(ss)) return RTERROR;
  editor::State().sets.erase(ss[0]);
  return RTNORM;
}

int zcedSSGetFirst(resbuf** gripSet, resbuf** pickSet) {
  if (gripSet) *gripSet = nullptr;
  if (!pickSet) return RTNORM;
  *pickSet = nullptr;
  Selection s;
  for (ZcDbObjectId id : editor::State().pickFirst)
    if (!id.isErased()) s.Add({id, 0, {}});
  if (s.members.empty()) return RTNORM;
  *pickSet = zcutNewRb(RTPICKS);
  editor::NewSet(std::move(s), (*pickSet)->resval.rlname);
  return RTNORM;
}

int zcedSSSetFirst(const ads_name pickSet, const ads_name) {
  std::vector<ZcDbObjectId> ids;
  if (pickSet) {
    Selection* s = editor::Find(pickSet);
    if (!s) return RTERROR;
    for (const auto& m : s->members) ids.push_back(m.id);
  }
  editor::State().pickFirst = ids;
  return RTNORM;
}

namespace headless {
int OpenSelectionSets() { return static_cast<int>(editor::State().sets.size()); }

void SelectPickFirst() {
  Selection s;
  editor::State().pickFirst.clear();
  if (editor::SelectSteps(s, false, nullptr, editor::Ask) != RTNORM) return;
  for (const auto& m : s.members) editor::State().pickFirst.push_back(m.id);
}
}  // namespace headless
