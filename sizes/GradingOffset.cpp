// MakeGradingOffset.
#include "sizes/GradingOffset.h"

#include "sizes/Fastrelle_Point_Gradable.h"

GradingOffset& MakeGradingOffset(GradingOffset& offset, const CString& size, ZcDbObjectId point, ZcDbObjectId reference) {
  Fastrelle_Point_Gradable p(point), q(reference);
  if (!p.IsReference() || !q.IsReference()) {
    offset.size.Empty();
    offset.DX = offset.DY = 0.0;
    return offset;
  }
  offset.size = size;
  offset.DX = p.GetPosition().x - q.GetPosition().x;
  offset.DY = p.GetPosition().y - q.GetPosition().y;
  return offset;
}
