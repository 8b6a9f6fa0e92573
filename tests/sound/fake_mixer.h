#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sound/mixer.h"

namespace tumblix::test {

// A mixer that knows a few files by name and their rates, and writes every operation on its
// buffers into one log ("load a.wav", "a.wav play once", "a.wav volume -600", ...).
struct FakeMixer final : Mixer {
    struct Buffer final : MixerBuffer {
        Buffer(FakeMixer& m, std::string name, int rate) : m(m), name(std::move(name)), hz(rate) {}
        ~Buffer() override { log("released"); }
        std::int32_t frequency() const override { return hz; }
        void play(bool loop) override { log(loop ? "play loop" : "play once"); }
        void rewind() override { log("rewind"); }
        void stop() override { log("stop"); }
        bool applyVolume(int v) override { return log("volume " + std::to_string(v)), true; }
        bool applyFrequency(std::int32_t f) override {
            hz = f == 0 ? m.files.at(name) : f;
            return log("frequency " + std::to_string(f)), true;
        }
        bool applyPan(int p) override { return log("pan " + std::to_string(p)), true; }
        void log(const std::string& what) { m.log.push_back(name + " " + what); }

        FakeMixer& m;
        std::string name;
        std::int32_t hz;
    };

    std::unique_ptr<MixerBuffer> load(const std::string& path) override {
        log.push_back("load " + path);
        if (!files.count(path)) return nullptr;
        return std::make_unique<Buffer>(*this, path, files.at(path));
    }

    // The log since the last call, cleared.
    std::vector<std::string> take() { return std::exchange(log, {}); }

    std::map<std::string, int> files{{"a.wav", 22050}, {"b.wav", 11025}};
    std::vector<std::string> log;
};

}  // namespace tumblix::test
