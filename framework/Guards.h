// Guards that save one host setting and put it back: "PICKSTYLE", "OSMODE" and the shade
// mode of the current view; and the current view itself (`ZW_View`), through which the
// shade mode is read and set and selections zoom to the area they work in.
#ifndef FRAMEWORK_GUARDS_H
#define FRAMEWORK_GUARDS_H

#include "ge/ZcGePoint3d.h"

class ZcGsView;

/// The graphics view of the current viewport ("CVPORT"), made current on construction.
class ZW_View {
public:
  ZW_View();
  /// The shade mode; -1 without a view.
  int GetMode() const;
  void SetMode(int mode);
  /// True when the world point lies within the part of the drawing the view shows.
  bool IsInside(const ZcGePoint3d& point) const;
  /// Makes the view show the box of the two world corners.
  void ZoomTo(const ZcGePoint3d& corner1, const ZcGePoint3d& corner2);
  bool IsValid() const { return m_view != nullptr; }

private:
  int m_viewport = 0;
  ZcGsView* m_view = nullptr;
};

/// A saved "PICKSTYLE"; its owner restores it.
struct PickStyle {
  int m_saved = 0;
  bool m_read = false;
  /// Saves the value and sets 0 (group selection off).
  void SaveAndSetZero();
  /// Writes the saved value back, when one was read.
  void Restore();
};

/// A saved "OSMODE".
struct OSNAP {
  virtual ~OSNAP() = default;
  int m_saved = 0;
  bool m_read = false;
  /// Saves the value and sets 0 (object snaps off).
  void SaveAndSetZero();
  /// Writes the saved value back, when one was read.
  virtual void Restore();
};

/// A saved shade mode of the current view.
struct Shademode {
  int m_saved = -1;
  void SaveAndSet(int mode);
  /// Writes the saved mode back, when one was read.
  void Restore();
};

#endif
