#pragma once
// What the sound channel plays through: one voice that plays a WAVE image at once
// (cutting off whatever sounded), optionally looping, and can be asked whether it is
// still sounding. The game uses AudioSinkOutput; the tests use a fake.

#include <QByteArray>

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;

  // Number of audio output devices; 0 means the game runs silent.
  virtual int DeviceCount() = 0;
  // Starts `wave` (a complete RIFF WAVE image) at once, cutting off whatever plays.
  // A looping sound repeats until stopped. False when the image cannot be played.
  virtual bool Play(const QByteArray& wave, bool loop) = 0;
  // True while a sound is still sounding; a looping one sounds until stopped.
  virtual bool IsPlaying() = 0;
  virtual void Stop() = 0;
};
