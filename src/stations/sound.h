#pragma once
// The game's one sound channel. It plays one sound at a time: a new sound cuts off the
// one playing unless it is asked to wait for it. Between events the bridge ambience
// (sound 1) fills the channel; the main loop's idle pass restarts it with KeepAmbience.
//
// Sound ids and when each is heard are listed with `namespace Sounds` in host.h.
// The rules reach these functions through Host::PlaySoundNow, PlaySoundAfterCurrent and
// StopSound; the frame calls InitSound, ShutdownSound and KeepAmbience itself.

#include <QByteArray>
#include <memory>

#include "core/host.h"
#include "stations/sound_output.h"

// The channel's state, kept in stationState: at program start no output is chosen and
// nothing plays.
struct SoundChannelState {
  SoundOutput* output = nullptr;
  std::unique_ptr<SoundOutput> realOutput;  // opened by InitSound when no fake is installed
  int deviceCount = 0;
  QByteArray ambienceImage;  // read once at start
  SoundId currentSound = 0;

  bool Open() const { return deviceCount != 0 && output != nullptr; }
};

// The player's Sounds switch is options.soundsEnabled (menu item 254, setting "Sounds"):
// while it is off nothing is played. The frame turns it off for good when InitSound finds
// no device.

// At frame creation: looks for an audio output device and reads the ambience from the
// sound bundle. Returns the number of devices; 0 means the whole run stays silent.
int InitSound();
// At frame destruction: stops the sound and closes the channel.
void ShutdownSound();

// Stops whatever plays and forgets it: the next sound starts afresh.
void StopSound();
// Starts a sound at once, cutting off whatever plays — unless it is the sound last
// started, which is left alone (a loop keeps running; a one-shot repeated quickly is
// heard once until something else has started). A sound the bundle lacks plays nothing
// but still counts as the sound last started.
void PlaySoundNow(SoundId id, bool loop);
// Starts a sound when the one-shot sound now playing has ended, keeping the windows
// working meanwhile. The ambience, and anything that has played for 20 s, is cut off.
void PlaySoundAfterCurrent(SoundId id, bool loop);
// The idle pass: starts the looping ambience when the channel is free, sounds are on,
// a game is running and not over, and the game is not `paused`. True when it started it.
bool KeepAmbience(bool paused);

// The sound last started (0 after a stop).
SoundId CurrentSound();

// Tests play through a fake output: install it before InitSound. Without one, InitSound
// opens the real audio output.
void UseSoundOutput(SoundOutput* output);
