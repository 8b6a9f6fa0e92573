// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <string>

#include "sound/audio_stream.h"

namespace tumblix {

// FFmpeg's libraries bring video codecs, network protocols, TLS and more with them, some 20 MB
// and well over a hundred libraries, while the game's own sounds are wave files it reads
// itself. So FFmpeg is linked only into the decoder module, which the game loads when it first
// opens a file only FFmpeg reads: the player's MP3, WMA or MP2, or a sound or music file of
// another format.

// The module's file, in the program's folder (a copy of the game in a folder of its own) or, for
// the installed game, in ../lib/games/tumblix from it.
inline constexpr char kDecoderModuleFile[] = "libtumblix_decoder.so";
// The one function the module gives: opens a file, with the meaning of AudioStream::open; the
// stream it gives is deleted through AudioStream's destructor.
inline constexpr char kDecoderOpenFunction[] = "tumblix_decoder_open_v1";
using DecoderOpen = AudioStream* (*)(const char* path, std::string* why,
                                     const std::atomic<bool>* stop);

// The module's opening function, the module loaded at the first call; null when the module
// cannot be loaded (then every file only FFmpeg reads is unreadable). The module stays loaded.
DecoderOpen decoderModule();

}  // namespace tumblix
