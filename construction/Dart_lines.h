// The preview of a dart's two legs while the dart tool runs: two two-vertex polylines
// from the dart's points on the seam to the apex under the cursor. Attached by the dart
// command.
#ifndef CONSTRUCTION_DART_LINES_H
#define CONSTRUCTION_DART_LINES_H

#include "construction/Fastrelle_Observer.h"
#include "db/ZcDbObjectId.h"

/// Owns two lightweight polylines in model space, made at the origin on construction and
/// erased with the observer.
class Dart_lines : public Fastrelle_Observer {
public:
  Dart_lines();
  ~Dart_lines() override;
  Dart_lines(const Dart_lines&) = delete;
  Dart_lines& operator=(const Dart_lines&) = delete;
  /// Leg 1 from the dart's start to the apex, leg 2 from its end to the apex (X and Y);
  /// nothing unless the subject is the dart tool.
  void OnMove() override;
  ZcDbObjectId Leg(int i) const { return m_legs[i]; }

private:
  ZcDbObjectId m_legs[2];
};

#endif
