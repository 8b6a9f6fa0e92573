// SPDX-License-Identifier: GPL-3.0-or-later
// The sound system's costs on the user-interface thread: the music's balance change of every
// gravity tick, the play of a loaded event sound and the first play that loads it, the start
// of the music, and the time from a key's play request until the mixer sounds it. OpenAL runs its
// wave-file backend, which mixes in real time like a sound card, with the game's own mixing period.
#include <AL/alc.h>
#include <AL/alext.h>
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "sound/direct_sound.h"
#include "sound/dm_ctrl.h"
#include "sound/openal_mixer.h"

namespace {

using namespace tumblix;

const std::string kSounds = TUMBLIX_SOUND_DIR;

struct Loaded {
    Loaded() {
        sound.DMCtrlPath(kSounds + "/left1.WAV");
        sound.DMCtrlEnabled(true);
        sound.DMCtrlVolume(-1322);
        sound.DMCtrlFreq(57299);
        sound.DMCtrlPlay();
    }
    OpenAlMixer mixer;
    bool on = true;
    clsDMCtrl sound{mixer, on};
};

void BM_SetBkgPan(benchmark::State& state) {
    OpenAlMixer mixer;
    std::int32_t freq = 0;
    DirectSound music(mixer, freq);
    music.PlayBkgMusic(kSounds + "/BkgMusic.wav");
    std::int16_t pan = 0;
    for (auto _ : state) {
        music.SetBkgPan(pan);
        pan = static_cast<std::int16_t>(pan >= 5000 ? -5000 : pan + 500);
    }
    state.counters["failed"] = music.bFailedDS;
}
BENCHMARK(BM_SetBkgPan);

void BM_PlayLoadedSound(benchmark::State& state) {
    Loaded l;
    for (auto _ : state) l.sound.DMCtrlPlay();
    state.counters["failed"] = l.sound.bFailedDMCtrl;
}
BENCHMARK(BM_PlayLoadedSound);

// Every play follows a change of the volume, so every play loads the file again.
void BM_FirstPlayLoads(benchmark::State& state) {
    Loaded l;
    for (auto _ : state) {
        l.sound.DMCtrlVolume(-1322);
        l.sound.DMCtrlPlay();
    }
    state.counters["failed"] = l.sound.bFailedDMCtrl;
}
BENCHMARK(BM_FirstPlayLoads)->Unit(benchmark::kMicrosecond);

// A wave file of ten minutes of 44.1 kHz stereo silence (sparse on the disk).
std::string tenMinutes(const QTemporaryDir& dir) {
    std::string path = dir.filePath("ten.wav").toStdString();
    const std::uint32_t bytes = 600u * 44100 * 4;
    std::ofstream out(path, std::ios::binary);
    auto put = [&out](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) out.put(static_cast<char>(v >> (8 * i)));
    };
    out << "RIFF", put(36 + bytes, 4), out << "WAVEfmt ", put(16, 4), put(1, 2), put(2, 2);
    put(44100, 4), put(44100 * 4, 4), put(4, 2), put(16, 2), out << "data", put(bytes, 4);
    out.close();
    std::filesystem::resize_file(path, 44 + bytes);
    return path;
}

// The start-up's start of the music, the game's own 32-second music (0) or a 10-minute file
// (1): the file is opened and its reading left to the music's worker.
void BM_LoadMusic(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string file = state.range(0) ? tenMinutes(dir) : kSounds + "/BkgMusic.wav";
    OpenAlMixer mixer;
    std::int32_t freq = 0;
    DirectSound music(mixer, freq);
    for (auto _ : state) music.PlayBkgMusic(file);
    state.counters["failed"] = music.bFailedDS;
}
BENCHMARK(BM_LoadMusic)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

std::int64_t deviceClock(ALCdevice* device) {
    ALCint64SOFT ns = 0;
    alcGetInteger64vSOFT(device, ALC_DEVICE_CLOCK_SOFT, 1, &ns);
    return ns;
}

// From the play request to the first mix that contains the sound (the device clock moves on
// after each mix), plus the output latency the device reports.
void BM_KeyToSoundLatency(benchmark::State& state) {
    Loaded l;
    ALCdevice* device = alcGetContextsDevice(alcGetCurrentContext());
    ALCint64SOFT outputNs = 0;
    if (device) alcGetInteger64vSOFT(device, ALC_DEVICE_LATENCY_SOFT, 1, &outputNs);
    double worst = 0;
    for (auto _ : state) {
        if (!device) break;
        std::int64_t before = deviceClock(device);
        auto start = std::chrono::steady_clock::now();
        l.sound.DMCtrlPlay();
        while (deviceClock(device) == before) std::this_thread::yield();
        std::chrono::duration<double> waited = std::chrono::steady_clock::now() - start;
        double seconds = waited.count() + double(outputNs) * 1e-9;
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["worst_ms"] = worst * 1e3;
    state.counters["output_ms"] = double(outputNs) * 1e-6;
}
BENCHMARK(BM_KeyToSoundLatency)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir dir;
    std::ostringstream conf;
    conf << std::ifstream(TUMBLIX_ALSOFT_CONF).rdbuf();
    conf << "\nchannels = stereo\nfrequency = 44100\n[wave]\nfile = "
         << dir.filePath("out.wav").toStdString() << "\n";
    std::string confPath = dir.filePath("alsoft.conf").toStdString();
    std::ofstream(confPath) << conf.str();
    setenv("ALSOFT_DRIVERS", "wave", 1);
    setenv("ALSOFT_CONF", confPath.c_str(), 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
