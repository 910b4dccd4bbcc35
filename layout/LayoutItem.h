// One line of a layout: which part of which model drawing is cut in which size, how many
// pieces, turned by how much and with which of its lines. Layouts, their savers and the
// layout dialogs hold it; its text form is the layout content kept on the border.
#ifndef LAYOUT_LAYOUTITEM_H
#define LAYOUT_LAYOUTITEM_H

#include "construction/Fastrelle_Part.h"
#include "mfc/CString.h"

class Fastrelle_Part_Reader;

/// Item text: six fields joined by the separator (";" everywhere):
///   model path ; part name ; size name ; quantity "%i" ; rotation "%0.2f" ; line choice "%i"
///   C:\m\a.dwg;Przód;S;2;0.00;2
/// Reading (FromText) splits at every separator, keeping empty fields. A path may hold the
/// separator: with more than six fields the last five are part, size, quantity, rotation and
/// line choice, and the fields before them, joined again, are the path.
///   quantity: a field starting with one of "0123456789.,-" read as an integer, else 1;
///   rotation: the same test, "," read as ".", else 0; a value that is not finite reads 0;
///   line choice: 0 and 1 as they are, any other number 2, a field that is no number 2.
/// A missing field takes its default: "" for the texts, 1, 0 and 2.
class LayoutItem {
public:
  /// Line choices.
  enum Lines { kCutLines = 0, kSeamLines = 1, kBothLines = 2 };

  LayoutItem() = default;
  LayoutItem(const CString& modelPath, const Fastrelle_Part& part, const CString& size, int quantity,
             double rotation, int lines)
      : m_modelPath(modelPath), m_part(part), m_size(size), m_quantity(quantity), m_rotation(rotation),
        m_lines(lines) {}

  /// The item text with `separator` between the fields.
  CString ToText(const CString& separator) const;
  /// The item of a text (rules above). The part gets the name of its field, type 0 and
  /// quantity 1; the model drawing is not read (ReadPart does that). An empty separator
  /// keeps the whole text as the path.
  static LayoutItem FromText(const CString& text, const CString& separator);
  /// Takes the part's type and quantity from its record in the model drawing; the name
  /// stays. The reader's status: nothing changes when the model cannot be read.
  int ReadPart(Fastrelle_Part_Reader& reader);

  /// Same model path and part name, letter case aside (the size is not compared).
  bool SamePart(const LayoutItem& other) const;
  /// Same model path, part name and size name, letter case aside.
  bool SamePiece(const LayoutItem& other) const;

  CString m_modelPath;
  Fastrelle_Part m_part;
  CString m_size;
  int m_quantity = 1;
  double m_rotation = 0.0;
  int m_lines = kBothLines;
};

#endif
