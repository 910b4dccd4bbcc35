// The Corner command ("Fastrelle:Corner", "Fastrelle:PołączRóg"): asks the join mode, then
// joins one corner the user picks; and the mode prompt it shares with MultiCorner.
// Registered by the construction command set.
#ifndef CONSTRUCTION_CORNER_CMD_H
#define CONSTRUCTION_CORNER_CMD_H

#include "framework/cmd.h"

/// The join mode of a keyword of the mode prompt: "1" => 0 (extend both cut lines) ... "6"
/// => 5 (mirrors); -1 for anything else.
int CornerModeFromKeyword(const CString& keyword);
/// Asks 40212 with the keywords "1" to "6" and no default: true with the mode. A cancel
/// gives no mode quietly; an answer that is no mode shows the error box of 42101.
bool AskCornerMode(int& mode);

class Corner_Cmd : public cmd {
public:
  Corner_Cmd();
  /// Mode, then the join of that mode run in one undo group; a failed join's status is
  /// printed (a cancel is not).
  void Run() override;
};

#endif
