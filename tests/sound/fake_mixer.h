// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sound/mixer.h"

namespace tumblix::test {

// A mixer that knows a few files and their rates, and logs every operation of its buffers
// ("load a.wav", "a.wav play once", "a.wav volume -600", ...).
struct FakeMixer final : Mixer {
    struct Buffer final : MixerBuffer {
        Buffer(FakeMixer& m, std::string name) : m(m), name(name), hz(m.files.at(name)) {}
        ~Buffer() override { log("released"); }
        std::int32_t frequency() const override { return hz; }
        void play(bool loop) override { log(loop ? "play loop" : "play once"); }
        void rewind() override { log("rewind"); }
        void stop() override { log("stop"); }
        bool applyVolume(int v) override { return log("volume " + std::to_string(v)); }
        bool applyFrequency(std::int32_t f) override {
            hz = f == 0 ? m.files.at(name) : f;
            return log("frequency " + std::to_string(f));
        }
        bool applyPan(int p) override { return log("pan " + std::to_string(p)); }
        bool log(const std::string& what) { return m.log.push_back(name + " " + what), true; }
        FakeMixer& m;
        std::string name;
        std::int32_t hz;
    };

    std::unique_ptr<MixerBuffer> load(const std::string& path) override {
        log.push_back("load " + path);
        return files.count(path) ? std::make_unique<Buffer>(*this, path) : nullptr;
    }
    // The log since the last call.
    std::vector<std::string> take() { return std::exchange(log, {}); }

    std::map<std::string, int> files{{"a.wav", 22050}, {"b.wav", 11025}};
    std::vector<std::string> log;
};

}  // namespace tumblix::test
