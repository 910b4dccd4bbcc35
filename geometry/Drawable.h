// Something that draws entities into the drawing and tells their ids afterwards; the base of
// the region makers (the quick-form command reads the regions a trace made through it).
#ifndef GEOMETRY_DRAWABLE_H
#define GEOMETRY_DRAWABLE_H

#include "db/ZcDbObjectId.h"

class Drawable {
public:
  virtual ~Drawable() = default;
  /// Draws; 0 on success, a status otherwise.
  virtual int Draw() = 0;
  /// The ids of the entities drawn so far.
  virtual const ZcDbObjectIdArray& GetIds() const { return m_ids; }

protected:
  ZcDbObjectIdArray m_ids;
};

/// A drawable that makes regions.
class RegionCreator : public Drawable {};

#endif
