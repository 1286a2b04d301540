// Opening the input of a picture call.
#include "MagInput.h"

namespace {

constexpr unsigned kInputKindMask = 7;
constexpr unsigned kInputFile = 0;
constexpr unsigned kInputMemory = 1;

}  // namespace

MagInput::~MagInput()
{
    if (file_ != INVALID_HANDLE_VALUE)
        CloseHandle(file_);
}

MagResult MagInput::Open(LPCSTR source, LONG_PTR lengthOrOffset, unsigned flag)
{
    switch (flag & kInputKindMask) {
    case kInputFile:
        if (!source || lengthOrOffset < 0)
            return kMagReadError;
        file_ = CreateFileA(source, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file_ == INVALID_HANDLE_VALUE)
            return kMagReadError;
        fileSource_.emplace(file_, static_cast<uint64_t>(lengthOrOffset));
        return kMagOk;
    case kInputMemory:
        // A missing block or a negative length is an empty input: reading it fails.
        memorySource_.emplace(reinterpret_cast<const uint8_t*>(source),
                              source && lengthOrOffset > 0 ? static_cast<size_t>(lengthOrOffset) : 0);
        return kMagOk;
    default:
        return kMagNotImplemented;
    }
}

MagSource& MagInput::Source()
{
    if (fileSource_)
        return *fileSource_;
    return *memorySource_;
}
