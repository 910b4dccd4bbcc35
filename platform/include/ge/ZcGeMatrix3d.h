// An affine transformation of space, as a 4×4 matrix acting on column vectors.
#ifndef PLATFORM_GE_ZCGEMATRIX3D_H
#define PLATFORM_GE_ZCGEMATRIX3D_H

#include "ge/ZcGePoint3d.h"
#include "ge/ZcGeVector3d.h"

class ZcGeMatrix3d {
public:
  static const ZcGeMatrix3d kIdentity;

  ZcGeMatrix3d();

  /// Moves by `v`.
  static ZcGeMatrix3d translation(const ZcGeVector3d& v);
  /// Turns by `angle` (counter-clockwise looking down `axis`) about the axis through `center`.
  static ZcGeMatrix3d rotation(double angle, const ZcGeVector3d& axis,
                               const ZcGePoint3d& center = ZcGePoint3d::kOrigin);
  /// Scales by `factor` about `center`.
  static ZcGeMatrix3d scaling(double factor, const ZcGePoint3d& center = ZcGePoint3d::kOrigin);
  /// Reflects about the point `center`.
  static ZcGeMatrix3d mirroring(const ZcGePoint3d& center);
  /// Reflects about the line through `p1` and `p2`, in the plane of the line and Z (for
  /// drawings in the XY plane: a mirror about that line). Identity when the points coincide.
  static ZcGeMatrix3d mirroring(const ZcGePoint3d& p1, const ZcGePoint3d& p2);

  ZcGeMatrix3d& setToIdentity();
  ZcGeMatrix3d& setToTranslation(const ZcGeVector3d& v) { return *this = translation(v); }
  ZcGeMatrix3d& setToRotation(double angle, const ZcGeVector3d& axis,
                              const ZcGePoint3d& center = ZcGePoint3d::kOrigin) {
    return *this = rotation(angle, axis, center);
  }
  ZcGeMatrix3d& setToScaling(double factor, const ZcGePoint3d& center = ZcGePoint3d::kOrigin) {
    return *this = scaling(factor, center);
  }
  /// The translation part (the last column).
  ZcGeVector3d translation() const { return {entry[0][3], entry[1][3], entry[2][3]}; }
  ZcGeMatrix3d& setTranslation(const ZcGeVector3d& v);
  /// The largest scale the matrix applies to a vector.
  double scale() const;
  double det() const;
  /// The inverse; the identity when the matrix cannot be inverted.
  ZcGeMatrix3d inverse() const;
  bool isSingular(const ZcGeTol& tol = ZcGeContext::gTol) const;
  bool isEqualTo(const ZcGeMatrix3d& m, const ZcGeTol& tol = ZcGeContext::gTol) const;

  ZcGeMatrix3d operator*(const ZcGeMatrix3d& m) const;
  ZcGeMatrix3d& preMultBy(const ZcGeMatrix3d& left) { return *this = left * *this; }
  ZcGeMatrix3d& postMultBy(const ZcGeMatrix3d& right) { return *this = *this * right; }
  bool operator==(const ZcGeMatrix3d& m) const { return isEqualTo(m); }
  bool operator!=(const ZcGeMatrix3d& m) const { return !isEqualTo(m); }
  double operator()(unsigned row, unsigned col) const { return entry[row][col]; }
  double& operator()(unsigned row, unsigned col) { return entry[row][col]; }

  double entry[4][4];
};

#endif
