// The input of a picture call: a file from an offset or a memory block, chosen by the flag.
#pragma once

#include "Win32FileSource.h"
#include "core/MagResult.h"
#include "core/MagSource.h"

#include <windows.h>

#include <optional>

class MagInput {
public:
    MagInput() = default;
    ~MagInput();
    MagInput(const MagInput&) = delete;
    MagInput& operator=(const MagInput&) = delete;

    // kMagOk, kMagNotImplemented for an unknown input kind, kMagReadError when the file
    // cannot be opened.
    MagResult Open(LPCSTR source, LONG_PTR lengthOrOffset, unsigned flag);
    MagSource& Source();

private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
    std::optional<Win32FileSource> fileSource_;
    std::optional<MemorySource> memorySource_;
};
