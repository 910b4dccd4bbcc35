// Reads a DXF file (ASCII; AC1015 as written here, and the common subset other writers
// give) into a database. Reading is all or nothing: the file is read into a new database,
// which replaces the old content only when the whole file was read; a malformed file
// leaves the database as it was, with readError() naming the line.
//
// Steps: walk the text's groups once, cutting the sections into records (the groups are not
// kept: each record's are split again from the text when it is read); make an object for
// every record of a kind the database keeps (with the record's handle); link tables to
// their records, blocks to their entities, references to their attributes and polylines
// to their vertices; let each object read its groups (records, then entities, then
// objects, so that names and owners resolve); then complete the drawing's minimum.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "db/DbInternal.h"
#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbDxfFiler.h"
#include "db/ZcDbEllipse.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbLeader.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbOpaqueEntity.h"
#include "db/ZcDbOpaqueObject.h"
#include "db/ZcDbPoint.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbRegion.h"
#include "db/ZcDbSortentsTable.h"
#include "db/ZcDbSpline.h"
#include "db/ZcDbTable.h"
#include "db/ZcDbText.h"
#include "db/ZcDbXrecord.h"
#include "win32/FilePaths.h"
#include "win32/NativeFile.h"

namespace zcdb {
void RebindDatabase(std::uint32_t serial, ZcDbDatabase* db);
}

namespace {

struct ReadError {
  int line;
  std::wstring message;
};

[[noreturn]] void Fail(int line, const std::wstring& message) {
  throw ReadError{line, ZcDbDxfFiler::shortenQuotes(message)};
}

// A piece of the file as a message quotes it: at most 80 characters of it.
std::wstring Wide(std::string_view s) { return ZcDbDxfFiler::excerpt(s, 65001); }

// One record: its type, the number of its groups after the type (which expand splits from
// the text when they are needed), the line of its type.
struct Record {
  std::string_view type;
  const ZcDbDxfPair* first = nullptr;
  std::size_t count = 0;
  int line = 0;
  ZcDbObject* obj = nullptr;
  const ZcDbDxfPair* begin() const { return first; }
  const ZcDbDxfPair* end() const { return first + count; }
};

// Walks the groups of the text from a position (the start of a code line) and its line.
class GroupSplitter {
public:
  GroupSplitter(std::string_view text, std::size_t pos = 0, int line = 0) : text_(text), pos_(pos), line_(line) {}

  // The next group; false at the end of the text.
  bool next(ZcDbDxfPair& group) {
    std::string_view codeText, value;
    if (!nextLine(codeText)) return false;
    int codeLine = line_;
    std::string_view t = codeText;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    if (t.empty() && pos_ >= text_.size()) return false;  // a last empty line
    int code = 0;
    auto r = std::from_chars(t.data(), t.data() + t.size(), code);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || code < -5 || code > 1071)
      Fail(codeLine, L"a group code was expected, found \"" + Wide(codeText) + L"\"");
    if (!nextLine(value)) Fail(codeLine, L"the file ends after group code " + std::to_wstring(code));
    group = ZcDbDxfPair(code, value, codeLine);
    return true;
  }

private:
  bool nextLine(std::string_view& out) {
    if (pos_ >= text_.size()) return false;
    std::size_t e = text_.find('\n', pos_);
    if (e == std::string_view::npos) e = text_.size();
    out = text_.substr(pos_, e - pos_);
    if (!out.empty() && out.back() == '\r') out.remove_suffix(1);
    pos_ = e + 1;
    ++line_;
    return true;
  }

  std::string_view text_;
  std::size_t pos_;
  int line_;
};

// The groups of the text one after another, with the current one in view.
class GroupStream {
public:
  explicit GroupStream(std::string_view text) : splitter_(text) { advance(); }
  bool more() const { return more_; }
  const ZcDbDxfPair& current() const { return current_; }
  void advance() {
    more_ = splitter_.next(current_);
    if (more_) lastLine_ = current_.line;
  }
  // The line of the last group read; 0 when the text holds none.
  int lastLine() const { return lastLine_; }

private:
  GroupSplitter splitter_;
  ZcDbDxfPair current_;
  bool more_ = false;
  int lastLine_ = 0;
};

ZcDbObject* MakeObject(std::string_view type) {
  static const std::map<std::string_view, std::function<ZcDbObject*()>> kFactory = {
      {"LINE", [] { return new ZcDbLine; }},
      {"CIRCLE", [] { return new ZcDbCircle; }},
      {"ARC", [] { return new ZcDbArc; }},
      {"ELLIPSE", [] { return new ZcDbEllipse; }},
      {"LWPOLYLINE", [] { return new ZcDbPolyline; }},
      {"SPLINE", [] { return new ZcDbSpline; }},
      {"REGION", [] { return new ZcDbRegion; }},
      {"POINT", [] { return new ZcDbPoint; }},
      {"TEXT", [] { return new ZcDbText; }},
      {"MTEXT", [] { return new ZcDbMText; }},
      {"ATTDEF", [] { return new ZcDbAttributeDefinition; }},
      {"ATTRIB", [] { return new ZcDbAttribute; }},
      {"INSERT", [] { return new ZcDbBlockReference; }},
      {"LEADER", [] { return new ZcDbLeader; }},
      {"ACAD_TABLE", [] { return new ZcDbTable; }},
      {"DICTIONARY", [] { return new ZcDbDictionary; }},
      {"XRECORD", [] { return new ZcDbXrecord; }},
      {"GROUP", [] { return new ZcDbGroup; }},
      {"SORTENTSTABLE", [] { return new ZcDbSortentsTable; }},
      {"LAYER", [] { return new ZcDbLayerTableRecord; }},
      {"LTYPE", [] { return new ZcDbLinetypeTableRecord; }},
      {"STYLE", [] { return new ZcDbTextStyleTableRecord; }},
      {"APPID", [] { return new ZcDbRegAppTableRecord; }},
      {"VIEW", [] { return new ZcDbViewTableRecord; }},
      {"BLOCK_RECORD", [] { return new ZcDbBlockTableRecord; }},
  };
  auto it = kFactory.find(type);
  return it == kFactory.end() ? nullptr : it->second();
}

// Record types that structure a file and are never an entity or an object of their own.
bool IsStructural(std::string_view type) {
  static const std::string_view kTypes[] = {"SECTION", "ENDSEC", "TABLE", "ENDTAB", "BLOCK",
                                            "ENDBLK", "EOF", "CLASS", "SEQEND", "VERTEX"};
  for (std::string_view t : kTypes)
    if (type == t) return true;
  return false;
}

// An entity or object of a kind the database does not model is kept as read; a record
// without a type, or one that only structures a file, is refused where it stands.
template <class Opaque>
ZcDbObject* MakeOpaque(std::string_view type, int line) {
  if (type.empty()) Fail(line, L"a record without a type");
  for (char c : type)
    if (c <= ' ' || c > '~') Fail(line, L"a record type that is not a name");
  if (IsStructural(type)) Fail(line, L"a " + Wide(type) + L" record out of its place");
  return new Opaque(std::string(type));
}

ZcDbObject* MakeTable(std::string_view name) {
  if (name == "LAYER") return new ZcDbLayerTable;
  if (name == "LTYPE") return new ZcDbLinetypeTable;
  if (name == "STYLE") return new ZcDbTextStyleTable;
  if (name == "APPID") return new ZcDbRegAppTable;
  if (name == "VIEW") return new ZcDbViewTable;
  if (name == "BLOCK_RECORD") return new ZcDbBlockTable;
  return nullptr;
}

class DxfReader {
public:
  // A byte order mark before the first group (some writers put one) says the text is
  // UTF-8; as the header may say otherwise, it is read as a Windows-1252 file is: text that
  // is well-formed UTF-8 as such, any other byte as its 1252 character.
  DxfReader(std::string_view text, ZcDbDatabase& db) : text_(text), db_(db), d_(db.impl()) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") text_.remove_prefix(3), utf8Mark_ = true, d_.codePage = 1252;
  }
  DxfReader(const DxfReader&) = delete;
  DxfReader& operator=(const DxfReader&) = delete;

  // Objects made but not yet in the database when a read fails are freed here; the rest
  // leave with the database.
  ~DxfReader() {
    auto drop = [](std::vector<Record>& list) {
      for (Record& r : list)
        if (r.obj && !r.obj->database()) delete r.obj;
    };
    for (auto& list : tableRecords_) drop(list);
    for (auto& [name, list] : blockEntities_) drop(list);
    for (auto& list : entityRecords_) drop(list);
    drop(objectRecords_);
  }

  void run() {
    d_.slots.reserve(text_.size() / 256);
    d_.byHandle.reserve(text_.size() / 256);
    sections();
    makeObjects();
    link();
    readFields();
    finish();
  }

private:
  // --- Sections and records ------------------------------------------------------------------
  // The groups are walked once here, without being kept: a table of them all would take
  // three times the file's size for short lines. Each record notes how many groups follow
  // its type, and expand splits them again from the text when they are needed.
  void sections() {
    GroupStream in(text_);
    bool sawEof = false;
    while (in.more()) {
      const ZcDbDxfPair g = in.current();
      if (g.code == 999) { in.advance(); continue; }
      if (g.code != 0) Fail(g.line, L"a section was expected, found group code " + std::to_wstring(g.code));
      if (g.value == "EOF") { sawEof = true; break; }
      if (g.value != "SECTION") Fail(g.line, L"a section was expected, found \"" + Wide(g.value) + L"\"");
      in.advance();
      if (!in.more() || in.current().code != 2) Fail(g.line, L"the section has no name");
      std::string_view name = in.current().value;
      int sectionLine = g.line;
      in.advance();
      std::vector<Record> records;
      records.reserve(64);
      while (in.more() && !(in.current().code == 0 && in.current().value == "ENDSEC")) {
        const ZcDbDxfPair& c = in.current();
        if (c.code == 0 && (c.value == "SECTION" || c.value == "EOF"))
          Fail(c.line, L"the section " + Wide(name) + L" begun at line " +
                           std::to_wstring(sectionLine) + L" is not closed");
        if (name == "HEADER") {
          header(in);
          continue;
        }
        if (name == "THUMBNAILIMAGE") {  // the preview: read apart (zcdbGetPreviewBitmapFromDwg)
          in.advance();
          continue;
        }
        if (c.code != 0) Fail(c.line, L"a record (group code 0) was expected");
        Record r;
        r.type = c.value;
        r.line = c.line;
        for (in.advance(); in.more() && in.current().code != 0; in.advance()) ++r.count;
        records.push_back(std::move(r));
      }
      if (!in.more()) Fail(in.lastLine() ? in.lastLine() : 1,
                           L"the file ends inside the section " + Wide(name) + L" begun at line " +
                               std::to_wstring(sectionLine));
      in.advance();  // ENDSEC
      if (name == "HEADER") codePage();
      if (name == "TABLES") tables(records);
      else if (name == "BLOCKS") blocks(records);
      else if (name == "ENTITIES") entities(records, ZcDbObjectId());
      else if (name == "OBJECTS") objects(records);
      else if (name == "CLASSES") classes(records);
      forgetExpanded();  // records of this section may move or go
    }
    if (!in.lastLine()) Fail(1, L"the file is empty");
    // What follows EOF must still be groups.
    while (in.more()) in.advance();
    // A file cut short between two sections would otherwise read as a part of a drawing.
    if (!sawEof) Fail(in.lastLine() + 1, L"the file ends without its EOF record");
  }

  // AC1021 and later files are UTF-8; older ones beginning with a byte order mark are read
  // as 1252 (see the constructor); other older ones use $DWGCODEPAGE, "ANSI_" and the number
  // of a Windows code page (Windows-1252 when it names none this reader knows).
  void codePage() {
    auto value = [&](const char* name) -> std::string_view {
      auto it = headerVars_.find(name);
      return it == headerVars_.end() || it->second.empty() ? std::string_view() : it->second[0].value;
    };
    std::string_view ver = value("$ACADVER"), cp = Trim(value("$DWGCODEPAGE"));
    int number = 0;
    if (cp.size() > 5 && (cp.substr(0, 5) == "ANSI_" || cp.substr(0, 5) == "ansi_")) {
      auto r = std::from_chars(cp.data() + 5, cp.data() + cp.size(), number);
      if (r.ec != std::errc() || r.ptr != cp.data() + cp.size()) number = 0;
    }
    if (ver >= "AC1021") d_.codePage = 65001;
    else if (utf8Mark_) d_.codePage = 1252;
    else d_.codePage = number > 0 && number != 65001 && ZcDbDxfFiler::knowsCodePage(number) ? number : 1252;
  }

  void header(GroupStream& in) {
    const ZcDbDxfPair var = in.current();
    if (var.code != 9) Fail(var.line, L"a header variable (group code 9) was expected");
    std::vector<ZcDbDxfPair> values;
    for (in.advance(); in.more() && in.current().code != 9 && in.current().code != 0; in.advance())
      values.push_back(in.current());
    headerVars_[std::string(var.value)] = values;
  }

  void tables(std::vector<Record>& given) {
    tableRecords_.push_back(std::move(given));  // owned here before any object is made
    std::vector<Record>& records = tableRecords_.back();
    Record* table = nullptr;
    for (Record& r : records) {
      if (r.type == "TABLE") {
        std::string_view name;
        for (auto& p : expand(r))
          if (p.code == 2) { name = p.value; break; }
        table = &r;
        r.obj = MakeTable(name);
        // a second table of a kind would leave the records of the first out of the drawing
        if (r.obj && !tablesSeen_.insert(std::string(name)).second)
          Fail(r.line, L"a second " + Wide(name) + L" table");
        if (!r.obj) r.obj = new ZcDbOpaqueObject("TABLE");  // a kind not modelled: kept as read
        kept_.push_back(&r);
        tableName_[&r] = name;
        continue;
      }
      if (r.type == "ENDTAB") {
        table = nullptr;
        continue;
      }
      if (!table) Fail(r.line, L"a table record outside a table");
      if (dynamic_cast<ZcDbOpaqueObject*>(table->obj)) {  // its records kept as read too
        r.obj = new ZcDbOpaqueObject(std::string(r.type));
        kept_.push_back(&r);
        continue;
      }
      r.obj = MakeObject(r.type);
      auto* rec = dynamic_cast<ZcDbSymbolTableRecord*>(r.obj);
      if (!rec || !static_cast<ZcDbSymbolTable*>(table->obj)->accepts(rec)) {
        delete r.obj;
        r.obj = nullptr;
        Fail(r.line, L"a " + Wide(r.type) + L" record in the " + Wide(tableName_[table]) + L" table");
      }
      kept_.push_back(&r);
      recordOf_[&r] = table;
    }
  }

  void blocks(std::vector<Record>& records) {
    std::vector<Record> inBlock;
    std::vector<std::pair<std::wstring, std::vector<Record>>> pending;
    std::wstring current;
    BlockBegin begin;
    bool open = false;
    for (Record& r : records) {
      if (r.type == "BLOCK") {
        if (open) Fail(r.line, L"a block begins inside another block");
        open = true;
        current.clear();
        for (auto& p : expand(r)) {
          if (p.code == 2) {
            current = ZcDbDxfFiler::decodeText(p.value, d_.codePage);
            if (std::wstring space = olderSpaceName(current); !space.empty()) current = space;
            else blockNameText_[current] = p.value;
          }
          if (p.code == 10 || p.code == 20 || p.code == 30 || p.code == 70) {
            ZcDbDxfFiler f(r.first, r.count, nullptr);
            if (p.code == 70) begin.xrefFlags = static_cast<int>(f.toInt(p)) & (4 | 8);
            else begin.origin[(p.code - 10) / 10] = f.toDouble(p);
            if (f.hasError()) Fail(f.errorLine(), f.error());
          }
          if (p.code == 1) begin.xrefPath = ZcDbDxfFiler::decodeText(p.value, d_.codePage);
        }
        if (current.empty()) Fail(r.line, L"a block without a name");
        if (!Printable(current)) Fail(r.line, L"a block name holding a control character");
        if (!begin.xrefFlags) begin.xrefPath.clear();
        blockBegins_[zcdb::FoldKey(current)] = begin;
        blockLines_[current] = r.line;
        begin = BlockBegin();
        continue;
      }
      if (r.type == "ENDBLK") {
        if (!open) Fail(r.line, L"ENDBLK without BLOCK");
        open = false;
        pending.emplace_back(current, std::move(inBlock));
        inBlock.clear();
        continue;
      }
      if (!open) Fail(r.line, L"an entity outside a block in the BLOCKS section");
      inBlock.push_back(std::move(r));
    }
    if (open) Fail(records.empty() ? 0 : records.back().line, L"the block \"" + current + L"\" is not closed");
    for (auto& [name, ents] : pending) blockEntities_.emplace_back(name, std::move(ents));
  }

  // Files before AC1012 (R12) name the two spaces' blocks "$MODEL_SPACE" and "$PAPER_SPACE":
  // they are the spaces, not blocks of their own.
  std::wstring olderSpaceName(const std::wstring& name) const {
    auto ver = headerVars_.find("$ACADVER");
    if (ver != headerVars_.end() && !ver->second.empty() && ver->second[0].value >= "AC1012") return L"";
    std::wstring key = zcdb::FoldKey(name);
    if (key == zcdb::FoldKey(L"$MODEL_SPACE")) return ZCDB_MODEL_SPACE;
    if (key == zcdb::FoldKey(L"$PAPER_SPACE")) return ZCDB_PAPER_SPACE;
    return L"";
  }

  void entities(std::vector<Record>& records, ZcDbObjectId) { entityRecords_.push_back(std::move(records)); }

  // The classes of the objects a file holds, kept as read for the file written.
  void classes(std::vector<Record>& records) {
    for (Record& r : records) {
      if (r.type != "CLASS") Fail(r.line, L"a " + Wide(r.type) + L" record in the CLASSES section");
      ZcDbDxfFiler f(expand(r).first, r.count, &db_);
      zcdb::OpaqueGroups groups;
      groups.read(&f, zcdb::OpaqueGroups::Base::kObject, "CLASS");
      if (f.hasError()) Fail(f.errorLine(), f.error());
      d_.classes.push_back(std::move(groups));
    }
  }
  // A file may hold more than one OBJECTS section: the records of each are kept.
  void objects(std::vector<Record>& records) {
    objectRecords_.insert(objectRecords_.end(), std::make_move_iterator(records.begin()),
                          std::make_move_iterator(records.end()));
  }

  // --- The groups of a record ----------------------------------------------------------------
  // A record's groups are split from the text when it is read, into one buffer that serves
  // record after record: expand gives the record its groups (first), and takes them from
  // the record expanded before, so that no table of all the file's groups is ever held.
  void forgetExpanded() {
    if (expanded_) expanded_->first = nullptr;
    expanded_ = nullptr;
  }

  // Where the groups after a record's type begin in the text, and the line there.
  GroupSplitter splitterAfterType(const Record& r) const {
    std::size_t pos = static_cast<std::size_t>(r.type.data() - text_.data()) + r.type.size();
    if (pos < text_.size() && text_[pos] == '\r') ++pos;
    return GroupSplitter(text_, pos + 1, r.line + 1);
  }

  Record& expand(Record& r) {
    if (expanded_ == &r) return r;
    forgetExpanded();
    buffer_.clear();
    GroupSplitter splitter = splitterAfterType(r);
    ZcDbDxfPair group;
    for (std::size_t k = 0; k < r.count && splitter.next(group); ++k) buffer_.push_back(group);
    r.first = buffer_.data();
    expanded_ = &r;
    return r;
  }

  // The first group of `code` in a record, found without splitting the rest of it.
  bool findGroup(const Record& r, int code, ZcDbDxfPair& found) const {
    GroupSplitter splitter = splitterAfterType(r);
    for (std::size_t k = 0; k < r.count && splitter.next(found); ++k)
      if (found.code == code) return true;
    return false;
  }

  // --- Objects -------------------------------------------------------------------------------
  std::uint64_t HandleOf(Record& r, int code = 5) {
    ZcDbDxfPair p;
    if (!findGroup(r, code, p)) return 0;
    ZcDbDxfFiler f(nullptr, 0, nullptr);
    std::uint64_t h = f.toHandle(p);
    if (f.hasError()) Fail(f.errorLine(), f.error());
    return h;
  }

  void adopt(Record& r) {
    std::uint64_t h = HandleOf(r, r.type == "DIMSTYLE" ? 105 : 5);
    if (h && d_.byHandle.count(h)) Fail(r.line, L"the handle " + ZcDbHandleText(h) + L" is used twice");
    if (!h) {
      unhandled_.push_back(&r);
      return;
    }
    d_.adopt(r.obj, ZcDbObjectId(), h);
  }

  static std::wstring ZcDbHandleText(std::uint64_t h) {
    wchar_t buf[20];
    ZcDbHandle(h).getIntoAsciiBuffer(buf, 20);
    return buf;
  }

  // A reference that places its block in rows and columns (MINSERT): kept as read, with its
  // attributes, as a reference places its block once.
  bool IsArray(const Record& r) const {
    GroupSplitter splitter = splitterAfterType(r);
    ZcDbDxfPair p;
    for (std::size_t k = 0; k < r.count && splitter.next(p); ++k) {
      if (p.code == 100 && Trim(p.value) == "AcDbMInsertBlock") return true;
      if (p.code != 70 && p.code != 71) continue;
      ZcDbDxfFiler f(nullptr, 0, nullptr);
      long long n = f.toInt(p);
      if (f.hasError()) Fail(f.errorLine(), f.error());
      if (n > 1) return true;
    }
    return false;
  }

  // Complex entities: INSERT + ATTRIB... + SEQEND, POLYLINE + VERTEX... + SEQEND.
  void entityList(std::vector<Record>& records, std::vector<Record*>& out) {
    Record* parent = nullptr;
    for (Record& r : records) {
      if (r.type == "SEQEND") {
        parent = nullptr;
        continue;
      }
      if (r.type == "VERTEX" || r.type == "ATTRIB") {
        if (!parent || (r.type == "VERTEX") != (parent->type == "POLYLINE"))
          Fail(r.line, L"a " + Wide(r.type) + L" record without its " +
                           (r.type == "VERTEX" ? std::wstring(L"POLYLINE") : std::wstring(L"INSERT")));
        if (r.type == "VERTEX" || dynamic_cast<ZcDbOpaqueEntity*>(parent->obj)) {  // kept with their owner
          vertices_[parent].push_back(&r);
          continue;
        }
        r.obj = MakeObject(r.type);
        adopt(r);
        attributes_[parent].push_back(&r);
        continue;
      }
      parent = nullptr;
      if (r.type == "POLYLINE") {
        int flags = 0;
        if (ZcDbDxfPair p; findGroup(r, 70, p)) {
          ZcDbDxfFiler f(nullptr, 0, nullptr);
          flags = static_cast<int>(f.toInt(p));
          if (f.hasError()) Fail(f.errorLine(), f.error());
        }
        if (flags & (16 | 64)) r.obj = new ZcDbOpaqueEntity("POLYLINE");  // meshes and face sets, as read
        else if (flags & 8) r.obj = new ZcDb3dPolyline;
        else r.obj = new ZcDb2dPolyline;
        parent = &r;
      } else {
        r.obj = r.type == "INSERT" && IsArray(r) ? new ZcDbOpaqueEntity("INSERT") : MakeObject(r.type);
        if (!r.obj) r.obj = MakeOpaque<ZcDbOpaqueEntity>(r.type, r.line);
        if (r.type == "INSERT") parent = &r;
      }
      if (!r.obj || !r.obj->isKindOf(ZcDbEntity::desc())) {
        delete r.obj;
        r.obj = nullptr;
        continue;  // an entity kind the database does not keep
      }
      adopt(r);
      out.push_back(&r);
    }
  }

  void makeObjects() {
    for (Record* r : kept_) adopt(*r);
    for (auto& [name, ents] : blockEntities_) entityList(ents, blockEntityPtrs_[name]);
    for (auto& list : entityRecords_) entityList(list, modelEntities_);
    for (Record& r : objectRecords_) {
      r.obj = MakeObject(r.type);
      if (!r.obj) r.obj = MakeOpaque<ZcDbOpaqueObject>(r.type, r.line);
      if (r.obj->isKindOf(ZcDbEntity::desc()) || r.obj->isKindOf(ZcDbSymbolTableRecord::desc())) {
        delete r.obj;
        r.obj = nullptr;
        continue;
      }
      adopt(r);
      if (!root_ && r.obj->isKindOf(ZcDbDictionary::desc())) root_ = &r;
    }
    for (Record* r : unhandled_) d_.adopt(r->obj, ZcDbObjectId());
  }

  // --- Links ---------------------------------------------------------------------------------

  void link() {
    for (auto& [rec, table] : recordOf_) {
      rec->obj->state().owner = table->obj->objectId();
      static_cast<ZcDbSymbolTable*>(table->obj)->adoptRecord(rec->obj->objectId());
    }
    // table records keep file order
    for (auto& list : tableRecords_) {
      for (Record& r : list)
        if (r.type == "TABLE" && r.obj) {
          std::string_view name = tableName_[&r];
          ZcDbObjectId id = r.obj->objectId();
          if (name == "LAYER") d_.layerTable = id;
          else if (name == "LTYPE") d_.linetypeTable = id;
          else if (name == "STYLE") d_.textStyleTable = id;
          else if (name == "APPID") d_.regAppTable = id;
          else if (name == "VIEW") d_.viewTable = id;
          else if (name == "BLOCK_RECORD") d_.blockTable = id;
        }
    }
    keepTables();
    sortTableRecords();
  }

  // The tables of kinds not modelled, each with its records in file order.
  void keepTables() {
    for (auto& list : tableRecords_) {
      ZcDbDatabaseImpl::KeptTable* table = nullptr;
      for (Record& r : list) {
        if (r.type == "ENDTAB") table = nullptr;
        else if (r.type == "TABLE") {
          table = nullptr;
          if (dynamic_cast<ZcDbOpaqueObject*>(r.obj)) {
            d_.keptTables.push_back({std::string(tableName_[&r]), r.obj->objectId(), {}});
            table = &d_.keptTables.back();
          }
        } else if (table && r.obj) {
          r.obj->state().owner = table->head;
          table->records.push_back(r.obj->objectId());
        }
      }
    }
  }

  void sortTableRecords() {
    // adoptRecord above ran in map order; rebuild each table's order from the file
    std::map<ZcDbObject*, std::vector<ZcDbObjectId>> order;
    for (auto& list : tableRecords_) {
      Record* table = nullptr;
      for (Record& r : list) {
        if (r.type == "TABLE") table = &r;
        else if (r.type != "ENDTAB" && r.obj && table && table->obj && table->obj->isKindOf(ZcDbSymbolTable::desc()))
          order[table->obj].push_back(r.obj->objectId());
      }
    }
    for (auto& [table, ids] : order) {
      auto* t = static_cast<ZcDbSymbolTable*>(table);
      for (ZcDbObjectId id : ids) t->forgetRecord(id);
      for (ZcDbObjectId id : ids) t->adoptRecord(id);
    }
  }

  ZcDbBlockTableRecord* blockNamed(const std::wstring& name, int line) {
    if (d_.blockTable.isNull()) {
      d_.blockTable = d_.adopt(new ZcDbBlockTable, ZcDbObjectId());
    }
    auto* bt = d_.objectAs<ZcDbSymbolTable>(d_.blockTable);
    ZcDbObjectId id;
    if (bt->getAt(name.c_str(), id) != Zcad::eOk) {  // files without block records
      auto* btr = new ZcDbBlockTableRecord;
      auto text = blockNameText_.find(name);
      bool anonymous = text != blockNameText_.end() && name.size() > 1 && name[0] == L'*' &&
                       ZcDbSymbolTableRecord::isValidName(name.c_str() + 1);
      if (anonymous) {  // "*D1", "*U2": named as a block record of the file would be
        ZcDbDxfPair pair{2, text->second, line};
        ZcDbDxfFiler f(&pair, 1, &db_);
        btr->dxfInFields(&f);
      } else if (btr->setName(name.c_str()) != Zcad::eOk) {
        delete btr;
        Fail(line, L"the block name \"" + name + L"\" is not valid");
      }
      id = d_.adopt(btr, d_.blockTable);
      bt->adoptRecord(id);
    }
    return d_.objectAs<ZcDbBlockTableRecord>(id);
  }

  void readRecord(Record& r) {
    expand(r);
    ZcDbDxfFiler f(r.first, r.count, &db_);
    Zcad::ErrorStatus es = r.obj->dxfInFields(&f);
    if (es != Zcad::eOk || f.hasError())
      Fail(f.errorLine() ? f.errorLine() : r.line,
           f.hasError() ? f.error() : L"the " + Wide(r.type) + L" record cannot be read");
  }

  void readFields() {
    for (auto& list : tableRecords_)
      for (Record& r : list)
        if (r.obj && (r.type != "TABLE" || dynamic_cast<ZcDbOpaqueObject*>(r.obj))) {
          readRecord(r);
          // a block that cannot be named in the BLOCKS section could not be written back
          auto* btr = dynamic_cast<ZcDbBlockTableRecord*>(r.obj);
          if (btr && btr->name().empty()) Fail(r.line, L"a block record without a name");
          if (btr && !Printable(btr->name())) Fail(r.line, L"a block name holding a control character");
        }
    d_.completeTables();  // files without tables (or without their required records)
    // every block first (a file without block records makes them here), so that references
    // find theirs whatever the order; then the entities of each block, the block origins
    for (auto& [name, line] : blockLines_) blockNamed(name, line);
    for (auto& [name, ents] : blockEntityPtrs_) {
      ZcDbBlockTableRecord* btr = blockNamed(name, blockLines_[name]);
      for (Record* r : ents) placeEntity(*r, btr);
    }
    auto* bt = d_.blockTable.isNull() ? nullptr : d_.objectAs<ZcDbSymbolTable>(d_.blockTable);
    if (bt)
      for (ZcDbObjectId id : bt->recordIds()) {
        auto* btr = d_.objectAs<ZcDbBlockTableRecord>(id);
        auto it = blockBegins_.find(zcdb::FoldKey(btr->name()));
        if (it == blockBegins_.end()) continue;
        btr->state().writer = true;
        btr->setOrigin(it->second.origin);
        btr->setXref(it->second.xrefFlags, it->second.xrefPath);
        btr->state().writer = false;
      }
    refuseBlockCycles();
    ZcDbBlockTableRecord* model = blockNamed(ZCDB_MODEL_SPACE, 0);
    ZcDbBlockTableRecord* paper = blockNamed(ZCDB_PAPER_SPACE, 0);
    d_.modelSpace = model->objectId();
    d_.paperSpace = paper->objectId();
    for (Record* r : modelEntities_) {
      bool inPaper = false;
      for (auto& p : expand(*r))
        if (p.code == 67 && Trim(p.value) == "1") inPaper = true;
      placeEntity(*r, inPaper ? paper : model);
    }
    for (auto& pass : {0, 1})
      for (Record& r : objectRecords_)
        if (r.obj && (pass == 0) == r.obj->isKindOf(ZcDbDictionary::desc())) readRecord(r);
  }

  // A block that holds a reference to itself, directly or through other blocks, has no
  // end: such a file is refused, naming the blocks of the cycle and the reference closing it.
  // So is one whose blocks nest deeper than any drawing needs (kMaxNesting levels): every
  // walk through a reference's contents, drawing it or measuring it, goes down level by level.
  void refuseBlockCycles() {
    constexpr std::size_t kMaxNesting = 256;
    std::map<std::uint32_t, std::vector<std::pair<std::uint32_t, int>>> holds;  // block slot -> (block, line)
    for (auto& [name, ents] : blockEntityPtrs_)
      for (Record* r : ents)
        if (auto* ref = dynamic_cast<ZcDbBlockReference*>(r->obj))
          holds[r->obj->ownerId().slot()].emplace_back(ref->blockTableRecord().slot(), r->line);
    std::map<std::uint32_t, int> state;  // 1 on the current path, 2 done
    std::map<std::uint32_t, std::size_t> depth;  // the levels of a block done, itself the first
    struct Step {
      std::uint32_t block;
      std::size_t next;  // the next of its references to follow
    };
    for (auto& [start, unused] : holds) {
      if (state[start] != 0) continue;
      std::vector<Step> path{{start, 0}};  // a stack of its own: nesting may be deep
      state[start] = 1;
      while (!path.empty()) {
        Step& top = path.back();
        const auto& refs = holds[top.block];
        if (top.next == refs.size()) {
          state[top.block] = 2;
          std::size_t levels = 1;
          for (const auto& ref : refs) levels = std::max(levels, depth[ref.first] + 1);
          depth[top.block] = levels;
          if (levels > kMaxNesting)
            Fail(blockLines_[nameOf(top.block)], L"the block \"" + nameOf(top.block) + L"\" nests blocks " +
                                                     std::to_wstring(levels) + L" levels deep; at most " +
                                                     std::to_wstring(kMaxNesting) + L" can be read");
          path.pop_back();
          continue;
        }
        std::uint32_t inner = refs[top.next].first;
        int line = refs[top.next].second;
        ++top.next;
        if (state[inner] == 1) {
          std::wstring names;
          auto at = std::find_if(path.begin(), path.end(), [&, block = inner](const Step& s) { return s.block == block; });
          for (auto it = at; it != path.end(); ++it) names += L"\"" + nameOf(it->block) + L"\" -> ";
          Fail(line, L"a cycle of block references: " + names + L"\"" + nameOf(inner) + L"\"");
        }
        if (state[inner] == 0) {
          state[inner] = 1;
          path.push_back({inner, 0});
        }
      }
    }
  }

  std::wstring nameOf(std::uint32_t slot) const {
    auto* btr = dynamic_cast<ZcDbBlockTableRecord*>(d_.object(slot));
    return btr ? btr->name() : std::wstring();
  }

  // Block names are looked up and written whole: a control character (a NUL above all)
  // would make one block two.
  static bool Printable(const std::wstring& name) {
    for (wchar_t c : name)
      if (c < 0x20) return false;
    return true;
  }

  static std::string_view Trim(std::string_view v) {
    while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\r')) v.remove_suffix(1);
    return v;
  }

  void placeEntity(Record& r, ZcDbBlockTableRecord* btr) {
    readRecord(r);
    r.obj->state().owner = btr->objectId();
    btr->adoptEntity(r.obj->objectId());
    if (auto it = attributes_.find(&r); it != attributes_.end()) {
      auto* ref = static_cast<ZcDbBlockReference*>(r.obj);
      for (Record* a : it->second) {
        readRecord(*a);
        a->obj->state().owner = ref->objectId();
        ref->adoptAttributeId(a->obj->objectId());
      }
    }
    if (auto it = vertices_.find(&r); it != vertices_.end()) {
      auto* pl = dynamic_cast<ZcDbVertexPolyline*>(r.obj);
      auto* kept = dynamic_cast<ZcDbOpaqueEntity*>(r.obj);
      for (Record* v : it->second) {
        ZcDbDxfFiler f(expand(*v).first, v->count, &db_);
        Zcad::ErrorStatus es = pl ? pl->dxfInVertex(&f) : kept->dxfInVertex(&f);
        if (es != Zcad::eOk || f.hasError()) Fail(f.errorLine() ? f.errorLine() : v->line, f.error());
      }
    }
  }

  // --- Finishing -----------------------------------------------------------------------------
  void finish() {
    if (root_ && root_->obj->isKindOf(ZcDbDictionary::desc())) {
      d_.nod = root_->obj->objectId();
      root_->obj->state().owner.setNull();
      ZcDbObjectId groups;
      if (static_cast<ZcDbDictionary*>(root_->obj)->getAt(L"ACAD_GROUP", groups) == Zcad::eOk &&
          groups.objectClass()->isDerivedFrom(ZcDbDictionary::desc()))
        d_.groupDict = groups;
    }
    // extension dictionaries belong to the object that names them
    for (const auto& o : d_.slots)
      if (ZcDbObject* x = zcdb::ObjectOf(o->state().xdict)) {
        if (x->isKindOf(ZcDbDictionary::desc())) x->state().owner = o->objectId();
        else o->state().xdict.setNull();
      }
    d_.completeDrawing();
    headerValues();
  }

  void headerValues() {
    auto value = [&](const char* name, int code) -> const ZcDbDxfPair* {
      auto it = headerVars_.find(name);
      if (it == headerVars_.end()) return nullptr;
      for (auto& p : it->second)
        if (p.code == code) return &p;
      return nullptr;
    };
    std::vector<ZcDbDxfPair> none;
    ZcDbDxfFiler f(none, &db_);
    auto record = [&](const char* name, int code, ZcDbObjectId table, ZcDbObjectId& slot) {
      if (const ZcDbDxfPair* p = value(name, code)) {
        ZcDbObjectId id = zcdb::RecordByName(&db_, table, f.toString(*p));
        if (!id.isNull()) slot = id;
      }
    };
    record("$CLAYER", 8, d_.layerTable, d_.clayer);
    record("$CELTYPE", 6, d_.linetypeTable, d_.celtype);
    record("$TEXTSTYLE", 7, d_.textStyleTable, d_.textstyle);
    auto real = [&](const char* name, double& slot, bool positive) {
      if (const ZcDbDxfPair* p = value(name, 40)) {
        double v = f.toDouble(*p);
        if (!positive || v > 0) slot = v;
      }
    };
    real("$CELTSCALE", d_.celtscale, true);
    real("$TEXTSIZE", d_.textsize, true);
    real("$DIMASZ", d_.dimasz, false);
    real("$DIMSCALE", d_.dimscale, false);
    real("$LTSCALE", d_.ltscale, true);
    if (const ZcDbDxfPair* p = value("$CECOLOR", 62)) {
      long long c = f.toInt(*p);
      if (c >= 0 && c <= 256) d_.cecolor.setColorIndex(static_cast<std::uint16_t>(c));
    }
    if (const ZcDbDxfPair* p = value("$CELWEIGHT", 370)) {
      long long w = f.toInt(*p);
      if (ZcDb::isValidLineWeight(w)) d_.celweight = static_cast<ZcDb::LineWeight>(w);
    }
    auto point = [&](const char* name, ZcGePoint3d& into) {
      auto it = headerVars_.find(name);
      if (it == headerVars_.end() || it->second.empty()) return;
      ZcDbDxfFiler g(it->second, &db_);
      ZcDbDxfPair p;
      if (g.nextAny(p) && p.code == 10) into = g.toPoint3d(p);
      if (g.hasError()) Fail(g.errorLine(), g.error());
    };
    point("$INSBASE", d_.insbase);
    point("$UCSORG", d_.ucsorg);
    if (f.hasError()) Fail(f.errorLine(), f.error());
    d_.codePage = 1250;  // later reads (data lists) see text as this database writes it
  }

  std::string_view text_;
  bool utf8Mark_ = false;
  ZcDbDatabase& db_;
  ZcDbDatabaseImpl& d_;
  std::vector<ZcDbDxfPair> buffer_;  // the groups of the record last expanded
  Record* expanded_ = nullptr;
  std::map<std::string, std::vector<ZcDbDxfPair>> headerVars_;
  std::vector<std::vector<Record>> tableRecords_;
  std::vector<Record*> kept_;
  std::map<Record*, Record*> recordOf_;
  std::map<Record*, std::string_view> tableName_;
  std::set<std::string> tablesSeen_;  // the names of the tables kept, to refuse a second one
  std::vector<std::pair<std::wstring, std::vector<Record>>> blockEntities_;
  std::map<std::wstring, std::vector<Record*>> blockEntityPtrs_;
  // What a BLOCK record gives its block: the origin, and for a reference to another
  // drawing its flags (4 external, 8 overlay) and the drawing's path.
  struct BlockBegin {
    ZcGePoint3d origin;
    int xrefFlags = 0;
    std::wstring xrefPath;
  };
  std::map<std::wstring, BlockBegin> blockBegins_;
  std::map<std::wstring, int> blockLines_;  // the line of each BLOCK record, by its name
  std::map<std::wstring, std::string_view> blockNameText_;  // its name as the file has it
  std::vector<std::vector<Record>> entityRecords_;
  std::vector<Record*> modelEntities_;
  std::vector<Record> objectRecords_;
  std::map<Record*, std::vector<Record*>> attributes_, vertices_;
  std::vector<Record*> unhandled_;
  Record* root_ = nullptr;
};

}  // namespace

Zcad::ErrorStatus ZcDbDatabase::readDxfText(const std::string& text) {
  auto fresh = std::make_unique<ZcDbDatabase>(false, true);
  try {
    DxfReader(text, *fresh).run();
  } catch (const ReadError& e) {
    impl_->readError = L"line " + std::to_wstring(e.line) + L": " + e.message;
    return Zcad::eBadDxfFile;
  } catch (const std::bad_alloc&) {
    impl_->readError = L"the drawing is too large to read";
    return Zcad::eOutOfMemory;
  }
  // The read drawing becomes this database's content under the new serial, so that ids
  // given out for the old content are detectably invalid; the old content leaves with
  // the temporary database.
  std::wstring fileName = impl_->fileName;
  std::swap(impl_, fresh->impl_);
  impl_->self = this;
  fresh->impl_->self = fresh.get();
  for (auto& o : impl_->slots) o->state().db = this;
  for (auto& o : fresh->impl_->slots) o->state().db = fresh.get();
  zcdb::RebindDatabase(impl_->serial, this);
  zcdb::RebindDatabase(fresh->impl_->serial, fresh.get());
  impl_->fileName = fileName;
  impl_->readError.clear();
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDatabase::readDwgFile(const wchar_t* fileName, int, bool, const wchar_t*) {
  if (!fileName || !*fileName) return Zcad::eInvalidInput;
  std::string text;
  int error = 0;
  if (!platform::ReadRegularFile(fileName, text, error)) {
    impl_->readError = error == ENOENT    ? L"there is no such file"
                       : error == EISDIR  ? L"it is a folder, not a drawing file"
                       : error == ENODEV  ? L"it is not a regular file (a pipe or a device), not a drawing file"
                       : error == EBUSY   ? L"it cannot be read: another program holds it"
                       : error == EACCES  ? L"it cannot be read: permission denied"
                       : error == ENOMEM  ? L"the drawing is too large to read"
                                          : L"it cannot be read: " + platform::FromUtf8(std::strerror(error));
    return error == ENOENT ? Zcad::eFileNotFound : error == ENOMEM ? Zcad::eOutOfMemory : Zcad::eFileAccessErr;
  }
  if (text.compare(0, 4, "AC10") == 0) {
    impl_->readError = L"line 1: a binary drawing, not a DXF text file";
    return Zcad::eBadDxfFile;
  }
  if (text.compare(0, 18, "AutoCAD Binary DXF") == 0) {
    impl_->readError = L"line 1: a binary DXF file, not a DXF text file; save it from its program as DXF text";
    return Zcad::eBadDxfFile;
  }
  Zcad::ErrorStatus es = readDxfText(text);
  if (es == Zcad::eOk) impl_->fileName = fileName;
  return es;
}
