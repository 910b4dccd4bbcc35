// Ordering lists: sizes sorted by name, then by each list of the file in turn.
#include "sizes/Fastrelle_Sizes_Sorters.h"

#include <stdexcept>

#include "SizesFixture.h"

namespace {

class Ordering : public SizesTest {
protected:
  /// Points "SortersPath" at a file of these bytes for this test.
  void UseLists(const std::string& bytes) {
    WriteBytes(dir_.Native("Sorters.txt"), bytes);
    path_ = std::make_unique<SettingOverride>(L"SortersPath", dir_.Windows("Sorters.txt").c_str());
  }
  static std::wstring Sorted(std::initializer_list<const wchar_t*> names) {
    std::vector<Fastrelle_Size> sizes;
    for (const wchar_t* name : names) sizes.emplace_back(name, 1, false);
    SortSizes(sizes);
    std::wstring out;
    for (const Fastrelle_Size& s : sizes) out += (out.empty() ? L"" : L" ") + s.GetName().str();
    return out;
  }

  TempFolder dir_;
  std::unique_ptr<SettingOverride> path_;
};

TEST_F(Ordering, TheListDecidesAndNamesItLacksComeAfter) {
  UseLists("S;M;L\r\n");
  EXPECT_EQ(L"S M L", Sorted({L"L", L"M", L"S"}));
  EXPECT_EQ(L"S M XXL", Sorted({L"XXL", L"S", L"M"}));
  EXPECT_EQ(L"S M m", Sorted({L"m", L"S", L"M"}));  // matching is exact: "m" is absent
}

TEST_F(Ordering, TheLastListHoldingTheNamesDecides) {
  UseLists("S;M;L\r\nL;M;S\r\n");
  EXPECT_EQ(L"L M S", Sorted({L"S", L"M", L"L"}));
}

TEST_F(Ordering, ALaterListLackingTheNamesKeepsTheEarlierOrder) {
  UseLists("XS;S;M;L;XL\r\n32;34;36\r\n");
  EXPECT_EQ(L"XS S M L XL", Sorted({L"XL", L"M", L"S", L"L", L"XS"}));
}

TEST_F(Ordering, TheShippedFileKeepsSmallMediumLargeInOrder) {
  path_ = std::make_unique<SettingOverride>(L"SortersPath", L"Config\\Sorters.txt");
  EXPECT_EQ(L"S M L", Sorted({L"L", L"S", L"M"}));
  EXPECT_EQ(L"32 34 36", Sorted({L"36", L"32", L"34"}));
  EXPECT_EQ(2u, Fastrelle_Sizes_Sorters::Lists().size());
}

TEST_F(Ordering, NamesAreTrimmedEmptyOnesDroppedAndEveryLineIsAList) {
  UseLists("\xEF\xBB\xBF S; M ;;L\r\n\r\nXL\r\n");
  Fastrelle_Sizes_Sorters sorters;
  sorters.Load();
  ASSERT_EQ(3u, Fastrelle_Sizes_Sorters::Lists().size());
  EXPECT_EQ(L"S,M,L", Fastrelle_Sizes_Sorters::Lists()[0].Join(L","));
  EXPECT_EQ(0, Fastrelle_Sizes_Sorters::Lists()[1].GetCount());
}

TEST_F(Ordering, WithoutTheFileSizesAreInNameOrderAndNothingIsReported) {
  path_ = std::make_unique<SettingOverride>(L"SortersPath", dir_.Windows("none.txt").c_str());
  headless::ClearTranscript();
  EXPECT_EQ(L"10 9 L M S", Sorted({L"S", L"9", L"M", L"10", L"L"}));
  EXPECT_EQ(L"", headless::Transcript());
}

TEST_F(Ordering, ThePositionComparisonPastTheLastListIsAProgrammingError) {
  UseLists("S;M\r\n");
  Fastrelle_Sizes_Sorters().Load();
  Fastrelle_Sizes_Sorters::Current() = 1;
  EXPECT_THROW(CompareSizePositions(Fastrelle_Size(L"S", 1, false), Fastrelle_Size(L"M", 1, false)), std::out_of_range);
}

}  // namespace
