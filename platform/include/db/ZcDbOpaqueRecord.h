// What entities and objects of kinds the database does not model share: the record type
// and the groups kept as read. ZcDbOpaqueEntity and ZcDbOpaqueObject derive from it beside
// their database base; callers inspect kept records through it.
#ifndef PLATFORM_DB_ZCDBOPAQUERECORD_H
#define PLATFORM_DB_ZCDBOPAQUERECORD_H

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zcdb {
class OpaqueGroups;
}

/// The groups of a record kept as read, in file order, the handles among them following
/// the objects they name.
class ZcDbOpaqueRecord {
public:
  /// The DXF record type ("HATCH", "LAYOUT").
  const std::string& recordType() const { return type_; }
  /// The record's own groups in order, as code and DXF text (handles as hex).
  std::vector<std::pair<int, std::wstring>> groups() const;

protected:
  explicit ZcDbOpaqueRecord(std::string type);
  ZcDbOpaqueRecord(const ZcDbOpaqueRecord&) = delete;
  ZcDbOpaqueRecord& operator=(const ZcDbOpaqueRecord&) = delete;
  virtual ~ZcDbOpaqueRecord();

  std::string type_;
  std::unique_ptr<zcdb::OpaqueGroups> groups_;
};

#endif
