// Each module answers exactly its own string ids, asked in its own table, and the texts the
// system shows by number read as the interface has them (the kept spellings included);
// with all loaded, the chain answers them once.
#include <gtest/gtest.h>

#include <set>

#include "HostFixture.h"
#include "mfc/Resources.h"
#include "win/winbase.h"

namespace {

using Ids = std::set<UINT>;

void AddRange(Ids& ids, UINT first, UINT last) {
  for (UINT id = first; id <= last; ++id) ids.insert(id);
}

Ids ConstructionIds() {
  Ids ids{8028, 40219, 40220, 41001, 41218, 42000, 42001, 42003, 42004, 42011, 42201};
  for (auto [first, last] : {std::pair<UINT, UINT>{40000, 40009}, {40101, 40129}, {40202, 40217}, {40222, 40244},
                             {40246, 40255}, {40301, 40308}, {40401, 40404}, {42101, 42107}, {43110, 43119},
                             {43161, 43163}})
    AddRange(ids, first, last);
  return ids;
}

// Messages the system adds beside those it was given (no base size, nothing at a pick, a
// drag that met no curve, ...): in the construction module's table after its own.
Ids AddedConstructionIds() {
  Ids ids{40010, 40011, 40410, 43170, 43171, 43172, 43173};
  AddRange(ids, 41219, 41222);
  AddRange(ids, 42300, 42305);
  return ids;
}

// Messages the plot module adds beside those above: the warehouse's refusals.
Ids AddedPlotIds() {
  Ids ids;
  AddRange(ids, 43103, 43107);
  return ids;
}

Ids PlotIds() {
  Ids ids{40000, 43109, 43201, 43203, 43208, 43209};
  AddRange(ids, 43100, 43102);
  AddRange(ids, 43120, 43124);
  AddRange(ids, 43127, 43160);
  ids.erase(43156);
  return ids;
}

class StringTables : public HostTest {
protected:
  static HINSTANCE Load(const char* file) {
    std::wstring path = headless::FromUtf8(std::string(FASTRELLE_INSTALL_DIR) + "/" + file);
    if (!Linker()->loadModule(path.c_str(), true, false)) return nullptr;
    return GetModuleHandleW(path.c_str());
  }
  static Ids Answered(HINSTANCE module) {
    Ids ids;
    for (UINT id = 1; id < 65536; ++id)
      if (platform::FindModuleString(module, id)) ids.insert(id);
    return ids;
  }
  static std::wstring Text(HINSTANCE module, UINT id) {
    const wchar_t* text = platform::FindModuleString(module, id);
    return text ? text : L"(none)";
  }
};

TEST_F(StringTables, EachModuleAnswersExactlyItsIdsWithTheTextsShownByNumber) {
  HINSTANCE construction = Load("Fastrelle_Construction.zrx");
  HINSTANCE plot = Load("Fastrelle_Plot.zrx");
  HINSTANCE base = Load("Base.zrx");
  ASSERT_TRUE(construction && plot && base);

  EXPECT_EQ(ConstructionIds().size(), 131u);
  EXPECT_EQ(PlotIds().size(), 47u);
  Ids construction_ids = ConstructionIds();
  for (UINT id : AddedConstructionIds()) EXPECT_TRUE(construction_ids.insert(id).second) << id;
  EXPECT_EQ(Answered(construction), construction_ids);
  Ids plot_ids = PlotIds();
  for (UINT id : AddedPlotIds()) EXPECT_TRUE(plot_ids.insert(id).second) << id;
  EXPECT_EQ(Answered(plot), plot_ids);
  EXPECT_EQ(Answered(base), (Ids{42201, 42204, 42205}));

  EXPECT_EQ(Text(base, 42201), L"Dowiedz się więcej o programie Fastrelle");
  EXPECT_EQ(Text(base, 42204), L"Wersja");
  EXPECT_EQ(Text(base, 42205), L"Moduł");
  EXPECT_EQ(Text(construction, 40000), L"Fastrelle");
  EXPECT_EQ(Text(plot, 40000), L"Fastrelle");
  EXPECT_EQ(Text(construction, 40214), L"Pliki rozmiarów ");
  EXPECT_EQ(Text(construction, 40215), L"Pliki VEA, EVN");
  const wchar_t* inUse = L"Plik %s jest obecjie używany! Proszę zamknąć plik,lub wybrać inny";
  EXPECT_EQ(Text(construction, 42004), inUse);
  EXPECT_EQ(Text(plot, 43208), inUse);
  EXPECT_EQ(Text(plot, 43120), L"Zamknij");
  EXPECT_EQ(Text(plot, 43121), L"Model");
  EXPECT_EQ(Text(construction, 43118), L"Kontrola przyrostu");
}

}  // namespace
