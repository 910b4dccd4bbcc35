// One corner joined in every size: the corner and its neighbours are grade-point numbers,
// so the same corner is found in each size by its cut and seam lines and joined there by
// the join object of the kind. Used by the MultiCorner command.
#ifndef CONSTRUCTION_FASTRELLE_CORNER_MULTIJOIN_H
#define CONSTRUCTION_FASTRELLE_CORNER_MULTIJOIN_H

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "construction/Fastrelle_Corner.h"
#include "mfc/CString.h"
#include "sizes/Fastrelle_SizePoint.h"

/// Grade-point numbers: K the corner, A the first cut line's far end, B the second's, N1
/// the seam line's far end, N2 the second seam line's (mode 2). "PICKSTYLE" as it was when
/// the object was built is written back when it is destroyed. The drawing's grade points are
/// gathered once per object, at the first look-up (joining corners moves none of them).
///
/// Statuses: 0; 55 a number outside 1 to the next free number; 22 and 130 a cut line not
/// found (Fastrelle_Curve); 374 the seam's group names no part; 506 no join object; the
/// joins' statuses.
class Fastrelle_Corner_MultiJoin {
public:
  explicit Fastrelle_Corner_MultiJoin(std::unique_ptr<Fastrelle_Corner> join);
  virtual ~Fastrelle_Corner_MultiJoin();
  Fastrelle_Corner_MultiJoin(const Fastrelle_Corner_MultiJoin&) = delete;
  Fastrelle_Corner_MultiJoin& operator=(const Fastrelle_Corner_MultiJoin&) = delete;

  /// Fills the join object for the size: the cut lines K-A and K-B, and the kind's seam
  /// lines (here the seam line K-N1, as modes 1, 3, 4 and 5 need). The first failure.
  virtual int PrepareInSize(const CString& size);
  /// For each size of the drawing in list order: PrepareInSize, whose failure names the
  /// size (its name and " !", then the status) and ends the run with that status; else
  /// the join, whose failure names the size the same way and the run goes on. The first
  /// join failure, or 0. 506 without a join object.
  virtual int RunInAllSizes();

  Fastrelle_Corner* Join() const { return m_join.get(); }
  const CString& SizeName() const { return m_size; }

  int m_corner = 0;
  int m_first = 0;
  int m_second = 0;
  int m_seam = 0;
  int m_seam2 = 0;

protected:
  /// C1 = the cut line K-A, C2 = K-B.
  int PrepareCutLines(const CString& size);
  /// 55 unless N1 is in range; S = the seam line K-N1.
  int PrepareSeam(const CString& size);
  /// 55 unless the number is in range; `seam` = the seam line from K to it (null: none).
  int PrepareSeamTo(const CString& size, int number, ZcDbObjectId& seam);
  /// 1 <= number <= the drawing's next free grade-point number.
  bool InRange(int number);
  /// The grade point of that number in the size (case aside); null when there is none.
  Fastrelle_SizePoint GradePoint(int number, const CString& size);

  std::unique_ptr<Fastrelle_Corner> m_join;
  CString m_size;

private:
  void GatherGradePoints();

  /// Number => (size name, grade point) in drawing order.
  std::map<int, std::vector<std::pair<CString, ZcDbObjectId>>> m_points;
  bool m_gathered = false;
  int m_next = 0;
  short m_pickStyle = 0;
  bool m_pickStyleRead = false;
};

/// Mode 0: the cut lines only; K, A and B checked first (55).
class Fastrelle_Corner_MultiJoin_ExtendCuts : public Fastrelle_Corner_MultiJoin {
public:
  Fastrelle_Corner_MultiJoin_ExtendCuts();
  int PrepareInSize(const CString& size) override;
};

/// Mode 1: the cut lines and the seam line K-N1.
class Fastrelle_Corner_MultiJoin_ExtendOneSeam : public Fastrelle_Corner_MultiJoin {
public:
  Fastrelle_Corner_MultiJoin_ExtendOneSeam();
};

/// Mode 2: the cut lines and both seam lines, K-N1 and K-N2.
class Fastrelle_Corner_MultiJoin_ExtendBothSeam : public Fastrelle_Corner_MultiJoin {
public:
  Fastrelle_Corner_MultiJoin_ExtendBothSeam();
  int PrepareInSize(const CString& size) override;
};

/// Modes 3 and 4: the cut lines and the seam line K-N1.
class Fastrelle_Corner_MultiJoin_Angle : public Fastrelle_Corner_MultiJoin {
public:
  explicit Fastrelle_Corner_MultiJoin_Angle(double angle);
};

/// Mode 5: the cut lines and the seam line K-N1; the direction flag starts at 1.
class Fastrelle_Corner_MultiJoin_ByMirrors : public Fastrelle_Corner_MultiJoin {
public:
  Fastrelle_Corner_MultiJoin_ByMirrors();
  void SetDirection(unsigned char direction);
};

#endif
