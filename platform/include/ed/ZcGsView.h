// The graphics view of a viewport: how the drawing is shown there (wireframe or shaded).
// The host has one model viewport, number 2 (the "CVPORT" value). Used by the system's
// display switches.
#ifndef PLATFORM_ED_ZCGSVIEW_H
#define PLATFORM_ED_ZCGSVIEW_H

/// The view's shade mode. The enumerators name the common modes; the type is an `int`, so
/// any mode the host stores (8, for one) is held and read back as it was set.
class ZcGsView {
public:
  enum RenderMode : int {
    kBoundingBox = -1,
    k2DOptimized = 0,
    kWireframe = 1,
    kHiddenLine = 2,
    kFlatShaded = 3,
    kGouraudShaded = 4,
    kFlatShadedWithWireframe = 5,
    kGouraudShadedWithWireframe = 6,
  };
  RenderMode mode() const;
  void setMode(RenderMode mode);
};

/// The graphics view of viewport `viewport`; null for a viewport the host does not have
/// (only 2 exists; `createIfNone` changes nothing, the view always exists).
ZcGsView* zcgsGetGsView(int viewport, bool createIfNone);
/// Makes the viewport show the view's settings; regenerates when `regen`. False for a
/// viewport or view the host does not have.
bool zcgsSetViewParameters(int viewport, const ZcGsView* view, bool regen, bool rescale, bool sync = false);

#endif
