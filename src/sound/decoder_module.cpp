// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/decoder_module.h"

#include <dlfcn.h>

#include <cstddef>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <vector>

namespace tumblix {

namespace {

// The folders the dynamic loader searches for the program's own libraries: LD_LIBRARY_PATH, the
// program's run path (the build tree's test programs have the game's folder there), the
// system's. Searched here, not by dlopen, which a sanitizer's wrapper would make search its own.
std::vector<std::filesystem::path> loaderFolders() {
    std::vector<std::filesystem::path> folders;
    void* program = dlopen(nullptr, RTLD_NOW);
    Dl_serinfo size{};
    if (!program || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0) return folders;
    std::vector<std::max_align_t> buffer(size.dls_size / sizeof(std::max_align_t) + 1);
    auto* info = reinterpret_cast<Dl_serinfo*>(buffer.data());
    *info = size;
    if (dlinfo(program, RTLD_DI_SERINFO, info) != 0) return folders;
    for (unsigned i = 0; i < info->dls_cnt; ++i)
        folders.emplace_back(info->dls_serpath[i].dls_name);
    return folders;
}

// Beside the program, then where the installed game keeps it, then where the dynamic loader
// looks.
DecoderOpen load() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    std::vector<std::filesystem::path> folders = {program.parent_path(),
                                                  program.parent_path() / "../lib/games/tumblix"};
    for (std::filesystem::path& folder : loaderFolders()) folders.push_back(std::move(folder));
    for (const std::filesystem::path& folder : folders) {
        std::filesystem::path file = folder / kDecoderModuleFile;
        if (!std::filesystem::is_regular_file(file, error)) continue;
        if (void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL))
            if (void* open = dlsym(module, kDecoderOpenFunction))
                return reinterpret_cast<DecoderOpen>(open);
    }
    return nullptr;
}

}  // namespace

DecoderOpen decoderModule() {
    static std::once_flag once;
    static DecoderOpen open = nullptr;
    std::call_once(once, [] { open = load(); });
    return open;
}

std::unique_ptr<AudioStream> AudioStream::open(const std::string& path, std::string* why,
                                               const std::atomic<bool>* stop) {
    DecoderOpen open = decoderModule();
    if (!open) {
        if (why) *why = "The file cannot be read as a media file.";
        return nullptr;
    }
    return std::unique_ptr<AudioStream>(open(path.c_str(), why, stop));
}

}  // namespace tumblix
