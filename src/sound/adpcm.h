// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tumblix {

// One block of the two ADPCM kinds wave files hold, IMA (4 bits) and Microsoft, decoded as
// FFmpeg decodes them, with 1 or 2 channels: its frames are appended to out as 16-bit stereo, a
// mono sound on both sides. A block cut short by the end of the file gives what it holds.
// False, with nothing appended, when the block is too short for its header or the header is
// damaged.
bool decodeImaBlock(const std::uint8_t* block, std::size_t size, int channels,
                    std::vector<std::int16_t>& out);
bool decodeMsBlock(const std::uint8_t* block, std::size_t size, int channels,
                   std::vector<std::int16_t>& out);

}  // namespace tumblix
