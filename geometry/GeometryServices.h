// The services the geometry helpers offer the framework below them, registered once at the
// main module's start-up: the exact polyline copy of curves.
#ifndef GEOMETRY_GEOMETRYSERVICES_H
#define GEOMETRY_GEOMETRYSERVICES_H

/// Registers UI_Curve::AddCurveToPolyline as the framework's curve-to-polyline copier.
void RegisterGeometryServices();
/// Takes the registration back (at unload).
void UnregisterGeometryServices();

#endif
