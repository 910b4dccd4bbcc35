// The symbols of a part at a picked place, each with its references over the part's sizes:
// what the grading commands grade when the user picks a grade point, a notch or another
// symbol. The part at the place comes from the parts model, which registers its lookup.
#ifndef SIZES_COLLECTSYMBOLSAT_H
#define SIZES_COLLECTSYMBOLSAT_H

#include <memory>
#include <vector>

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"
#include "sizes/Fastrelle_Points_Gradable.h"

/// What the parts model gives: the ids of the master (its group in size "0") of the part at
/// the point; false when no part lies there.
typedef bool (*PartMasterFinder)(const ZcGePoint3d& point, ZcDbObjectIdArray& masterIds);
/// Registers it (null: none); the module that builds parts does at start-up.
void SetPartMasterFinder(PartMasterFinder finder);

/// For each block referenced in the master of the part at `pick` within 5.0 of it, the
/// collection of the reference of that block nearest the pick (PointsFromReference): for a
/// grade point, the points of its number in every size, so a graded size whose other point
/// lies nearer the pick still gives the point of this place. 0; 374 when no part lies
/// there (or nothing is registered) or its master has no symbol that near.
int CollectSymbolsAt(const ZcGePoint3d& pick, std::vector<std::unique_ptr<Fastrelle_Points_Gradable>>& collections);

#endif
