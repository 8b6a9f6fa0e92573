// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "sound/audio_stream.h"
#include "sound/openal_voice.h"
#include "sound/source_queue.h"

namespace tumblix {

// A sound played in a loop as it is read: the background music. A worker thread opens and
// decodes the file and keeps a short queue on the two sources filled, from the beginning again
// after the end without a gap, and sleeps in between; so the music costs the memory of its
// queue whatever its length, and the caller never waits for the decoder. A file removed, cut
// short or damaged while it plays stops the sound, which then counts as lost.
class OpenAlStream final : public OpenAlVoice {
  public:
    // Made on the device, whose context is current; returns at once, the worker looks the file
    // up and opens it, then tells opened. Null when OpenAL refuses the sources.
    static std::unique_ptr<OpenAlStream> create(const std::string& path,
                                                std::shared_ptr<const OpenAlDevice> device,
                                                Mixer::Opened opened);
    ~OpenAlStream() override;

    bool lost() const override { return ended_ || OpenAlVoice::lost(); }
    // Loops whatever `loop` says.
    void play(bool loop) override;
    void rewind() override;
    void stop() override;

  private:
    OpenAlStream(std::string path, std::shared_ptr<const OpenAlDevice> device);
    void run(const Mixer::Opened& opened);
    // Decodes the next count buffers' worth into chunks, on from the beginning at the end;
    // false when the file can no longer be read.
    bool read(std::size_t count);
    // The file is still there as it was opened.
    bool unchanged() const;

    std::string path_;  // the worker's once it runs
    std::uintmax_t size_ = 0;
    std::unique_ptr<AudioStream> audio_;             // the worker's
    std::vector<std::vector<std::int16_t>> chunks_;  // the worker's
    std::unique_ptr<SourceQueue> queue_;  // under the device's lock, like the flags below
    bool quit_ = false, rewind_ = false, wanted_ = false;
    std::atomic<bool> ended_{false}, stop_{false};
    std::condition_variable wake_;
    std::thread worker_;
};

}  // namespace tumblix
