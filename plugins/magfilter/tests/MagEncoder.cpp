// MAG encoding: copy search over the picture as one linear byte sequence, flag rows XORed
// with the line above, flag A bits for non-zero flag bytes and flag B for their values.
#include "MagEncoder.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <random>

namespace {

constexpr int kDx[16] = {0, -2, -4, -8, 0, -2, 0, -2, -4, 0, -2, -4, 0, -2, -4, 0};
constexpr int kDy[16] = {0, 0, 0, 0, 1, 1, 2, 2, 2, 4, 4, 4, 8, 8, 8, 16};

void PutU16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

class NibbleChooser {
public:
    NibbleChooser(const MagImage& image, CopyPolicy policy)
        : pix_(image.pixels), stride_(image.Stride()), policy_(policy) {}

    int Choose(uint32_t line, uint32_t x)
    {
        if (policy_ == CopyPolicy::None)
            return 0;
        const int start = policy_ == CopyPolicy::Rotate ? static_cast<int>(turn_++ % 15) : 0;
        for (int i = 0; i < 15; ++i) {
            const int k = 1 + (start + i) % 15;
            const int64_t src = (int64_t{line} - kDy[k]) * stride_ + x + kDx[k];
            const size_t dst = size_t{line} * stride_ + x;
            if (src >= 0 && std::memcmp(&pix_[static_cast<size_t>(src)], &pix_[dst], 2) == 0)
                return k;
        }
        return 0;
    }

private:
    const std::vector<uint8_t>& pix_;
    uint32_t stride_;
    CopyPolicy policy_;
    unsigned turn_ = 0;
};

}  // namespace

uint32_t MagImage::Stride() const
{
    const uint32_t align = BitsPerPixel() == 8 ? 4 : 8;
    const uint32_t left = x0 / align * align;
    const uint32_t width = x1 / align * align + align - left;
    return width * static_cast<uint32_t>(BitsPerPixel()) / 8;
}

MagEncoded EncodeMag(const MagImage& image, CopyPolicy policy)
{
    const uint32_t stride = image.Stride(), units = stride / 4, lines = image.Lines();
    size_t nibbleUse[16] = {};
    MagStreams streams;
    std::vector<uint8_t>& flagA = streams.flagA;
    std::vector<uint8_t>& flagB = streams.flagB;
    std::vector<uint8_t>& pixelData = streams.pixels;
    std::vector<uint8_t> above(units, 0), flags(units);
    NibbleChooser chooser(image, policy);
    size_t bit = 0;
    for (uint32_t y = 0; y < lines; ++y) {
        for (uint32_t u = 0; u < units; ++u) {
            uint8_t f = 0;
            for (int half = 0; half < 2; ++half) {
                const uint32_t x = u * 4 + 2 * half;
                const int k = chooser.Choose(y, x);
                ++nibbleUse[k];
                f = static_cast<uint8_t>(f << 4 | k);
                if (k == 0)
                    pixelData.insert(pixelData.end(), &image.pixels[size_t{y} * stride + x],
                                     &image.pixels[size_t{y} * stride + x + 2]);
            }
            flags[u] = f;
            const uint8_t diff = f ^ above[u];
            if (bit % 8 == 0)
                flagA.push_back(0);
            if (diff) {
                flagA.back() |= static_cast<uint8_t>(0x80 >> bit % 8);
                flagB.push_back(diff);
            }
            ++bit;
        }
        above.swap(flags);
    }

    MagEncoded assembled = AssembleMag(image, streams);
    std::copy(std::begin(nibbleUse), std::end(nibbleUse), std::begin(assembled.nibbleUse));
    return assembled;
}

MagEncoded AssembleMag(const MagImage& image, const MagStreams& streams)
{
    MagEncoded enc;
    std::vector<uint8_t>& out = enc.bytes;
    const char signature[] = "MAKI02  ";
    out.assign(signature, signature + 8);
    out.insert(out.end(), image.text.begin(), image.text.end());
    out.push_back(0x1A);
    out.insert(out.end(), image.beforeHeader.begin(), image.beforeHeader.end());
    enc.headerBase = out.size();
    const size_t colours = size_t{1} << image.BitsPerPixel();
    const uint32_t flagAOff = static_cast<uint32_t>(32 + 3 * colours);
    const uint32_t flagBOff = flagAOff + static_cast<uint32_t>(streams.flagA.size());
    const uint32_t pixelOff = flagBOff + static_cast<uint32_t>(streams.flagB.size());
    out.insert(out.end(), {0, 0, 0, image.screenMode});
    for (uint16_t v : {image.x0, image.y0, image.x1, image.y1})
        PutU16(out, v);
    for (uint32_t v : {flagAOff, flagBOff, static_cast<uint32_t>(streams.flagB.size()), pixelOff,
                       static_cast<uint32_t>(streams.pixels.size())})
        PutU32(out, v);
    for (size_t i = 0; i < colours; ++i) {
        const uint8_t* c = &image.rgb[3 * i];
        out.insert(out.end(), {c[1], c[0], c[2]});
    }
    enc.flagAPos = enc.headerBase + flagAOff;
    enc.flagBPos = enc.headerBase + flagBOff;
    enc.pixelPos = enc.headerBase + pixelOff;
    for (const std::vector<uint8_t>* stream : {&streams.flagA, &streams.flagB, &streams.pixels})
        out.insert(out.end(), stream->begin(), stream->end());
    return enc;
}

MagImage MakeTestImage(uint8_t screenMode, uint16_t x0, uint16_t y0, uint16_t x1, uint16_t y1,
                       unsigned seed)
{
    MagImage image;
    image.screenMode = screenMode;
    image.x0 = x0;
    image.y0 = y0;
    image.x1 = x1;
    image.y1 = y1;
    image.text = "PC98   KVMemo  test picture";
    std::mt19937 rng(seed);
    const size_t colours = size_t{1} << image.BitsPerPixel();
    for (size_t i = 0; i < 3 * colours; ++i)
        image.rgb.push_back(static_cast<uint8_t>(rng()));
    const uint32_t stride = image.Stride(), lines = image.Lines();
    image.pixels.resize(size_t{stride} * lines);
    // A flat top where every copy matches, then bands of flat colour, stripes, a diagonal
    // ramp and noise, each favouring other copies.
    for (uint32_t y = 0; y < lines; ++y) {
        for (uint32_t x = 0; x < stride; ++x) {
            const uint32_t band = (y / 8 + x / 16) % 4;
            uint8_t v;
            if (y < 32)
                v = 0x33;
            else if (band == 0)
                v = static_cast<uint8_t>(y / 8);
            else if (band == 1)
                v = static_cast<uint8_t>((x / 2 + y) % 3 * 0x11);
            else if (band == 2)
                v = static_cast<uint8_t>(x + y);
            else
                v = static_cast<uint8_t>(rng());
            image.pixels[size_t{y} * stride + x] = v;
        }
    }
    return image;
}
