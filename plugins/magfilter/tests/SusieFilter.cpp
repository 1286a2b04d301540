// Loading imgfilt.spi and handling what it returns.
#include "SusieFilter.h"

#include <algorithm>
#include <fstream>

namespace {

template <typename F>
void Bind(HMODULE module, const char* name, F& function)
{
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

SusieFilter::SusieFilter() : module_(LoadLibraryA("imgfilt.spi"))
{
    if (!module_)
        return;
    Bind(module_, "GetPluginInfo", getPluginInfo);
    Bind(module_, "IsSupported", isSupported);
    Bind(module_, "GetPictureInfo", getPictureInfo);
    Bind(module_, "GetPicture", getPicture);
    Bind(module_, "GetPreview", getPreview);
}

SusieFilter::~SusieFilter()
{
    if (module_)
        FreeLibrary(module_);
}

std::vector<uint8_t> TakeLocalBlock(HLOCAL block)
{
    std::vector<uint8_t> bytes(LocalSize(block));
    const void* data = LocalLock(block);
    if (data) {
        std::copy_n(static_cast<const uint8_t*>(data), bytes.size(), bytes.begin());
        LocalUnlock(block);
    }
    LocalFree(block);
    return bytes;
}

TempFile::TempFile(const std::vector<uint8_t>& contents)
{
    char folder[MAX_PATH], name[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "mag", 0, name);
    path_ = name;
    std::ofstream(path_, std::ios::binary)
        .write(reinterpret_cast<const char*>(contents.data()), static_cast<std::streamsize>(contents.size()));
}

TempFile::~TempFile() { DeleteFileA(path_.c_str()); }
