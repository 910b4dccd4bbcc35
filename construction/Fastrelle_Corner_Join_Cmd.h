// Joining one corner the user picks: the picks of each join kind, the view around the work
// and the join itself. The Corner command runs one; the MultiCorner command picks with one
// and takes the corner's grade-point numbers from it.
#ifndef CONSTRUCTION_FASTRELLE_CORNER_JOIN_CMD_H
#define CONSTRUCTION_FASTRELLE_CORNER_JOIN_CMD_H

#include <memory>

#include "construction/Fastrelle_Corner.h"

/// Owns the join object of its kind. Statuses: the join's; 180 a pick cancelled; 374 a
/// highlighted curve that no longer opens.
class Fastrelle_Corner_Join_Cmd {
public:
  explicit Fastrelle_Corner_Join_Cmd(std::unique_ptr<Fastrelle_Corner> join) : m_join(std::move(join)) {}
  virtual ~Fastrelle_Corner_Join_Cmd() = default;
  Fastrelle_Corner_Join_Cmd(const Fastrelle_Corner_Join_Cmd&) = delete;
  Fastrelle_Corner_Join_Cmd& operator=(const Fastrelle_Corner_Join_Cmd&) = delete;

  /// Pick, Unhighlight, then Join when the picks succeeded; "_REGEN"; the status.
  virtual int Run();
  /// The seam line (40205), the first cut line (40208), the second (40210), each picked
  /// again until a curve is; the first two stay highlighted. 180 on a cancel.
  virtual int Pick();
  /// Saves the view "Fastrelle_Corner_Join_Cmd", zooms to the part (SaveViewAndZoomToPart),
  /// then to the corner, joins, and restores and deletes the view: the join's status.
  virtual int Join();
  /// Takes the highlight off the seam line and both cut lines. 0.
  virtual int Unhighlight();

  /// Saves the view and, when the first cut line's part has a name, a quantity of at least
  /// 1 and extents over all sizes, zooms to those extents grown by 20.0.
  void SaveViewAndZoomToPart();
  Fastrelle_Corner* Corner() const { return m_join.get(); }

protected:
  /// Picks a curve with the prompt's string, again until one is picked, into `id`, and
  /// highlights it: false on a cancel.
  bool PickHighlighted(unsigned prompt, ZcDbObjectId& id);
  /// The first cut line (40208, highlighted) and the second (40210): 180 on a cancel.
  int PickCutLines();

  std::unique_ptr<Fastrelle_Corner> m_join;
};

/// Mode 0: only the two cut lines are picked (40208, 40210).
class Fastrelle_Corner_Join_ExtendBothCut_Cmd : public Fastrelle_Corner_Join_Cmd {
public:
  Fastrelle_Corner_Join_ExtendBothCut_Cmd();
  int Pick() override;
};

/// Mode 1: the picks of the base.
class Fastrelle_Corner_Join_ExtendOneSeam_Cmd : public Fastrelle_Corner_Join_Cmd {
public:
  Fastrelle_Corner_Join_ExtendOneSeam_Cmd();
};

/// Mode 2: the second seam line first (40205), then the picks of the base.
class Fastrelle_Corner_Join_ExtendBothSeam_Cmd : public Fastrelle_Corner_Join_Cmd {
public:
  Fastrelle_Corner_Join_ExtendBothSeam_Cmd();
  int Pick() override;
  /// Also the second seam line's highlight: 374 when it does not open.
  int Unhighlight() override;
  ZcDbObjectId SecondSeam() const;
};

/// Modes 3 and 4: the picks of the base.
class Fastrelle_Corner_Join_Angle_Cmd : public Fastrelle_Corner_Join_Cmd {
public:
  explicit Fastrelle_Corner_Join_Angle_Cmd(double angle);
};

/// The single-corner command of a mode (0 to 5); null for any other.
std::unique_ptr<Fastrelle_Corner_Join_Cmd> CreateCornerJoinCmd(int mode);

#endif
