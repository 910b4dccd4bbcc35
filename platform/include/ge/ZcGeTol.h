// Tolerances of geometric comparisons.
#ifndef PLATFORM_GE_ZCGETOL_H
#define PLATFORM_GE_ZCGETOL_H

/// Two tolerances: points closer than equalPoint() are the same point; unit vectors whose
/// difference is shorter than equalVector() are the same direction. Both default to 1e-10
/// (drawing units are millimetres: far below anything a pattern maker can draw).
class ZcGeTol {
public:
  ZcGeTol() = default;
  double equalPoint() const { return equalPoint_; }
  double equalVector() const { return equalVector_; }
  void setEqualPoint(double tol) { equalPoint_ = tol; }
  void setEqualVector(double tol) { equalVector_ = tol; }

private:
  double equalPoint_ = 1e-10;
  double equalVector_ = 1e-10;
};

/// The global geometric context: the default tolerance every comparison uses.
struct ZcGeContext {
  static ZcGeTol gTol;
};

#endif
