// Drawing the grain-line arrow into its part.
#include "construction/Fastrelle_Thread.h"

#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/Fastrelle_Parts.h"
#include "ed/ErrorStatus.h"
#include "framework/Printer.h"
#include "framework/UIS_Leader.h"

int Fastrelle_Thread::Draw() {
  Fastrelle_Part found;
  if (!FindPartAtPoint(m_start, found)) {
    ZWPrinter().Print(L"\nPoczątek nitki prostej nie leży w żadnej części.");
    return Zcad::eWrongObjectType;
  }
  UIS_Leader leader;
  if (int es = leader.Create(m_start, m_direction)) return es;
  Fastrelle_Part_Drawer part(found.GetName(), nullptr);
  return part.AddEntity(leader.Leader()->objectId(), 2);
}
