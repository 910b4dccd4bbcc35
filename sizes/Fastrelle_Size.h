// A size of the drawing as a value: its name, colour index and base flag. Size lists,
// size-list files and the ordering lists hold sizes by value.
#ifndef SIZES_FASTRELLE_SIZE_H
#define SIZES_FASTRELLE_SIZE_H

#include "mfc/CString.h"

/// A size by value. A default size has no name, the colour of the setting
/// "SizeDefaultColor" and is not the base size.
class Fastrelle_Size {
public:
  Fastrelle_Size();
  Fastrelle_Size(const CString& name, int color, bool base) : m_name(name), m_color(color), m_base(base) {}
  virtual ~Fastrelle_Size() = default;
  virtual void SetColor(int color) { m_color = color; }
  virtual void SetBase(bool base) { m_base = base; }
  virtual void SetName(const CString& name) { m_name = name; }
  CString GetName() const { return m_name; }
  int GetColor() const { return m_color; }
  bool IsBase() const { return m_base; }

protected:
  CString m_name;
  int m_color;
  bool m_base = false;
};

/// The colour a size takes when nothing else gives it one: "SizeDefaultColor".
int DefaultSizeColor();

#endif
