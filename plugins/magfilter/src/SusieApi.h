// The Susie import filter interface as this filter exports it.
#pragma once

#include <windows.h>

#include <cstdint>

#pragma pack(push, 1)
struct SusiePictureInfo {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
    uint16_t xDensity;
    uint16_t yDensity;
    int16_t colorDepth;
    HLOCAL text;
};
#pragma pack(pop)

using SusieProgress = int(CALLBACK*)(int num, int denom, LONG_PTR data);

extern "C" {
int WINAPI GetPluginInfo(int infoNo, LPSTR buffer, int bufferLength);
int WINAPI IsSupported(LPCSTR fileName, void* data);
int WINAPI GetPictureInfo(LPCSTR source, LONG_PTR lengthOrOffset, unsigned flag, SusiePictureInfo* info);
int WINAPI GetPicture(LPCSTR source, LONG_PTR lengthOrOffset, unsigned flag, HANDLE* bitmapInfo,
                      HANDLE* bits, SusieProgress progress, LONG_PTR data);
int WINAPI GetPreview(LPCSTR source, LONG_PTR lengthOrOffset, unsigned flag, HANDLE* bitmapInfo,
                      HANDLE* bits, SusieProgress progress, LONG_PTR data);
}
