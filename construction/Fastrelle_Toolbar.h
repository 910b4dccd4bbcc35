// The system's toolbars, shown by the menu command after it loads the menu.
#ifndef CONSTRUCTION_FASTRELLE_TOOLBAR_H
#define CONSTRUCTION_FASTRELLE_TOOLBAR_H

class Fastrelle_Toolbar {
public:
  virtual ~Fastrelle_Toolbar() = default;
  /// Shows "Fastrelle", "Fastrelle_Plot", "Corners" and "MultiCorners", in this order,
  /// each waiting for its command to end, whether or not the previous one exists.
  static void ShowAll();
};

#endif
