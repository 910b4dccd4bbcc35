// A part (pattern piece) as a value: its name, type and quantity. Lists of parts hold it;
// the part drawer adds the drawing behind it.
#ifndef CONSTRUCTION_FASTRELLE_PART_H
#define CONSTRUCTION_FASTRELLE_PART_H

#include "mfc/CString.h"

/// Types: 0 single, 1 mirrored vertically, 2 mirrored horizontally.
class Fastrelle_Part {
public:
  Fastrelle_Part() = default;
  explicit Fastrelle_Part(const CString& name, int type = 0, int quantity = 1)
      : m_name(name), m_type(type), m_quantity(quantity) {}
  virtual ~Fastrelle_Part() = default;
  /// Stores the type; 0.
  virtual int SetType(int type) {
    m_type = type;
    return 0;
  }
  virtual void SetQuantity(int quantity) { m_quantity = quantity; }
  const CString& GetName() const { return m_name; }
  int GetType() const { return m_type; }
  int GetQuantity() const { return m_quantity; }

protected:
  CString m_name;
  int m_type = 0;
  int m_quantity = 1;
};

#endif
