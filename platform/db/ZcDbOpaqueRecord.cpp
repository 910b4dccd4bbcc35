// The record type and kept groups shared by the entities and objects kept as read.
#include "db/ZcDbOpaqueRecord.h"

#include "db/OpaqueGroups.h"

ZcDbOpaqueRecord::ZcDbOpaqueRecord(std::string type)
    : type_(std::move(type)), groups_(std::make_unique<zcdb::OpaqueGroups>()) {}
ZcDbOpaqueRecord::~ZcDbOpaqueRecord() = default;

std::vector<std::pair<int, std::wstring>> ZcDbOpaqueRecord::groups() const { return groups_->groups(); }
