// The dart command.
#include "construction/Dart_Cmd.h"

#include "construction/Dart_lines.h"
#include "construction/Fastrelle_Clip.h"
#include "construction/Fastrelle_Observer_Symbol.h"
#include "framework/ErrorHandler.h"
#include "framework/Fastrelle_Settings.h"
#include "framework/UI_Block.h"

void Dart_Cmd::Run() {
  const double size = GetSettingDouble(L"DartSize");
  const CString symbol = GetSettingPath(L"Dart");
  Fastrelle_Observer_Symbol apex(symbol, size);
  if (!apex.IsValid()) {
    Fastrelle_ErrorHandler(-1, L"Dart").Show();
    return;
  }
  if (!UI_Block(symbol, true).Record()) return;  // the lookup said which file and why
  Dart_lines legs;
  Fastrelle_Clip dart;
  dart.Attach(&apex);
  dart.Attach(&legs);
  int result = dart.PickStart();
  if (result == 0) result = dart.Run();
  if (result != 0) apex.OnCancel();
  apex.OnFinish();
  legs.OnFinish();
}
