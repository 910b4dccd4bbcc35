// The special-point command.
#include "construction/SpecPoint_Cmd.h"

#include "construction/RememberedSymbol.h"
#include "construction/SymbolInserter.h"

void SpecPoint_Cmd::Run() { RunSymbolCommand(RememberedSymbol::SpecialPoint(), 40004); }
