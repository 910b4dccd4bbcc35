// Joining one picked corner in every size: the picks of the single-corner command of the
// kind give the corner's grade-point numbers, then the multi-size join of the same kind
// runs over the drawing's sizes around a zoom to the part. Used by the MultiCorner command.
#ifndef CONSTRUCTION_FASTRELLE_CORNER_MULTIJOIN_CMD_H
#define CONSTRUCTION_FASTRELLE_CORNER_MULTIJOIN_CMD_H

#include <memory>

#include "construction/Fastrelle_Corner_Join_Cmd.h"
#include "construction/Fastrelle_Corner_MultiJoin.h"

/// Statuses: 0; 20073 no single-corner command; 55 a corner number out of range; 180 a
/// cancelled pick; 374 the corner's part has no name or a quantity below 1; the run's.
class Fastrelle_Corner_MultiJoin_Cmd {
public:
  Fastrelle_Corner_MultiJoin_Cmd(std::unique_ptr<Fastrelle_Corner_Join_Cmd> picker,
                                 std::unique_ptr<Fastrelle_Corner_MultiJoin> multi)
      : m_picker(std::move(picker)), m_multi(std::move(multi)) {}
  virtual ~Fastrelle_Corner_MultiJoin_Cmd() = default;
  Fastrelle_Corner_MultiJoin_Cmd(const Fastrelle_Corner_MultiJoin_Cmd&) = delete;
  Fastrelle_Corner_MultiJoin_Cmd& operator=(const Fastrelle_Corner_MultiJoin_Cmd&) = delete;

  /// Saves the view and zooms to the part of the picked first cut line; the part of grade
  /// point K in the base size must have a name and a quantity of at least 1 (else 374,
  /// printed as "Fastrelle_Corner_MultiJoin_Cmd::Run"); zooms to its extents grown by 10.0
  /// and runs the join in all sizes. The view is restored and deleted on every path.
  virtual int Run();
  /// The picks (their highlight taken off again); the corner numbers K, A, B and N1 of the
  /// picked cut lines and seam line; the mirrors' direction; 55 unless K, A and B lie in
  /// range.
  virtual int Prepare();

  Fastrelle_Corner_MultiJoin* Multi() const { return m_multi.get(); }

protected:
  std::unique_ptr<Fastrelle_Corner_Join_Cmd> m_picker;
  std::unique_ptr<Fastrelle_Corner_MultiJoin> m_multi;
};

/// Mode 0: the two cut lines picked.
class Fastrelle_Corner_MultiJoin_ExtendCuts_Cmd : public Fastrelle_Corner_MultiJoin_Cmd {
public:
  Fastrelle_Corner_MultiJoin_ExtendCuts_Cmd();
};

/// Mode 1: seam line and cut lines picked.
class Fastrelle_Corner_MultiJoin_ExtendOneSeam_Cmd : public Fastrelle_Corner_MultiJoin_Cmd {
public:
  Fastrelle_Corner_MultiJoin_ExtendOneSeam_Cmd();
};

/// Modes 3 (90.0) and 4 (45.0).
class Fastrelle_Corner_MultiJoin_Angle_Cmd : public Fastrelle_Corner_MultiJoin_Cmd {
public:
  explicit Fastrelle_Corner_MultiJoin_Angle_Cmd(double angle);
};

/// Mode 5: the direction decided while picking is the one used in every size.
class Fastrelle_Corner_MultiJoin_ByMirrors_Cmd : public Fastrelle_Corner_MultiJoin_Cmd {
public:
  Fastrelle_Corner_MultiJoin_ByMirrors_Cmd();
};

/// Mode 2: also N2, the picked second seam line's end that is not K; the cut lines' far
/// ends swapped when A is N1.
class Fastrelle_Corner_MultiJoin_ExtendBothSeam_Cmd : public Fastrelle_Corner_MultiJoin_Cmd {
public:
  Fastrelle_Corner_MultiJoin_ExtendBothSeam_Cmd();
  int Prepare() override;
};

/// The multi-size command of a mode (0 to 5); null for any other.
std::unique_ptr<Fastrelle_Corner_MultiJoin_Cmd> CreateCornerMultiJoinCmd(int mode);

#endif
