// Compaction and the movers it is made of on seeded layouts of lines, arcs and splines,
// turned and mirrored: the same positions and closing line as the steps composed from
// single movers with the drawing's caches and indexes off. A program of its own: the
// uncached runs are long.
#include "layout/PressureAlgorithm.h"

#include "layout/CompactionFixture.h"

namespace {

using Compaction = CompactionTest;

TEST_F(Compaction, SeededLayoutsGiveTheComposedPositionsWithCachesAndIndexesOff) {
  for (unsigned seed = 1; seed <= 10; ++seed) {
    // Every other piece lifted, then all compacted.
    auto run = [&](bool composed) {
      ZcDbObjectIdArray pieces = SeededLayout(seed);
      for (int i = 1; i < pieces.length(); i += 2) Layout_Move_Top(One(pieces[i])).Run();
      if (composed) {
        Composed(pieces);
      } else {
        PressureByMoveEachInOneStep pressure;
        pressure.SetBorder(FindTaggedPolyline(L"Layout"));
        pressure.m_pieces = pieces;
        EXPECT_EQ(0, pressure.Run());
      }
      return Positions(pieces);
    };
    db_ = headless::NewDrawing();
    std::vector<double> ours = run(false);

    db_ = headless::NewDrawing();
    std::vector<double> composed;
    {
      CachingRestored restore;
      headless::SetCaching(false);
      composed = run(true);
    }

    ASSERT_EQ(composed.size(), ours.size());
    for (std::size_t i = 0; i < ours.size(); ++i) EXPECT_NEAR(composed[i], ours[i], 1e-9) << "seed " << seed << " " << i;
  }
}

}  // namespace
