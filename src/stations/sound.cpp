#include "stations/sound.h"

#include <memory>

#include "core/game_state.h"
#include "core/options.h"
#include "stations/audio_sink_output.h"
#include "stations/resource_library.h"
#include "stations/sound_output.h"

namespace {
// A sound waiting for the channel cuts in after this long, whatever plays.
constexpr std::uint32_t LongestWaitMs = 20000;
// How long the waiting caller sleeps in the event loop between looks at the channel.
constexpr std::uint32_t WaitStepMs = 10;

struct Channel {
  SoundOutput* output = nullptr;
  std::unique_ptr<SoundOutput> realOutput;  // opened by InitSound when no fake is installed
  int deviceCount = 0;
  QByteArray ambienceImage;  // read once at start
  SoundId currentSound = 0;

  bool Open() const { return deviceCount != 0 && output != nullptr; }
};
Channel channel;

bool SoundsOn() { return options.soundsEnabled != 0; }

void Start(const QByteArray& image, bool loop) {
  if (!image.isEmpty() && channel.Open()) channel.output->Play(image, loop);
}
}  // namespace

void UseSoundOutput(SoundOutput* output) {
  channel.output = output;
  channel.realOutput.reset();
}

int InitSound() {
  if (!channel.output) {
    channel.realOutput = std::make_unique<AudioSinkOutput>();
    channel.output = channel.realOutput.get();
  }
  channel.deviceCount = channel.output->DeviceCount();
  channel.currentSound = 0;
  if (channel.deviceCount == 0) return 0;
  channel.ambienceImage = resources::SoundImage(Sounds::Ambience);
  return channel.deviceCount;
}

void ShutdownSound() {
  StopSound();
  channel.deviceCount = 0;
  // The real output closes with the frame, while Qt's audio is still there to close it.
  if (channel.realOutput) {
    channel.realOutput.reset();
    channel.output = nullptr;
  }
}

void StopSound() {
  if (!channel.Open()) return;
  channel.output->Stop();
  channel.currentSound = 0;
}

void PlaySoundNow(SoundId id, bool loop) {
  if (!SoundsOn() || id == channel.currentSound) return;
  Start(resources::SoundImage(id), loop);
  channel.currentSound = id;
}

void PlaySoundAfterCurrent(SoundId id, bool loop) {
  if (!SoundsOn()) return;
  const QByteArray image = resources::SoundImage(id);
  if (!image.isEmpty() && channel.Open()) {
    const std::uint32_t start = TickCount();
    // Wait for the sound playing to end; the windows keep working meanwhile. The
    // ambience gives way at once, and nothing is waited for longer than 20 s.
    while (channel.output->IsPlaying()) {
      host().PumpPendingMessages();
      if (channel.currentSound == Sounds::Ambience || TickCount() - start > LongestWaitMs) break;
      if (!WaitUnlessQuitting(WaitStepMs)) break;
    }
    // While it waited, the player may have switched sounds off or the frame closed.
    if (SoundsOn() && channel.Open()) channel.output->Play(image, loop);
  }
  channel.currentSound = id;
}

bool KeepAmbience(bool paused) {
  if (!SoundsOn() || channel.currentSound == Sounds::Ambience || paused) return false;
  if (game.gamePhase == GamePhase::NoGame || game.gamePhase == GamePhase::GameOver) return false;
  // Only into a free channel: whatever plays, a one-shot or a looping effect, goes on.
  if (!channel.Open() || channel.output->IsPlaying()) return false;
  if (!channel.output->Play(channel.ambienceImage, true)) return false;
  channel.currentSound = Sounds::Ambience;
  return true;
}

SoundId CurrentSound() { return channel.currentSound; }

void ResetSoundChannel() { channel = Channel{}; }
