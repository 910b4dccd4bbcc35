// The command "Fastrelle:AddToForm" ("Fastrelle:DodajDoFormy"): puts an entity drawn
// outside the parts into the part of a picked element, in that element's size only or in
// every size. Registered by the construction command set.
#ifndef CONSTRUCTION_ADD_TO_FORM_CMD_H
#define CONSTRUCTION_ADD_TO_FORM_CMD_H

#include "db/ZcDbObjectId.h"
#include "framework/cmd.h"

class Add_To_Form_cmd : public cmd {
public:
  Add_To_Form_cmd() : cmd(L"Fastrelle:AddToForm", L"Fastrelle:DodajDoFormy", 1) {}
  /// 1. The entity to add (strings 40254, 40129, 40128), the keywords "Zaznaczony" (mode 0)
  ///    and "Wszystkie" (mode 1, the start) switching the mode and asking again. Nothing
  ///    picked ends the command; an entity already in a part is refused with a message.
  /// 2. Highlighted meanwhile, an element of the target part (40255, same keywords).
  /// 3. An element in no part: a message, nothing changes. Mode 0: the entity joins that
  ///    element's group only. Mode 1: it joins the part's group of size "0" on the layer
  ///    of its own line kind there (a cut layer "'" cut, a tech layer "~" extra element,
  ///    else seam) and is copied once into every size; a part without record: a message.
  void Run() override;

  /// The kind AddEntity takes for an entity on `layer`: 3 cut, 2 tech, else 1 seam.
  ///   "38'" => 3;  "^40~" => 2;  "38", "0", "Rysunek" => 1
  static int KindOfLayer(const CString& layer);

private:
  /// Asks `prompt` (its leading line feed dropped: the question starts a line itself) with
  /// the mode keywords until an entity is picked (true with `id`) or the answer is neither
  /// an entity nor a keyword (false); a keyword sets the mode.
  bool PickEntity(const CString& prompt, ZcDbObjectId& id);

  int m_mode = 1;
};

#endif
