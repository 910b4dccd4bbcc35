// The command "Fastrelle:Dart" ("Fastrelle:Zaszewka"): a dart drawn into a part, its two
// legs following the cursor, its mark at the apex and its three points numbered in every
// size. Registered by the construction command set.
#ifndef CONSTRUCTION_DART_CMD_H
#define CONSTRUCTION_DART_CMD_H

#include "framework/cmd.h"

class Dart_Cmd : public cmd {
public:
  Dart_Cmd() : cmd(L"Fastrelle:Dart", L"Fastrelle:Zaszewka", 1) {}
  /// 1. The mark is the setting "Dart" (a block or a drawing, resolved against the
  ///    install folder) at the size "DartSize". Without a mark or with a size not above 0
  ///    the error box for "Dart" shows; a drawing that cannot be read is named with its
  ///    status. Either way nothing is asked.
  /// 2. The dart tool with the mark and the legs' preview: the dart's two points, then the
  ///    apex, which a pick places (legs and grade points into the part there).
  /// 3. Unless the tool ended normally, the sliding mark is erased; then every observer
  ///    finishes, which puts a mark still standing into the part at its place. The legs'
  ///    preview goes with the command.
  void Run() override;
};

#endif
