// MAG source over a Windows file, read from a byte offset through a 16384-byte buffer.
#pragma once

#include "core/MagSource.h"

#include <windows.h>

class Win32FileSource : public MagSource {
public:
    Win32FileSource(HANDLE file, uint64_t offset) : file_(file), offset_(offset) {}
    size_t Fetch(uint64_t pos, const uint8_t** data) override;

private:
    static constexpr DWORD kBufferSize = 16384;
    HANDLE file_;
    uint64_t offset_;
    uint8_t buffer_[kBufferSize];
};
