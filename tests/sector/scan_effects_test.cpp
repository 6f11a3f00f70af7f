#include "core/core_state.h"
#include "sector/scan_effects.h"
#include "sector/scan_geometry.h"
#include "tests/sector/sector_fixture.h"

namespace {

using Calls = std::vector<HeadlessHost::Call>;

class ScanEffectsTest : public SectorTest {
 protected:
  void SetUp() override {
    SectorTest::SetUp();
    StartGame();
    DrawQuadrant(27, {"........", "..K.....", "........", "....B...", "........", "<.......", "........", "...x...."});
  }
};

TEST_F(ScanEffectsTest, AHitShowsEightFramesThenPutsThePictureBack) {
  PlayHitAnimation(2, 1, false);
  Calls expected;
  for (int frame = 0; frame < 8; ++frame) {
    expected.push_back({"ScanBlitFrame", "39/" + std::to_string(frame) + " at 100,47"});
    expected.push_back({"WaitPumping", "120"});
  }
  expected.push_back({"ScanBlitFrame", "20/0 at 100,47"});
  EXPECT_EQ(recorder.calls, expected);
}

TEST_F(ScanEffectsTest, ADestroyingHitExplodesWithItsSoundAndLeavesTheSectorBlack) {
  PlayHitAnimation(4, 3, true);
  ASSERT_FALSE(recorder.calls.empty());
  EXPECT_EQ(recorder.calls.front(), (HeadlessHost::Call{"PlaySoundNow", "4 once"}));
  EXPECT_EQ(recorder.calls[1], (HeadlessHost::Call{"ScanBlitFrame", "48/0 at 172,101"}));
  EXPECT_EQ(recorder.calls.back(), (HeadlessHost::Call{"ScanFillBlack", "173,102-207,127"}));
  EXPECT_EQ(recorder.now, 8u * 120);
}

TEST_F(ScanEffectsTest, WithTheScanOutAHitDrawsNothingAndAnExplosionWaitsASecondMore) {
  coreState.game.Damage(ShipSystem::SRS) = 0.5;
  PlayHitAnimation(0, 5, false);
  EXPECT_EQ(recorder.now, 8u * 120);
  recorder.Clear();
  recorder.now = 0;
  PlayHitAnimation(2, 1, true);
  EXPECT_EQ(recorder.now, 1000u + 8u * 120);
  for (const auto& call : recorder.calls) EXPECT_NE(call.what.rfind("Scan", 0), 0u) << call.what;
}

TEST_F(ScanEffectsTest, AHitOnAStarIsAnInternalError) {
  PlayHitAnimation(3, 7, false);
  EXPECT_EQ(PanelLines(), std::vector<std::string>{"Internal Error: srs1062"});
  EXPECT_EQ(recorder.CallsNamed("ScanBlitFrame").size(), 0u);
}

TEST_F(ScanEffectsTest, TheShipsBeamFlashesRedAndMagentaUntilItsTimeIsUp) {
  const ScanPoint from = SectorCentre(0, 5), to = SectorCentre(2, 1);
  DrawBeam(from, to, 250, false);
  const auto lines = recorder.CallsNamed("ScanXorLine");
  // 100 ms per flash: three flashes fit in 250 ms.
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], "46,168-118,60 FF0000");
  EXPECT_EQ(lines[1], lines[0]) << "drawn twice: the second erases the first";
  EXPECT_EQ(lines[2], "46,168-118,60 FF00FF");
  EXPECT_EQ(recorder.CallsNamed("PlaySoundNow"), std::vector<std::string>{"8 loop"});
  EXPECT_EQ(recorder.calls.back().what, "StopSound");
}

TEST_F(ScanEffectsTest, ABeamLastsTenMsAUnitUpToAFullShipsEnergy) {
  EXPECT_EQ(BeamDuration(170), 1700u);
  EXPECT_EQ(BeamDuration(-5), 0u);
  EXPECT_EQ(BeamDuration(3000), 30000u);
  EXPECT_EQ(BeamDuration(1000000), 30000u) << "no game holds more; the bridge is not held for hours";
}

TEST_F(ScanEffectsTest, AnAliensBeamIsBlueAndCyanAndEndsWithTheHitSound) {
  DrawBeam(SectorCentre(2, 1), SectorCentre(0, 5), 100, true);
  EXPECT_EQ(recorder.CallsNamed("ScanXorLine"),
            (std::vector<std::string>{"118,60-46,168 0000FF", "118,60-46,168 0000FF", "118,60-46,168 00FFFF",
                                      "118,60-46,168 00FFFF"}));
  EXPECT_EQ(recorder.CallsNamed("PlaySoundNow"), (std::vector<std::string>{"10 loop", "11 once"}));
}

TEST_F(ScanEffectsTest, ABeamOfNoDurationOnlyPlaysItsSounds) {
  DrawBeam(SectorCentre(2, 1), SectorCentre(0, 5), 0, true);
  EXPECT_EQ(recorder.calls, (Calls{{"PlaySoundNow", "10 loop"}, {"PlaySoundNow", "11 once"}}));
}

TEST_F(ScanEffectsTest, ABeamFlashesAsOftenOnAMachineThatOversleepsItsWaits) {
  struct Oversleeping : HeadlessHost {
    void WaitPumping(std::uint32_t ms) override { HeadlessHost::WaitPumping(ms + 30); }
  } busy;
  SetHost(&busy);
  DrawBeam(SectorCentre(0, 5), SectorCentre(2, 1), 250, false);
  SetHost(&recorder);
  EXPECT_EQ(busy.CallsNamed("ScanXorLine").size(), 12u) << "three flashes, as on an idle machine";
}

TEST_F(ScanEffectsTest, ABeamsFlashesKeepTheirPaceWhenEveryWaitOversleeps) {
  struct Oversleeping : HeadlessHost {
    std::vector<std::uint32_t> asked;
    void WaitPumping(std::uint32_t ms) override {
      asked.push_back(ms);
      HeadlessHost::WaitPumping(ms + 3);
    }
  } busy;
  SetHost(&busy);
  DrawBeam(SectorCentre(0, 5), SectorCentre(2, 1), 250, false);
  SetHost(&recorder);
  // Each wait takes up what the one before overslept: three flashes 100 ms apart and the last
  // wait's 3 ms, not three times 106 ms.
  EXPECT_EQ(busy.asked, (std::vector<std::uint32_t>{60, 37, 57, 37, 57, 37}));
  EXPECT_EQ(busy.now, 303u);
}

TEST_F(ScanEffectsTest, ABeamWithTheScanOutTakesAsLongButDrawsNothing) {
  coreState.game.Damage(ShipSystem::SRS) = 0.5;
  DrawBeam(SectorCentre(2, 1), SectorCentre(0, 5), 250, false);
  EXPECT_EQ(recorder.now, 300u);
  EXPECT_TRUE(recorder.CallsNamed("ScanXorLine").empty());
}

}  // namespace
