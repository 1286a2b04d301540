// GetPictureInfo and GetPicture: the header into a picture record, the picture into a DIB.
#include "LocalBlock.h"
#include "MagInput.h"
#include "SusieApi.h"
#include "core/MagDecoder.h"
#include "core/MagHeader.h"

#include <cstring>

namespace {

constexpr size_t kMaxText = 32767;

struct ProgressTarget {
    SusieProgress callback;
    LONG_PTR data;
};

void ReportStep(int step, void* context)
{
    const ProgressTarget* target = static_cast<const ProgressTarget*>(context);
    if (target->callback)
        target->callback(step, 4, target->data);
}

void FillBitmapHeader(const MagPicture& pic, BITMAPINFOHEADER& h)
{
    std::memset(&h, 0, sizeof h);
    h.biSize = sizeof h;
    h.biWidth = pic.width;
    h.biHeight = static_cast<LONG>(pic.RowsOut());
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(pic.bitsPerPixel);
    h.biCompression = BI_RGB;
    // The whole pixel block, so a host copying biSizeImage bytes also gets the second
    // rows of 200-line mode.
    h.biSizeImage = static_cast<DWORD>(pic.PixelBlockSize());
}

// Reads the header and palette into a new info block.
MagResult ReadBitmapInfo(MagReader& in, MagPicture& pic, LocalBlock& info)
{
    const MagResult header = ParseMagHeader(in, pic);
    if (header != kMagOk)
        return header;
    if (!info.Allocate(sizeof(BITMAPINFOHEADER) + kMagPaletteEntryBytes * static_cast<size_t>(pic.Colours())))
        return kMagNoMemory;
    uint8_t* bytes = static_cast<uint8_t*>(info.Lock());
    if (!bytes)
        return kMagLockFailed;
    BITMAPINFOHEADER h;
    FillBitmapHeader(pic, h);
    std::memcpy(bytes, &h, sizeof h);
    const MagResult palette = ReadMagPalette(in, pic, bytes + sizeof h);
    info.Unlock();
    return palette;
}

}  // namespace

extern "C" int WINAPI GetPictureInfo(LPCSTR source, LONG_PTR lengthOrOffset, unsigned flag,
                                     SusiePictureInfo* info)
{
    MagInput input;
    const MagResult opened = input.Open(source, lengthOrOffset, flag);
    if (opened != kMagOk)
        return opened;
    LocalBlock textBlock;
    if (!textBlock.Allocate(kMaxText + 1))
        return kMagNoMemory;
    char* text = static_cast<char*>(textBlock.Lock());
    if (!text)
        return kMagLockFailed;
    MagReader in(input.Source());
    MagPicture pic;
    MagText collected{text, kMaxText};
    const MagResult header = ParseMagHeader(in, pic, &collected);
    if (header != kMagOk)
        return header;

    info->left = pic.left;
    info->top = pic.top;
    info->width = pic.width;
    info->height = pic.lines;
    info->xDensity = 1;
    info->yDensity = 1;
    info->colorDepth = static_cast<int16_t>(pic.bitsPerPixel);
    info->text = nullptr;
    if (collected.length > 0) {
        text[collected.length] = '\0';
        textBlock.Unlock();
        textBlock.Shrink(collected.length + 1);
        info->text = textBlock.Release();
    }
    return kMagOk;
}

extern "C" int WINAPI GetPicture(LPCSTR source, LONG_PTR lengthOrOffset, unsigned flag,
                                 HANDLE* bitmapInfo, HANDLE* bits, SusieProgress progress, LONG_PTR data)
{
    *bitmapInfo = nullptr;
    *bits = nullptr;
    MagInput input;
    const MagResult opened = input.Open(source, lengthOrOffset, flag);
    if (opened != kMagOk)
        return opened;
    MagReader in(input.Source());
    MagPicture pic;
    LocalBlock info;
    const MagResult header = ReadBitmapInfo(in, pic, info);
    if (header != kMagOk)
        return header;

    // Refused before the pixel block is allocated: the filter does not make that much room.
    if (!pic.WithinDecodeLimit())
        return kMagNoMemory;
    LocalBlock pixels;
    if (!pixels.Allocate(static_cast<size_t>(pic.PixelBlockSize())))
        return kMagNoMemory;
    uint8_t* out = static_cast<uint8_t*>(pixels.Lock());
    if (!out)
        return kMagLockFailed;
    ProgressTarget target{progress, data};
    ReportStep(0, &target);
    DecodeMagPixels(in, pic, out, ReportStep, &target);
    pixels.Unlock();
    ReportStep(4, &target);
    *bitmapInfo = info.Release();
    *bits = pixels.Release();
    return kMagOk;
}
