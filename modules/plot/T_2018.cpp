// The plot fixture's case list.
#include "modules/plot/T_2018.h"

#include "modules/plot/t_FillOpenForm.h"

T_2018::T_2018() { AddCase(std::make_unique<t_FillOpenForm>()); }
