// The dart tool: two points on the seam, then an apex dragged along the dart's centre
// line; a pick draws the two legs into the part and numbers the dart's three points as
// grade points in every size. Run by the dart command with its observers.
#ifndef CONSTRUCTION_FASTRELLE_CLIP_H
#define CONSTRUCTION_FASTRELLE_CLIP_H

#include "construction/Fastrelle_Miarka_Subject.h"

/// The dart's start and end on the seam, and the mid point and normal of start–end,
/// fixed by PickStart. The apex is the cursor's foot on the centre line (mid point along
/// the normal), so it never leaves that line.
class Fastrelle_Clip : public Fastrelle_Miarka_Subject {
public:
  /// Asks for the start (40006) and the end (40007, from the start): 0, or 180 when
  /// either is not given.
  int PickStart() override;
  /// The observers are told; no snapping, no base curve. 0.
  int OnDrag() override;
  /// Makes the dart at the apex: the two legs into the part at the apex as extra
  /// elements (kept there, in "0" and every size) and grade points numbered n, n + 1,
  /// n + 2 (n the next free number) at start, end and apex in every size. 129 when made;
  /// 374 and nothing made when no part lies at the apex (said on the command line); a
  /// failing step prints its status and returns it (what was made stays).
  int OnPick() override;
  /// x from the start towards the end; 0.
  int PointAtDistance(double distance, ZcGePoint3d& point) override;
  /// The perpendicular of (end − start).
  ZcGeVector3d NormalAtDistance(double distance) override;
  /// The apex.
  ZcGePoint3d EndPoint() override;
  ZcGeVector3d NormalAtEnd() override { return m_normal; }
  /// The apex's distance from the line start–end: the dart's depth.
  double GetLength() override;
  virtual ZcGePoint3d MidPoint() const { return m_mid; }

  const ZcGePoint3d& DartStart() const { return m_start; }
  const ZcGePoint3d& DartEnd() const { return m_end; }
  /// Sets both points as PickStart does (mid point and normal follow).
  void SetPoints(const ZcGePoint3d& start, const ZcGePoint3d& end);

private:
  ZcGePoint3d m_start, m_end, m_mid;
  ZcGeVector3d m_normal;
};

#endif
