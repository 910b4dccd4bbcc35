// Part records read from a model drawing.
#include "layout/Fastrelle_Part_Reader.h"

#include "construction/Fastrelle_Part_Drawer.h"
#include "db/ZcDbDatabase.h"

Fastrelle_Part_Reader::Fastrelle_Part_Reader(const CString& modelPath) : m_path(modelPath) {}

Fastrelle_Part_Reader::~Fastrelle_Part_Reader() = default;

int Fastrelle_Part_Reader::Read(const CString& name, Fastrelle_Part& part) {
  if (m_status < 0) {
    // A database of its own, beside the open drawing: nothing of it reaches the user's.
    m_db = std::make_unique<ZcDbDatabase>(false, true);
    m_status = m_db->readDwgFile(m_path, 0x20);
    if (m_status != 0) {
      m_error = CString(m_db->readError());
      m_db.reset();
    }
  }
  if (m_status != 0) return m_status;
  Fastrelle_Part_Drawer drawer(name, m_db.get());
  part = Fastrelle_Part(drawer.GetName(), drawer.GetType(), drawer.GetQuantity());
  return 0;
}
