// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tumblix {

// One sound file held by the mixer (whole, or streamed as it plays), ready to play: a volume, a
// balance and a playback rate of its own. The setters refuse what the device does not accept and
// then change nothing.
class MixerBuffer {
  public:
    static constexpr int kMinVolume = -10000;  // hundredths of a decibel; 0 is full volume
    static constexpr std::int32_t kMinFrequency = 100;
    static constexpr std::int32_t kMaxFrequency = 200000;
    static constexpr int kMaxPan = 10000;  // negative towards the left

    virtual ~MixerBuffer() = default;

    bool setVolume(int volume) {
        return volume >= kMinVolume && volume <= 0 && applyVolume(volume);
    }
    // 0 is the file's own rate.
    bool setFrequency(std::int32_t hz) {
        bool accepted = hz == 0 || (hz >= kMinFrequency && hz <= kMaxFrequency);
        return accepted && applyFrequency(hz);
    }
    bool setPan(int pan) { return pan >= -kMaxPan && pan <= kMaxPan && applyPan(pan); }

    // The current playback rate in Hz.
    virtual std::int32_t frequency() const = 0;
    // Starts at the current position, once or looping.
    virtual void play(bool loop) = 0;
    // Back to the beginning, also while playing.
    virtual void rewind() = 0;
    // Stops; the position stays where it was.
    virtual void stop() = 0;
    // True once the device it was loaded on is gone: it plays into nothing and must be loaded
    // again.
    virtual bool lost() const { return false; }

  protected:
    virtual bool applyVolume(int volume) = 0;
    virtual bool applyFrequency(std::int32_t hz) = 0;
    virtual bool applyPan(int pan) = 0;
};

// The device the sounds play on. Sounds of different buffers overlap freely.
class Mixer {
  public:
    virtual ~Mixer() = default;
    // The whole file as a buffer; null when the device or the file cannot be used.
    virtual std::unique_ptr<MixerBuffer> load(const std::string& path) = 0;
    // Told once a streamed file is open, from any thread: its own rate, or 0 when it cannot play.
    using Opened = std::function<void(std::int32_t rate)>;
    // The file played as it is read, for a long looping music: it costs the same memory
    // whatever its length. It may be opened in the background, the caller never waiting for it;
    // `opened` is told once, before the buffer is gone. Null, and nothing told, when the device
    // cannot be used.
    virtual std::unique_ptr<MixerBuffer> stream(const std::string& path, Opened opened) {
        std::unique_ptr<MixerBuffer> b = load(path);
        if (b) opened(b->frequency());
        return b;
    }
};

// Hundredths of a decibel as a linear gain; -10000 and below is silence.
double volumeGain(int volume);

}  // namespace tumblix
