#include "sound/decoder_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <mutex>
#include <system_error>

namespace tumblix {

namespace {

// Beside the program, then where the installed game keeps it, then wherever the dynamic loader
// looks (the program's run path: the build tree's test programs).
DecoderOpen load() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    std::filesystem::path folder = program.parent_path();
    for (const std::filesystem::path& file :
         {folder / kDecoderModuleFile, folder / "../lib/games/tumblix" / kDecoderModuleFile,
          std::filesystem::path(kDecoderModuleFile)}) {
        if (file.has_parent_path() && !std::filesystem::is_regular_file(file, error)) continue;
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
