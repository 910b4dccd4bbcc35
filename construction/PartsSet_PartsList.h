// The parts list of the part-set dialog: one row per part of the drawing with its number,
// name, material, quantity and mirroring mode, edited in place and saved back to the
// parts. Used by PartsSet_dlg.
#ifndef CONSTRUCTION_PARTSSET_PARTSLIST_H
#define CONSTRUCTION_PARTSSET_PARTSLIST_H

#include <vector>

#include "ui/UI_DataGrid_2.h"

class PartsSet_PartsList : public UI_DataGrid_2 {
  DECLARE_DYNAMIC(PartsSet_PartsList)
public:
  enum Column { kNumber = 0, kName = 1, kMaterial = 2, kQuantity = 3, kMode = 4 };

  /// Grid lines, the five columns ("lp." 20, "Część" 100, "Materiał" 70, "Ilość" 50,
  /// "Tryb" 100 pixels), rows 20 high, one row per part in dictionary order: its number,
  /// name and material as text cells, its quantity as a numeric cell and its type as the
  /// selection of the modes "Pojedynczy", "para w pionie", "para w poziomie".
  void Fill();
  /// Writes each row back to its part, in row order (a failure is printed with the row's
  /// name and the next row goes on; a value equal to the part's is not written again):
  ///   1. quantity, the numeric cell's whole number (no whole number, or one outside
  ///      0-32767: printed, unchanged);
  ///   2. the material, in every size;
  ///   3. the type, the mode chosen (none chosen: the previous row's type, 0 for the first);
  ///   4. the name: the part is renamed in every size (a name the part rules refuse is
  ///      printed and the part keeps its name), its record moved to the new name; the row
  ///      then stands for the part under its new name.
  void Save();
  /// The name the row's part has in the drawing (its first name until a save renamed it).
  CString PartName(int row) const;

private:
  CString CellText(int row, int column) const { return EditorText(row, column); }
  /// The chosen mode of the row, -1 when none.
  int ChosenMode(int row) const;
  void SaveRow(int row, int& previousType);
  /// Lays every editor over its cell with the list scrolled to its left edge.
  void PlaceEditors();
  std::vector<CString> m_names;  // per row: the part's name in the drawing
};

#endif
