#include "stations/sound.h"

#include <memory>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "stations/audio_sink_output.h"
#include "stations/resource_library.h"
#include "stations/sound_output.h"
#include "stations/station_state.h"

namespace {
// A sound waiting for the channel cuts in after this long, whatever plays.
constexpr std::uint32_t LongestWaitMs = 20000;
// How long the waiting caller sleeps in the event loop between looks at the channel.
constexpr std::uint32_t WaitStepMs = 10;

bool SoundsOn() { return coreState.options.soundsEnabled != 0; }

void Start(const QByteArray& image, bool loop) {
  if (!image.isEmpty() && stationState.soundChannel.Open()) stationState.soundChannel.output->Play(image, loop);
}
}  // namespace

void UseSoundOutput(SoundOutput* output) {
  stationState.soundChannel.output = output;
  stationState.soundChannel.realOutput.reset();
}

int InitSound() {
  if (!stationState.soundChannel.output) {
    stationState.soundChannel.realOutput = std::make_unique<AudioSinkOutput>();
    stationState.soundChannel.output = stationState.soundChannel.realOutput.get();
  }
  stationState.soundChannel.deviceCount = stationState.soundChannel.output->DeviceCount();
  stationState.soundChannel.currentSound = 0;
  if (stationState.soundChannel.deviceCount == 0) return 0;
  stationState.soundChannel.ambienceImage = resources::SoundImage(Sounds::Ambience);
  return stationState.soundChannel.deviceCount;
}

void ShutdownSound() {
  StopSound();
  stationState.soundChannel.deviceCount = 0;
  // The real output closes with the frame, while Qt's audio is still there to close it.
  if (stationState.soundChannel.realOutput) {
    stationState.soundChannel.realOutput.reset();
    stationState.soundChannel.output = nullptr;
  }
}

void StopSound() {
  if (!stationState.soundChannel.Open()) return;
  stationState.soundChannel.output->Stop();
  stationState.soundChannel.currentSound = 0;
}

void PlaySoundNow(SoundId id, bool loop) {
  if (!SoundsOn() || id == stationState.soundChannel.currentSound) return;
  Start(resources::SoundImage(id), loop);
  stationState.soundChannel.currentSound = id;
}

void PlaySoundAfterCurrent(SoundId id, bool loop) {
  if (!SoundsOn()) return;
  const QByteArray image = resources::SoundImage(id);
  if (!image.isEmpty() && stationState.soundChannel.Open()) {
    const std::uint32_t start = TickCount();
    // Wait for the sound playing to end; the windows keep working meanwhile. The
    // ambience gives way at once, and nothing is waited for longer than 20 s.
    while (stationState.soundChannel.output->IsPlaying()) {
      host().PumpPendingMessages();
      if (stationState.soundChannel.currentSound == Sounds::Ambience || TickCount() - start > LongestWaitMs) break;
      if (!WaitUnlessQuitting(WaitStepMs)) break;
    }
    // While it waited, the player may have switched sounds off or the frame closed.
    if (SoundsOn() && stationState.soundChannel.Open()) stationState.soundChannel.output->Play(image, loop);
  }
  stationState.soundChannel.currentSound = id;
}

bool KeepAmbience(bool paused) {
  if (!SoundsOn() || stationState.soundChannel.currentSound == Sounds::Ambience || paused) return false;
  if (coreState.game.gamePhase == GamePhase::NoGame || coreState.game.gamePhase == GamePhase::GameOver) return false;
  // Only into a free channel: whatever plays, a one-shot or a looping effect, goes on.
  if (!stationState.soundChannel.Open() || stationState.soundChannel.output->IsPlaying()) return false;
  if (!stationState.soundChannel.output->Play(stationState.soundChannel.ambienceImage, true)) return false;
  stationState.soundChannel.currentSound = Sounds::Ambience;
  return true;
}

SoundId CurrentSound() { return stationState.soundChannel.currentSound; }
