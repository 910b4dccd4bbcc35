// The live length text of the measuring tape: an MText at the tape's end, turned along
// the curve, that reads the length with two decimals. Attached by the measuring command.
#ifndef CONSTRUCTION_MEASURE_TEXT_H
#define CONSTRUCTION_MEASURE_TEXT_H

#include "construction/Fastrelle_Observer.h"
#include "db/ZcDbObjectId.h"

/// Owns one MText in model space, made empty at the origin on construction and erased
/// with the observer, so nothing of the preview outlives the command.
class Measure_Text : public Fastrelle_Observer {
public:
  Measure_Text();
  ~Measure_Text() override;
  Measure_Text(const Measure_Text&) = delete;
  Measure_Text& operator=(const Measure_Text&) = delete;
  /// Text = the length ("%0.2f"), height = "VIEWSIZE" / 30, at the end point, rotated
  /// to run along the curve (the normal's angle + π/2).
  void OnMove() override;
  ZcDbObjectId Id() const { return m_id; }

private:
  ZcDbObjectId m_id;
};

#endif
