// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <optional>
#include <string>

#include "sound/wave_decoder.h"

namespace tumblix {

// Reads the wave files the game's own sounds and most event sounds are, without FFmpeg, to the
// samples FFmpeg gives for them: 8- or 16-bit PCM, IMA ADPCM and Microsoft ADPCM, mono or
// stereo. Nothing for any other file, and for a wave file of another kind or with an unusual
// or damaged header: FFmpeg decides about those.
// (libsndfile reads these too, but maps eight more libraries, from FLAC to an MP3 encoder, and
// costs about 1.2 MB more resident memory than this reader.)
std::optional<Pcm> readWave(const std::string& path);
std::optional<Pcm> readWave(std::istream& in);

}  // namespace tumblix
