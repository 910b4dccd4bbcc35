// The construction fixture's case list.
#include "modules/construction/T_0002236.h"

#include "modules/construction/t_2236_inputCase.h"

T_0002236::T_0002236() { AddCase(std::make_unique<t_2236_inputCase>()); }
