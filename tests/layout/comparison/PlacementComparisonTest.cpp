// Placement by calculation on seeded layouts of lines, arcs and splines turned 0, 90 and 37
// degrees, until the fabric is full: the same positions, refusals and closing line with the
// drawing's caches and indexes off.
#include "layout/Layout_draw_form.h"

#include "layout/CompactionFixture.h"

namespace {

using Placement = CompactionTest;

TEST_F(Placement, SeededRowsGiveTheSamePositionsWithCachesAndIndexesOff) {
  for (unsigned seed = 1; seed <= 10; ++seed) {
    auto run = [&] {
      // The seeded layout gives the piece blocks; its references make way for placed ones.
      std::vector<CString> names;
      for (ZcDbObjectId id : SeededLayout(seed)) {
        auto* reference = Read<ZcDbBlockReference>(id);
        names.push_back(Read<ZcDbBlockTableRecord>(reference->blockTableRecord())->name().c_str());
        Erase(id);
      }
      const double rotations[] = {0.0, 90.0, 37.0};
      ZcDbObjectIdArray placed;
      std::vector<double> statuses;
      for (std::size_t i = 0; i < 60; ++i) {
        Layout_draw_form_ByCalc piece(names[i % names.size()], rotations[(i + seed) % 3]);
        int status = piece.Draw();
        statuses.push_back(status);
        if (status != 0) break;
        placed.append(piece.GetId());
      }
      std::vector<double> out = Positions(placed);
      out.insert(out.end(), statuses.begin(), statuses.end());
      return out;
    };
    db_ = headless::NewDrawing();
    std::vector<double> ours = run();
    EXPECT_EQ(7.0, ours.back()) << "seed " << seed << ": the row ends with a refusal at the right edge";

    db_ = headless::NewDrawing();
    std::vector<double> plain;
    {
      CachingRestored restore;
      headless::SetCaching(false);
      plain = run();
    }
    ASSERT_EQ(plain.size(), ours.size()) << "seed " << seed;
    for (std::size_t i = 0; i < ours.size(); ++i) EXPECT_NEAR(plain[i], ours[i], 1e-9) << "seed " << seed << " " << i;
  }
}

}  // namespace
