// The printers and the error reports, with the construction module's strings loaded.
#include "framework/Printer.h"

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "framework/ErrorHandler.h"
#include "win/winuser.h"

namespace {
class OutputTest : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    auto module = FreshInstall() / "Fastrelle_Construction.zrx";
    ASSERT_TRUE(Linker()->loadModule(headless::FromUtf8(module.string()).c_str(), true, false));
  }
};
}  // namespace

TEST_F(OutputTest, PrinterPrintsTextLiterallyAndLinesBetweenLineFeeds) {
  ZWPrinter printer;
  printer.Print(L"100%");
  printer.PrintLines(CStringArray{L"a", L"b"});
  printer.PrintLines(CStringArray{});
  EXPECT_EQ(headless::Transcript(), L"100%\na\nb\n\n");
}

TEST_F(OutputTest, ErrorStatusIsPrintedWithTheHostText) {
  PrintErrorStatus(0);
  ZWAlert().PrintErrorStatus(22);
  PrintInt(-5);
  EXPECT_EQ(headless::Transcript(), L"\n es: eOk\n es: eKeyNotFound\n-5");
}

TEST_F(OutputTest, MissingBlockMessageFillsBothPlaceholders) {
  Fastrelle_ErrorHandler report(-1, L"Nacinek");
  EXPECT_EQ(report.GetMessage(),
            CString(L"Brak odpowiedniej konfiguracji by uruchomić funkcję: Nacinek \n "
                    L"Proszę skontaktować się z dostawcą programu."));
}

TEST_F(OutputTest, FixedAndUnknownCodes) {
  CString fixed = L"Połączenie linii nie jest możliwe z powodu nakładających się elementów. Proszę "
                  L"usunąć zduplikowane linie/krzywe przed uruchomieniem funkcji";
  EXPECT_EQ(Fastrelle_ErrorHandler(-102, L"ignored").GetMessage(), fixed);
  EXPECT_EQ(Fastrelle_ErrorHandler(-7, L"x").GetMessage(), CString());
}

TEST_F(OutputTest, ShowUsesTheProductCaptionAndTheErrorIcon) {
  headless::ClearMessageBoxes();
  Fastrelle_ErrorHandler(-3, L"a.txs").Show();
  auto boxes = headless::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, L"Fastrelle");
  EXPECT_EQ(boxes[0].type, static_cast<unsigned>(MB_ICONERROR));
  EXPECT_EQ(boxes[0].text, L"Plik a.txs nie został odnaleziony!");
  Fastrelle_ErrorHandler(-11, L"").Print();
  EXPECT_NE(headless::Transcript().find(L"Funkcja anulowana"), std::wstring::npos);
}
