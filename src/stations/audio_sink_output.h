#pragma once
// The real sound output: Qt Multimedia's QAudioSink on the default audio device, fed
// from memory. Each sound gets a fresh sink and cuts off the one before, so one sound
// plays at a time. Without an audio device (no sound server) DeviceCount is 0.

#include <QElapsedTimer>
#include <memory>

#include "stations/sound_output.h"

class QAudioSink;
class SampleFeed;

class AudioSinkOutput : public SoundOutput {
 public:
  AudioSinkOutput();
  ~AudioSinkOutput() override;

  int DeviceCount() override;
  bool Play(const QByteArray& wave, bool loop) override;
  bool IsPlaying() override;
  void Stop() override;

 private:
  struct Voice {
    std::unique_ptr<SampleFeed> feed;
    std::unique_ptr<QAudioSink> sink;  // declared last: destroyed before its feed
  };
  void Silence(Voice& voice);

  Voice voice_;
  // A one-shot that has run its length may still have its last moments in the device's
  // buffer; it is left to finish there instead of being cut off by the next sound.
  Voice finishing_;
  bool looping_ = false;
  int durationMs_ = 0;
  QElapsedTimer started_;
};
