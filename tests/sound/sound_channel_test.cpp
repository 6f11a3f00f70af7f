// The one sound channel's rules, played through a fake speaker on a virtual clock.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "headless/headless_host.h"
#include "stations/resource_library.h"
#include "stations/sound.h"
#include "stations/sound_output.h"
#include "stations/station_reset.h"
#include "stations/wave_image.h"

namespace {
// Plays nothing: each sound "sounds" for its own length on the virtual clock, and the
// speaker writes down what it was asked to do and when.
class FakeSpeaker : public SoundOutput {
 public:
  explicit FakeSpeaker(const std::map<QByteArray, int>& ids) : ids_(ids) {}

  int devices = 1;
  std::vector<std::string> log;  // e.g. "t=440 play 5 loop", "t=900 stop"

  int DeviceCount() override { return devices; }
  bool Play(const QByteArray& wave, bool loop) override {
    const std::optional<PcmSound> pcm = ReadWaveImage(wave);
    if (!pcm) return false;
    playing_ = true;
    looping_ = loop;
    startedAt_ = TickCount();
    durationMs_ = static_cast<std::uint32_t>(pcm->DurationMs());
    Note("play " + std::to_string(ids_.at(wave)) + (loop ? " loop" : " once"));
    return true;
  }
  bool IsPlaying() override { return playing_ && (looping_ || TickCount() - startedAt_ < durationMs_); }
  void Stop() override {
    playing_ = false;
    Note("stop");
  }

 private:
  void Note(const std::string& what) { log.push_back("t=" + std::to_string(TickCount()) + " " + what); }
  const std::map<QByteArray, int>& ids_;
  bool playing_ = false, looping_ = false;
  std::uint32_t startedAt_ = 0, durationMs_ = 0;
};

// A host whose message pump can run something, as a real pump runs window messages.
class PumpingHost : public HeadlessHost {
 public:
  std::function<void()> duringPump;
  void PumpPendingMessages() override {
    if (duringPump) duringPump();
  }
};

class SoundChannel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(resources::LoadBundle(SOUND_BUNDLE_PATH));
    for (int id = 1; id <= 13; ++id) {
      const QByteArray image = resources::SoundImage(id);
      if (!image.isEmpty()) ids[image] = id;
    }
  }
  static void TearDownTestSuite() { resources::UnloadBundle(SOUND_BUNDLE_PATH); }

  void SetUp() override {
    ResetStationState(clock);
    coreState.game.gamePhase = GamePhase::Green;
    UseSoundOutput(&speaker);
    ASSERT_EQ(InitSound(), 1);
  }
  void TearDown() override { ShutdownSound(); }

  // Starts the ambience as the idle pass does, and forgets what the speaker did so far.
  void AmbiencePlaying() {
    ASSERT_TRUE(KeepAmbience(false));
    speaker.log.clear();
  }

  static inline std::map<QByteArray, int> ids;
  PumpingHost clock;
  FakeSpeaker speaker{ids};
};

using Log = std::vector<std::string>;
}  // namespace

TEST_F(SoundChannel, ImpulseMoveAcknowledgesThenRunsTheEnginesThenBringsBackTheAmbience) {
  AmbiencePlaying();
  PlaySoundNow(Sounds::Acknowledge, false);      // Navigation EXECUTE
  PlaySoundAfterCurrent(Sounds::Engines, true);  // the move begins
  EXPECT_EQ(speaker.log, (Log{"t=0 play 3 once", "t=440 play 5 loop"}))
      << "the 434 ms acknowledgement is heard to its end before the engines start";
  EXPECT_FALSE(KeepAmbience(false)) << "the engines' loop keeps the channel";
  clock.now += 3000;
  StopSound();  // the ship stops
  EXPECT_TRUE(KeepAmbience(false)) << "the next idle pass brings the ambience back";
  EXPECT_EQ(speaker.log.back(), "t=3440 play 1 loop");
}

TEST_F(SoundChannel, AQuicklyRepeatedAcknowledgementIsHeardOnceUntilTheAmbienceReturns) {
  AmbiencePlaying();
  PlaySoundNow(Sounds::Acknowledge, false);  // Shields commit
  clock.now += 300;
  PlaySoundNow(Sounds::Acknowledge, false);  // and again, 0.3 s later
  EXPECT_EQ(speaker.log, (Log{"t=0 play 3 once"}));
  EXPECT_FALSE(KeepAmbience(false)) << "the acknowledgement is still sounding";
  clock.now += 200;
  EXPECT_TRUE(KeepAmbience(false));
  PlaySoundNow(Sounds::Acknowledge, false);
  EXPECT_EQ(speaker.log, (Log{"t=0 play 3 once", "t=500 play 1 loop", "t=500 play 3 once"}));
}

TEST_F(SoundChannel, WithSoundsOffNothingPlays) {
  coreState.options.soundsEnabled = 0;
  EXPECT_FALSE(KeepAmbience(false));
  PlaySoundNow(Sounds::RedAlert, false);
  PlaySoundAfterCurrent(Sounds::TorpedoLaunch, false);
  PlaySoundNow(Sounds::PhaserBeam, true);
  EXPECT_TRUE(speaker.log.empty());
}

TEST_F(SoundChannel, TheAmbienceWaitsForAGameInPlay) {
  struct Case {
    GamePhase phase;
    bool paused;
    bool starts;
  };
  const Case cases[] = {
      {GamePhase::NoGame, false, false},     {GamePhase::GameOver, false, false}, {GamePhase::Green, true, false},
      {GamePhase::RedAlert, true, false},    {GamePhase::Docked, false, true},    {GamePhase::Green, false, true},
      {GamePhase::RedAlertAlt, false, true}, {GamePhase::Yellow, false, true},
  };
  for (const Case& c : cases) {
    StopSound();
    speaker.log.clear();
    coreState.game.gamePhase = c.phase;
    EXPECT_EQ(KeepAmbience(c.paused), c.starts) << "phase " << static_cast<int>(c.phase) << (c.paused ? " paused" : "");
    EXPECT_EQ(speaker.log.size(), c.starts ? 1u : 0u) << "phase " << static_cast<int>(c.phase);
  }
}

TEST_F(SoundChannel, TheAmbienceIsNotRestartedWhileItPlays) {
  AmbiencePlaying();
  EXPECT_FALSE(KeepAmbience(false));
  EXPECT_TRUE(speaker.log.empty());
}

TEST_F(SoundChannel, ASoundLastStartedIsNotRestartedSoALoopRunsOn) {
  PlaySoundNow(Sounds::PhaserBeam, true);
  clock.now += 500;
  PlaySoundNow(Sounds::PhaserBeam, true);
  EXPECT_EQ(speaker.log, (Log{"t=0 play 8 loop"}));
  StopSound();
  PlaySoundNow(Sounds::PhaserBeam, true);
  EXPECT_EQ(speaker.log.back(), "t=500 play 8 loop") << "after a stop the same sound starts afresh";
}

TEST_F(SoundChannel, PlayingNowCutsOffWhateverPlays) {
  PlaySoundNow(Sounds::AlienBeam, true);
  clock.now += 100;
  PlaySoundNow(Sounds::AlienHit, false);
  EXPECT_EQ(speaker.log, (Log{"t=0 play 10 loop", "t=100 play 11 once"}));
  EXPECT_EQ(CurrentSound(), Sounds::AlienHit);
}

TEST_F(SoundChannel, WaitingGivesWayToTheAmbienceAtOnce) {
  AmbiencePlaying();
  PlaySoundAfterCurrent(Sounds::TorpedoLaunch, false);
  EXPECT_EQ(speaker.log, (Log{"t=0 play 9 once"}));
}

TEST_F(SoundChannel, WaitingCutsInAfterTwentySeconds) {
  PlaySoundNow(Sounds::AlienBeam, true);  // a loop that would never end by itself
  PlaySoundAfterCurrent(Sounds::TorpedoLaunch, false);
  ASSERT_EQ(speaker.log.size(), 2u);
  EXPECT_EQ(speaker.log[1], "t=20010 play 9 once") << "the first look past 20000 ms cuts in";
}

TEST_F(SoundChannel, WaitingForASoundStillPlaysTheSameSoundAgain) {
  PlaySoundNow(Sounds::Acknowledge, false);
  PlaySoundAfterCurrent(Sounds::Acknowledge, false);
  EXPECT_EQ(speaker.log, (Log{"t=0 play 3 once", "t=440 play 3 once"}));
}

TEST_F(SoundChannel, SwitchingSoundsOffWhileASoundWaitsKeepsItSilent) {
  PlaySoundNow(Sounds::Acknowledge, false);
  clock.duringPump = [] {
    if (TickCount() >= 100 && coreState.options.soundsEnabled) {  // the player unticks Sounds
      coreState.options.soundsEnabled = 0;
      StopSound();
    }
  };
  PlaySoundAfterCurrent(Sounds::Engines, true);
  EXPECT_EQ(speaker.log, (Log{"t=0 play 3 once", "t=100 stop"}));
}

TEST_F(SoundChannel, ASoundTheBundleLacksPlaysNothingButCountsAsStarted) {
  AmbiencePlaying();
  PlaySoundNow(6, false);
  EXPECT_TRUE(speaker.log.empty()) << "the ambience plays on";
  EXPECT_EQ(CurrentSound(), 6);
  PlaySoundAfterCurrent(6, false);
  EXPECT_TRUE(speaker.log.empty());
}

TEST_F(SoundChannel, WithoutADeviceTheRunIsSilent) {
  ShutdownSound();
  speaker.devices = 0;
  speaker.log.clear();
  EXPECT_EQ(InitSound(), 0);
  PlaySoundNow(Sounds::StartUp, false);
  PlaySoundAfterCurrent(Sounds::TorpedoLaunch, false);
  EXPECT_FALSE(KeepAmbience(false));
  StopSound();
  EXPECT_TRUE(speaker.log.empty());
}

TEST_F(SoundChannel, ShutdownStopsTheSoundAndClosesTheChannel) {
  AmbiencePlaying();
  ShutdownSound();
  PlaySoundNow(Sounds::GameOver, false);
  EXPECT_EQ(speaker.log, (Log{"t=0 stop"}));
}
