// State the editor's parts share: the user coordinate system (an origin; the axes stay
// the world's), the last point, and the view of the one model viewport. Private to the
// editor.
#ifndef PLATFORM_EDITOR_EDITOR_H
#define PLATFORM_EDITOR_EDITOR_H

#include <string>

#include "ge/ZcGePoint3d.h"

namespace editor {

ZcGePoint3d UcsOrigin();
void SetUcsOrigin(const ZcGePoint3d& wcs);
ZcGePoint3d UcsToWcs(const ZcGePoint3d& ucs);
ZcGePoint3d WcsToUcs(const ZcGePoint3d& wcs);

/// The last point given, in world coordinates (the "LASTPOINT" variable shows it in user
/// coordinates).
ZcGePoint3d LastPoint();
void SetLastPoint(const ZcGePoint3d& wcs);

/// The model view: its centre (world) and height; the width follows the screen's aspect.
struct View {
  ZcGePoint3d center{0.0, 0.0, 0.0};
  double height = 300.0;
  int renderMode = 0;
};
View& CurrentView();
/// Width / height of the (imaginary) screen.
constexpr double kScreenAspect = 16.0 / 9.0;

/// The box around the visible entities of model space; false for an empty drawing.
bool DrawingExtents(ZcGePoint3d& lo, ZcGePoint3d& hi);

/// Whether a system variable has this name (case aside).
bool IsSystemVariable(const std::wstring& name);
/// Its type (RTSHORT, RTREAL, RTSTR or RTPOINT); 0 for no variable.
int SystemVariableType(const std::wstring& name);
/// True for a variable computed from the editor's state that cannot be set.
bool IsReadOnlyVariable(const std::wstring& name);
/// Its value as the command line shows it: "1", "2.5000", "Standard", "10,5"; "" for none.
std::wstring SystemVariableText(const std::wstring& name);

/// Puts every editor state back to the host's start values.
void ResetState();
void ResetVariables();
void ResetInput();
void ResetCommands();
void ResetMenus();
void ResetSession();

}  // namespace editor

#endif
