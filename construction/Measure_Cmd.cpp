// The measuring-tape command.
#include "construction/Measure_Cmd.h"

#include "construction/Fastrelle_Miarka.h"
#include "construction/Measure_Text.h"

void Measure_Cmd::Run() {
  Measure_Text text;
  Fastrelle_Miarka tape;
  tape.Attach(&text);
  if (tape.PickStart() == 0) tape.Run();
}
