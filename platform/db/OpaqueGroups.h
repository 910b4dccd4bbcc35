// The groups of a record whose kind the database keeps without modelling it (an entity or
// an object another program wrote): kept in file order and written back as read, with the
// handles they refer to held as ids so that they follow the objects' handles. Used by
// ZcDbOpaqueEntity and ZcDbOpaqueObject; private to platform/db.
#ifndef PLATFORM_DB_OPAQUEGROUPS_H
#define PLATFORM_DB_OPAQUEGROUPS_H

#include <string>
#include <vector>

#include "db/ZcDbDxfFiler.h"
#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"

class ZcDbIdTranslator;

namespace zcdb {

class OpaqueGroups {
public:
  /// Which groups of the record the object and entity bases read and write themselves; a
  /// vertex of a kept polyline leaves only its handle, owner and layer to its polyline, an
  /// attribute of a kept block reference (an array of a block) its handle and owner.
  enum class Base { kObject, kEntity, kVertex, kAttribute };

  /// Reads every group of the record the base does not own: the common entity segment's
  /// other groups, then the record's own segments up to its XData. Numbers are checked
  /// (the filer's error names the line of one that is not finite); handles are resolved.
  /// Returns the owner the record names (its first 330 outside a 102 group). A record of
  /// the older form without subclass markers gets the markers its kind has in the form
  /// the file writer writes (solids, traces, 3D faces, dimensions).
  ZcDbObjectId read(ZcDbDxfFiler* filer, Base base, const std::string& dxfName);
  /// The groups of the common entity segment the entity base does not write.
  void writeEntityExtras(ZcDbDxfFiler* filer) const;
  /// The record's own groups.
  void writeBody(ZcDbDxfFiler* filer) const;
  void translateIds(ZcDbIdTranslator& translator);
  /// The plain points of the record (10-13 groups with their y and z), as `dxfName`'s
  /// layout allows: directions, elevations and clone points are left out; none for
  /// infinite lines or a record in an object coordinate system other than the world's.
  std::vector<ZcGePoint3d> points(const std::string& dxfName) const;
  /// The groups as code and DXF text, for callers that inspect them.
  std::vector<std::pair<int, std::wstring>> groups() const;
  /// The records that follow a kept record, in order: the VERTEX records of a POLYLINE (meshes
  /// and face sets), the ATTRIB records of an INSERT (an array of a block).
  std::vector<OpaqueGroups>& vertices() { return vertices_; }
  const std::vector<OpaqueGroups>& vertices() const { return vertices_; }

private:
  enum class Kind { kRaw, kText, kRef };
  struct Group {
    int code = 0;
    Kind kind = Kind::kRaw;
    std::string raw;    // numbers and other values as read; an unresolved handle
    std::wstring text;  // strings, decoded
    ZcDbObjectId ref;   // handle references
  };
  static void readGroup(ZcDbDxfFiler* filer, const ZcDbDxfPair& pair, std::vector<Group>& into);
  static void writeGroups(ZcDbDxfFiler* filer, const std::vector<Group>& groups);
  static double number(const Group& g);
  void addMarkers(const std::string& dxfName);

  int intValue(int code) const;

  std::vector<Group> extras_;  // of the common entity segment
  std::vector<Group> body_;
  std::vector<OpaqueGroups> vertices_;
};

}  // namespace zcdb

#endif
