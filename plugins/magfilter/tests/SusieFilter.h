// imgfilt.spi loaded the way a Susie host loads it, plus helpers for its memory handles.
#pragma once

#include "src/SusieApi.h"

#include <cstdint>
#include <string>
#include <vector>

class SusieFilter {
public:
    SusieFilter();
    ~SusieFilter();
    SusieFilter(const SusieFilter&) = delete;
    SusieFilter& operator=(const SusieFilter&) = delete;

    bool Loaded() const { return module_ && getPluginInfo && isSupported && getPictureInfo && getPicture && getPreview; }

    decltype(&::GetPluginInfo) getPluginInfo = nullptr;
    decltype(&::IsSupported) isSupported = nullptr;
    decltype(&::GetPictureInfo) getPictureInfo = nullptr;
    decltype(&::GetPicture) getPicture = nullptr;
    decltype(&::GetPreview) getPreview = nullptr;

private:
    HMODULE module_;
};

// Copies a movable local-memory block the filter handed over and frees it.
std::vector<uint8_t> TakeLocalBlock(HLOCAL block);

// A file in the temporary folder, removed when the object goes.
class TempFile {
public:
    explicit TempFile(const std::vector<uint8_t>& contents);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const char* Path() const { return path_.c_str(); }

private:
    std::string path_;
};
