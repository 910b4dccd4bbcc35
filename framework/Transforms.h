// Moving and rotating entities: the user coordinate system's origin (ActiveUCS), the
// interactive move and rotation driven through the host's "_MOVE" and "_ROTATE" with the
// user giving the last answer, and DbMove, which transforms entities in the database
// directly. Used by the construction, symbol and layout commands.
#ifndef FRAMEWORK_TRANSFORMS_H
#define FRAMEWORK_TRANSFORMS_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGeMatrix3d.h"
#include "mfc/CString.h"

class ZcDbDatabase;

/// A user coordinate system whose origin can be read and placed.
class UCS {
public:
  virtual ~UCS() = default;
  /// Places the origin at a world point: 0, or 168 when the host refused.
  virtual int SetOrigin(const ZcGePoint3d& origin) = 0;
  /// The origin in world coordinates: 0, or 374 when there is none to read.
  virtual int GetOrigin(ZcGePoint3d& origin) = 0;
  virtual bool IsActive() = 0;
};

/// The UCS of the working drawing, placed with the host's "_UCS" "_O".
class ActiveUCS : public UCS {
public:
  ActiveUCS();
  int SetOrigin(const ZcGePoint3d& origin) override;
  int GetOrigin(ZcGePoint3d& origin) override;
  /// True when there is a working database.
  bool IsActive() override { return m_db != nullptr; }

private:
  ZcDbDatabase* m_db;
};

/// An interactive move of ids from a base point: the host's "_MOVE" with the user giving
/// the second point. While it lives, "UCSICON" is 0; its destruction puts back the UCS
/// origin and "UCSICON" it read at construction (a value it could not read is left
/// alone).
class Move {
public:
  Move();
  virtual ~Move();
  Move(const Move&) = delete;
  Move& operator=(const Move&) = delete;
  /// Places the UCS origin at the base point and runs the move. 0 when the host ran it and
  /// the last point lies at least 1e-6 from the base point; 180 otherwise (cancelled, or
  /// the objects did not move).
  virtual int Run();
  /// "LASTPOINT" in world coordinates; the origin when it cannot be read.
  virtual ZcGePoint3d GetLastPoint();

  CString m_text;
  ZcGePoint3d m_basePoint;
  ZcDbObjectIdArray m_ids;

private:
  void RestoreUcs();
  ZcGePoint3d m_savedOrigin;
  bool m_originSaved = false;
  int m_savedUcsIcon = 0;
  bool m_ucsIconSaved = false;
};

/// A selector that transforms the ids of a selection.
class Transform_Selector {
public:
  virtual ~Transform_Selector() = default;
  virtual int select() = 0;
  ZcDbObjectIdArray m_ids;
};

class Rotation_Selector : public Transform_Selector {
public:
  ZcGePoint3d m_basePoint;
  ZcGeVector3d m_reference;
};

/// The host's "_ROTATE" about the base point; with a reference vector longer than 1e-5,
/// the rotation is measured from its direction. The user gives the angle.
class Rotation_UserSelector : public Rotation_Selector {
public:
  /// 130 for no ids; 0 when the host ran the rotation, 4 otherwise. "PICKSTYLE" is 0
  /// while it runs and put back afterwards.
  int select() override;
};

class Position_Selector : public Transform_Selector {};

/// Moves the selection interactively through its Move.
class Position_MoveSelector : public Position_Selector {
public:
  /// The ids go to the Move; Move::Run's result.
  int select() override;
  Move m_move;
};

/// Transforms entities in the database without the host's commands.
class DbMove {
public:
  explicit DbMove(const ZcDbObjectIdArray& ids = ZcDbObjectIdArray()) : m_ids(ids) {}
  virtual ~DbMove() = default;
  /// Applies the matrix to each id in order; an MText only moves by the matrix's
  /// translation. Clears m_allInModelSpace for an entity owned elsewhere. The first
  /// failure (374 when an MText cannot be written) is returned, and the entities already
  /// transformed are put back (the inverse): the set moves whole or not at all. 0 when
  /// all succeed.
  virtual int Transform(const ZcGeMatrix3d& m);
  virtual int MoveFromTo(const ZcGePoint3d& from, const ZcGePoint3d& to) { return MoveBy(to - from); }
  virtual int MoveBy(const ZcGeVector3d& v) { return Transform(ZcGeMatrix3d::translation(v)); }

  ZcDbObjectIdArray m_ids;
  int m_allInModelSpace = 1;
};

/// An object id with its handle.
class ObjectId {
public:
  explicit ObjectId(ZcDbObjectId id = ZcDbObjectId()) : m_id(id) {}
  /// The handle as upper-case hexadecimal text; empty when the id is not valid or the
  /// object does not open.
  CString GetHandleText() const;
  ZcDbObjectId m_id;
};

/// The exact polyline copy of a curve in model space: 0 with the copy's id; 34 for a curve
/// kind it does not copy exactly; another failure status otherwise.
using CurvePolylineCopier = int (*)(ZcDbObjectId curveId, ZcDbObjectId& polylineId);
/// The copier ConvertCurveToPolyline uses, registered by the geometry helpers at start-up
/// (null: none, every curve is divided).
void SetCurvePolylineCopier(CurvePolylineCopier copier);

/// A new polyline in model space along the curve: the registered copier's exact copy; for
/// a kind it does not copy (34), points every 1.0 along the curve and its end point. 0 with
/// the id; 3 when the curve is shorter than the step; 93 when the polyline cannot be made;
/// the curve's open failure or the copier's failure.
int ConvertCurveToPolyline(ZcDbObjectId& polylineId, ZcDbObjectId curveId);

#endif
