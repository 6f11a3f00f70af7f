#include "stations/audio_sink_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>
#include <cstring>

#include "stations/wave_image.h"

// Hands the sink a sound's samples, from the start again and again when looping, so a
// loop repeats seamlessly without the sink ever running dry.
class SampleFeed : public QIODevice {
 public:
  SampleFeed(QByteArray samples, bool loop) : samples_(std::move(samples)), loop_(loop) { open(QIODevice::ReadOnly); }
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override {
    return (loop_ ? samples_.size() : samples_.size() - at_) + QIODevice::bytesAvailable();
  }

 protected:
  qint64 readData(char* data, qint64 max) override {
    qint64 copied = 0;
    while (copied < max && !samples_.isEmpty()) {
      if (at_ == samples_.size()) {
        if (!loop_) break;
        at_ = 0;
      }
      const qint64 n = std::min(max - copied, samples_.size() - at_);
      std::memcpy(data + copied, samples_.constData() + at_, static_cast<std::size_t>(n));
      copied += n;
      at_ += n;
    }
    return copied;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray samples_;
  bool loop_;
  qint64 at_ = 0;
};

namespace {
QAudioFormat FormatOf(const PcmSound& sound) {
  QAudioFormat format;
  format.setSampleRate(sound.sampleRate);
  format.setChannelCount(sound.channels);
  format.setSampleFormat(sound.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  return format;
}

// 8-bit samples widened to 16 bits, for a device that does not take 8-bit sound.
QByteArray Widened(const QByteArray& unsigned8) {
  QByteArray wide(unsigned8.size() * 2, Qt::Uninitialized);
  for (qsizetype i = 0; i < unsigned8.size(); ++i) {
    const auto v = static_cast<qint16>((static_cast<unsigned char>(unsigned8[i]) - 128) * 256);
    std::memcpy(wide.data() + 2 * i, &v, 2);
  }
  return wide;
}
}  // namespace

AudioSinkOutput::AudioSinkOutput() = default;

AudioSinkOutput::~AudioSinkOutput() { Stop(); }

int AudioSinkOutput::DeviceCount() { return static_cast<int>(QMediaDevices::audioOutputs().size()); }

bool AudioSinkOutput::Play(const QByteArray& wave, bool loop) {
  std::optional<PcmSound> sound = ReadWaveImage(wave);
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (!sound || device.isNull()) return false;
  QAudioFormat format = FormatOf(*sound);
  if (!device.isFormatSupported(format) && sound->bitsPerSample == 8) {
    sound->samples = Widened(sound->samples);
    sound->bitsPerSample = 16;
    format = FormatOf(*sound);
  }

  if (IsPlaying()) {
    Stop();
  } else {
    Silence(finishing_);
    finishing_ = std::move(voice_);  // its tail may still be in the device: let it end
  }
  durationMs_ = sound->DurationMs();
  looping_ = loop;
  voice_.feed = std::make_unique<SampleFeed>(sound->samples, loop);
  voice_.sink = std::make_unique<QAudioSink>(device, format);
  // A fifth of a second in hand rides out a busy moment of the event loop.
  voice_.sink->setBufferSize(format.bytesForDuration(200000));
  voice_.sink->start(voice_.feed.get());
  if (voice_.sink->error() != QAudio::NoError) {
    Silence(voice_);
    return false;
  }
  started_.start();
  return true;
}

bool AudioSinkOutput::IsPlaying() {
  // A sink stops by itself only when its device fails.
  if (!voice_.sink || voice_.sink->state() == QAudio::StoppedState) return false;
  // A one-shot sounds for its own length. The sink's state is no guide to that: it
  // stays active for as long as the device's latency, which can be seconds.
  return looping_ || started_.elapsed() < durationMs_;
}

void AudioSinkOutput::Silence(Voice& voice) {
  if (voice.sink) voice.sink->stop();
  voice = {};
}

void AudioSinkOutput::Stop() {
  Silence(voice_);
  Silence(finishing_);
  looping_ = false;
}
