// What the size tools ask of the parts model, which is built above the sizes: the drawing's
// parts and the groups that hold a part in one size. The parts model registers its
// implementation once at start-up (RegisterPartServices); the size tools, the size rules
// dialog and AddPointIntersecting reach parts only through it.
#ifndef SIZES_PARTGROUPSLINK_H
#define SIZES_PARTGROUPSLINK_H

#include <vector>

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

/// A part's group in a size is "<part>|<size>"; its master is its group in size "0".
/// Statuses follow the part-in-size group: 0; 20 no such group; host statuses otherwise.
class PartGroupsLink {
public:
  virtual ~PartGroupsLink() = default;
  /// The names of the drawing's parts, in the order of its part records.
  virtual std::vector<CString> PartNames() = 0;
  /// The part holding the entity: its name and quantity; false when it is in no part.
  virtual bool PartOf(ZcDbObjectId entity, CString& part, int& quantity) = 0;
  /// The members of the part's group in the size, in group order (20 when none).
  virtual int GroupIds(const CString& part, const CString& size, ZcDbObjectIdArray& ids) = 0;
  /// The members of the group on the size's seam, cut and extra-elements layers.
  virtual int SplitByLineKind(const CString& part, const CString& size, ZcDbObjectIdArray& seam,
                              ZcDbObjectIdArray& cut, ZcDbObjectIdArray& tech) = 0;
  /// Puts the entities on the size's layer of the kind (1 seam, 2 extra elements, 3 cut)
  /// with that kind's linetype and scale, and into the group (made when missing).
  virtual int PutOnLayer(const CString& part, const CString& size, int kind, const ZcDbObjectIdArray& ids) = 0;
  /// The group of the part in size `from` takes the name of the part in size `to`.
  virtual int RenameSizeOfGroup(const CString& part, const CString& from, const CString& to) = 0;
  /// Erases the group and every member (20 when there is none).
  virtual int EraseGroup(const CString& part, const CString& size) = 0;
  /// A grade point numbered `number` at the point in every size and "0", each in the part's
  /// group there.
  virtual int AddGradePointInAllSizes(const CString& part, const ZcGePoint3d& point, int number) = 0;
  /// Splits the group's curves passing through the point there.
  virtual int SplitCurvesAtPoint(const CString& part, const CString& size, const ZcGePoint3d& point) = 0;
};

/// Registers the parts model's link (null: none). The module that builds parts does at
/// start-up and takes it back at unload.
void SetPartGroupsLink(PartGroupsLink* link);
/// The registered link; null when no parts model is registered.
PartGroupsLink* GetPartGroupsLink();

#endif
