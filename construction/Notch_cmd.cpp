// The notch command.
#include "construction/Notch_cmd.h"

#include "construction/Drawing_Selector.h"
#include "construction/Fastrelle_Observer_Symbol.h"
#include "construction/Fastrelle_Observer_dlg.h"
#include "construction/Fastrelle_Picket.h"
#include "construction/RememberedSymbol.h"
#include "framework/ErrorHandler.h"
#include "framework/ResString.h"
#include "framework/Strings.h"
#include "framework/UI_Block.h"

void Notch_cmd::Run() {
  RememberedSymbol& memory = RememberedSymbol::Notch();
  memory.ReadOnFirstUse();
  Drawing_Selector dialog(memory.m_path, FormatDouble(memory.m_size, L"%0.4f"));
  if (dialog.DoModal() != IDOK) return;
  memory.m_size = dialog.GetSize();
  const CString symbol = dialog.GetPath().IsEmpty() ? memory.m_path : dialog.GetPath();
  Fastrelle_Observer_Symbol notch(symbol, memory.m_size);
  if (!notch.IsValid() || !IsSymbolDrawing(symbol)) {
    Fastrelle_ErrorHandler(-1, L"Notch").Show();
    return;
  }
  memory.m_path = symbol;
  if (!UI_Block(symbol, true).Record()) return;  // the lookup said which file and why
  Fastrelle_Observer_dlg length;
  if (length.Create()) {
    length.ShowWindow(SW_SHOW);
    length.SetWindowText(LoadResString(40217));
  }
  Fastrelle_Picket tape;
  tape.Attach(&length);
  tape.Attach(&notch);
  int result = tape.PickStart();
  if (result == 0) result = tape.Run();
  if (result == 0) {
    length.OnFinish();
    notch.OnFinish();
  } else {
    notch.OnCancel();
  }
}
