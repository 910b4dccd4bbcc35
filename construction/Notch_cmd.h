// The command "Fastrelle:Notch" ("Fastrelle:Nacinek"): a notch symbol slid along the seam
// or cut line under the cursor and, when picked, copied to the same place of the matching
// curve in every size. Registered by the construction command set.
#ifndef CONSTRUCTION_NOTCH_CMD_H
#define CONSTRUCTION_NOTCH_CMD_H

#include "framework/cmd.h"

class Notch_cmd : public cmd {
public:
  Notch_cmd() : cmd(L"Fastrelle:Notch", L"Fastrelle:Nacinek", 7) {}
  /// 1. The symbol dialog with the remembered notch drawing (or folder) and size; Cancel
  ///    ends the command. The size typed is remembered.
  /// 2. The symbol is the drawing chosen, else the one remembered. One that is no existing
  ///    file, or a size not above 0, shows the error box for "Notch" and ends the command;
  ///    a drawing that cannot be read as a block is printed with its status. Otherwise it
  ///    is remembered.
  /// 3. The floating length dialog ("Nacinek") and the notch follow the tape, which a pick
  ///    ends: the notch is then copied into the part in every size. A cancel, or any other
  ///    end, erases the sliding notch. The floating dialog goes with the command.
  void Run() override;
};

#endif
