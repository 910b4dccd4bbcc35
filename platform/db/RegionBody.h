// The text body that files a region's exact boundary in a REGION record, and the reading
// of the older body of bulge loops. Private to platform/db; ZcDbRegion uses it.
#ifndef PLATFORM_DB_REGIONBODY_H
#define PLATFORM_DB_REGIONBODY_H

#include <string>
#include <vector>

#include "ge/ZcGeRegion.h"

namespace zcdb {

/// The body lines of `region` (plain text, before the modeler encoding); see RegionBody.cpp.
std::vector<std::string> WriteRegionBody(const ZcGeRegion& region);

/// Whether `firstLine` opens a body in one of the layouts above (else it is another modeler's).
bool IsOwnRegionBody(const std::string& firstLine);

/// Reads body lines in either layout into `region`; false (region unchanged) when they do
/// not describe closed loops.
bool ReadRegionBody(const std::vector<std::string>& lines, ZcGeRegion& region);

}  // namespace zcdb

#endif
