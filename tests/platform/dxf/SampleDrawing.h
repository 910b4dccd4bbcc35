// A drawing with every object kind the database keeps, for the drawing-file tests.
#ifndef TESTS_PLATFORM_DXF_SAMPLEDRAWING_H
#define TESTS_PLATFORM_DXF_SAMPLEDRAWING_H

class ZcDbDatabase;

/// Fills `db` (a database with the default drawing): layers "Przód|38" (red) and "Tył",
/// a dashed linetype, a text style, a block "Label" with attribute definitions and a
/// reference to it with attributes, lines, arcs, circles, an ellipse, polylines of every
/// kind, a spline, a region, a point, texts, an MText, a leader, a table, a group
/// "Przód|38" of three entities in order, a sub-dictionary with an Xrecord, XData of two
/// applications, and a draw-order change.
void BuildSampleDrawing(ZcDbDatabase* db);

#endif
