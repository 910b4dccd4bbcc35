// The hole command.
#include "construction/Hole_cmd.h"

#include "construction/RememberedSymbol.h"
#include "construction/SymbolInserter.h"

void Hole_cmd::Run() { RunSymbolCommand(RememberedSymbol::Hole(), 40009); }
