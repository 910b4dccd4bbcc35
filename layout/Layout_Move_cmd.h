// The four mover commands of the plot set: the pick-first selection pushed left, up or
// down until something stops it, or right to the border; then the closing line follows.
#ifndef LAYOUT_LAYOUT_MOVE_CMD_H
#define LAYOUT_LAYOUT_MOVE_CMD_H

#include "db/ZcDbObjectId.h"
#include "framework/cmd.h"

class Layout_Move;

/// The action shared by the four: nothing without a pick-first set (flag 2 hands it to
/// the command); else the mover runs (step 5.0) and the closing line is placed again.
class Layout_Move_cmd : public cmd {
public:
  using cmd::cmd;
  void Run() override;

protected:
  virtual Layout_Move* MakeMover(const ZcDbObjectIdArray& items) const = 0;
};

class Layout_Move_Left_cmd : public Layout_Move_cmd {
public:
  Layout_Move_Left_cmd();

protected:
  Layout_Move* MakeMover(const ZcDbObjectIdArray& items) const override;
};

class Layout_Move_Top_cmd : public Layout_Move_cmd {
public:
  Layout_Move_Top_cmd();

protected:
  Layout_Move* MakeMover(const ZcDbObjectIdArray& items) const override;
};

class Layout_Move_Bottom_cmd : public Layout_Move_cmd {
public:
  Layout_Move_Bottom_cmd();

protected:
  Layout_Move* MakeMover(const ZcDbObjectIdArray& items) const override;
};

class Layout_Move_Right_cmd : public Layout_Move_cmd {
public:
  Layout_Move_Right_cmd();

protected:
  Layout_Move* MakeMover(const ZcDbObjectIdArray& items) const override;
};

#endif
