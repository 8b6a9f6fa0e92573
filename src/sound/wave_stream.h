// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <memory>
#include <string>

#include "sound/audio_stream.h"

namespace tumblix {

// A wave file of the kinds readWave reads (see wave_reader.h), read piece by piece: only the
// blocks being decoded are held, whatever the file's length or its header's claims. A file cut
// short or damaged while it is read ends the sound with failed() set.
class WaveStream final : public AudioStream {
  public:
    // Nothing for any other file.
    static std::unique_ptr<WaveStream> open(const std::string& path);
    static std::unique_ptr<WaveStream> open(std::unique_ptr<std::istream> in);
    ~WaveStream() override;

    int rate() const override;
    std::size_t read(std::vector<std::int16_t>& out, std::size_t frames) override;
    bool failed() const override;
    bool seek(std::int64_t ms) override;

  private:
    struct State;
    explicit WaveStream(std::unique_ptr<State> s);
    std::unique_ptr<State> s_;
};

}  // namespace tumblix
