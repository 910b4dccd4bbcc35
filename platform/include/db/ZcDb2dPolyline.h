// The heavy polylines of older drawings: 2-D (with bulges, in the plane of the normal) and
// 3-D (straight segments between points in space). Their vertices are held in the
// polyline; drawing files carry them as VERTEX records. A 2-D polyline also hands its
// vertices out one by one as objects (ZcDb2dVertex), and the record that ends the vertex
// list has its class (ZcDbSequenceEnd).
#ifndef PLATFORM_DB_ZCDB2DPOLYLINE_H
#define PLATFORM_DB_ZCDB2DPOLYLINE_H

#include <vector>

#include "db/ZcDbCurve.h"

class ZcDb2dVertex;
class ZcDbObjectIterator;

/// What the two heavy polylines share: vertices held in the polyline, the closed flag and
/// their POLYLINE/VERTEX/SEQEND records. The parameter is the vertex index, as for
/// ZcDbPolyline. Not a class of its own in files or class tests.
class ZcDbVertexPolyline : public ZcDbCurve {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbVertexPolyline)
  struct Vertex {
    ZcGePoint3d p;
    double bulge = 0.0, startWidth = 0.0, endWidth = 0.0;
  };

  unsigned numVerts() const { return static_cast<unsigned>(verts_.size()); }
  const Vertex& vertexAt(unsigned i) const { return verts_[i]; }
  Zcad::ErrorStatus appendVertex(const ZcGePoint3d& p, double bulge = 0.0);
  Zcad::ErrorStatus setVertexAt(unsigned i, const ZcGePoint3d& p, double bulge);
  Zcad::ErrorStatus setClosed(bool closed);
  bool isClosed() const override { return closed_; }

  std::unique_ptr<ZcGeCurve3d> toGeCurve() const override;
  Zcad::ErrorStatus setFromGeCurve(const ZcGeCurve3d& curve) override;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  const char* dxfName() const override { return "POLYLINE"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;
  /// The VERTEX records that follow the polyline in a file.
  void dxfOutVertices(ZcDbDxfFiler* filer, std::uint64_t& nextHandle) const;
  Zcad::ErrorStatus dxfInVertex(ZcDbDxfFiler* filer);

protected:
  friend class ZcDb2dVertex;
  void assignPoints(const ZcGePoint3dArray& points, bool closed);
  std::vector<Vertex> verts_;
  bool closed_ = false;
  bool is3d_ = false;

private:
  // What the POLYLINE record gives its VERTEX records while a file is read: the widths of
  // a vertex that names none, the elevation, and a -Z plane seen from +Z.
  struct ReadDefaults {
    double startWidth = 0.0, endWidth = 0.0, elevation = 0.0;
    bool flipped = false;
  } readDefaults_;
};

/// A 2-D polyline: vertex positions (their z is the elevation), bulges and widths.
class ZcDb2dPolyline : public ZcDbVertexPolyline {
public:
  ZCRX_DECLARE_MEMBERS(ZcDb2dPolyline)
  ZcDb2dPolyline() = default;
  ZcDb2dPolyline(const ZcGePoint3dArray& points, bool closed);
  ZcDbObject* cloneObject() const override;

  /// A walk over the ids of the vertices, in order (the caller deletes it). The vertex
  /// objects are made on the first walk of a resident polyline, owned by it; a polyline not
  /// in a database gives an empty walk.
  ZcDbObjectIterator* vertexIterator() const;
  /// Opens one of this polyline's vertices by its id (zcdbOpenObject's rules);
  /// eInvalidInput for an id that is not one of them.
  Zcad::ErrorStatus openVertex(ZcDb2dVertex*& vertex, ZcDbObjectId vertexId, ZcDb::OpenMode mode,
                               bool openErased = false) const;

private:
  mutable std::vector<ZcDbObjectId> vertexIds_;
};

/// One vertex of a resident 2-D polyline, handed out by ZcDb2dPolyline::vertexIterator. It
/// keeps no copy: it reads and writes the polyline's own vertex, so a changed position is
/// the polyline's change. A vertex whose index the polyline no longer has reads the origin
/// and refuses changes (eInvalidIndex).
class ZcDb2dVertex : public ZcDbEntity {
public:
  ZCRX_DECLARE_MEMBERS(ZcDb2dVertex)
  ZcDb2dVertex() = default;
  ZcDb2dVertex(ZcDbObjectId polyline, unsigned index) : polyline_(polyline), index_(index) {}

  /// The vertex's position in world coordinates (its z is the polyline's elevation).
  ZcGePoint3d position() const;
  /// Moves the vertex (open for write).
  Zcad::ErrorStatus setPosition(const ZcGePoint3d& p);
  double bulge() const;
  const char* dxfName() const override { return "VERTEX"; }

private:
  ZcDbVertexPolyline::Vertex* vertex() const;
  ZcDbObjectId polyline_;
  unsigned index_ = 0;
};

/// The record that ends a heavy polyline's vertices or a block reference's attributes in a
/// file. Drawing code meets it only by class.
class ZcDbSequenceEnd : public ZcDbEntity {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbSequenceEnd)
  const char* dxfName() const override { return "SEQEND"; }
};

/// A 3-D polyline: straight segments between points in space (bulges are ignored).
class ZcDb3dPolyline : public ZcDbVertexPolyline {
public:
  ZCRX_DECLARE_MEMBERS(ZcDb3dPolyline)
  ZcDb3dPolyline() { is3d_ = true; }
  ZcDb3dPolyline(const ZcGePoint3dArray& points, bool closed);
  ZcDbObject* cloneObject() const override;
};

#endif
