// The filter's description, the signature check and the preview that is not offered.
#include "SusieApi.h"
#include "core/MagResult.h"

#include <algorithm>
#include <cstring>

namespace {

// All ASCII, so truncating never splits a double-byte character.
constexpr const char* kPluginInfo[] = {
    "00IN",
    "MAG to DIB filter ver0.08 (KVMemo MAG import filter)",
    "*.mag",
    "MAG(4,8bit)",
};
constexpr char kSignature[8] = {'M', 'A', 'K', 'I', '0', '2', ' ', ' '};
// Below this the data argument of IsSupported is a file handle, not a pointer.
constexpr uintptr_t kLowestDataPointer = 0x10000;

}  // namespace

extern "C" int WINAPI GetPluginInfo(int infoNo, LPSTR buffer, int bufferLength)
{
    if (infoNo < 0 || infoNo >= static_cast<int>(sizeof kPluginInfo / sizeof kPluginInfo[0]) ||
        !buffer || bufferLength <= 0)
        return 0;
    const size_t length = std::min(std::strlen(kPluginInfo[infoNo]), static_cast<size_t>(bufferLength) - 1);
    std::memcpy(buffer, kPluginInfo[infoNo], length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

extern "C" int WINAPI IsSupported(LPCSTR, void* data)
{
    if (reinterpret_cast<uintptr_t>(data) >= kLowestDataPointer)
        return std::memcmp(data, kSignature, sizeof kSignature) == 0 ? 1 : 0;
    char head[sizeof kSignature];
    DWORD got = 0;
    if (!ReadFile(static_cast<HANDLE>(data), head, sizeof head, &got, nullptr) || got != sizeof head)
        return 0;
    return std::memcmp(head, kSignature, sizeof kSignature) == 0 ? 1 : 0;
}

extern "C" int WINAPI GetPreview(LPCSTR, LONG_PTR, unsigned, HANDLE*, HANDLE*, SusieProgress, LONG_PTR)
{
    return kMagNotImplemented;
}
