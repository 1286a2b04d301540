// Decodes 640x400 MAG pictures of 16 and 256 colours many times and prints MB/s of output
// beside memcpy of the same output size: the core alone and the full GetPicture export.
#include "MagEncoder.h"
#include "core/MagDecoder.h"
#include "core/MagHeader.h"
#include "src/SusieApi.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Runs body until at least half a second has passed; returns MB/s of `bytes` per run.
double Throughput(size_t bytes, const std::function<void()>& body, long& runs)
{
    runs = 0;
    const Clock::time_point start = Clock::now();
    double seconds = 0;
    do {
        for (int i = 0; i < 16; ++i)
            body();
        runs += 16;
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    } while (seconds < 0.5);
    return static_cast<double>(bytes) * static_cast<double>(runs) / seconds / 1e6;
}

double MemcpyThroughput(size_t bytes)
{
    std::vector<uint8_t> from(bytes, 0x5A), to(bytes);
    volatile uint8_t sink = 0;
    long runs = 0;
    const double mbs = Throughput(bytes, [&] {
        std::memcpy(to.data(), from.data(), bytes);
        from[runs % bytes] ^= to[bytes / 2];
        sink = sink + to[runs % bytes];
    }, runs);
    return mbs;
}

void DecodeWithCore(const std::vector<uint8_t>& mag, std::vector<uint8_t>& out)
{
    MemorySource source(mag.data(), mag.size());
    MagReader in(source);
    MagPicture pic;
    uint8_t palette[256 * kMagPaletteEntryBytes];
    if (ParseMagHeader(in, pic) != kMagOk || ReadMagPalette(in, pic, palette) != kMagOk)
        return;
    out.resize(static_cast<size_t>(pic.PixelBlockSize()));
    DecodeMagPixels(in, pic, out.data());
}

void Row(const char* name, size_t bytes, double mbs, long runs, double memcpyMbs)
{
    std::printf("%-28s %10.1f %8ld %10.1f %12.1f %10.3f\n", name, static_cast<double>(bytes) / 1024, runs,
                mbs, memcpyMbs, mbs / memcpyMbs);
}

}  // namespace

int main()
{
    HMODULE filter = LoadLibraryA("imgfilt.spi");
    const auto getPicture = reinterpret_cast<decltype(&::GetPicture)>(
        filter ? reinterpret_cast<void*>(GetProcAddress(filter, "GetPicture")) : nullptr);

    std::printf("%-28s %10s %8s %10s %12s %10s\n", "case", "output KB", "runs", "MB/s",
                "memcpy MB/s", "vs memcpy");
    struct Case {
        const char* core;
        const char* exported;
        uint8_t screenMode;
    };
    for (const Case& c : {Case{"640x400 16 colours, core", "640x400 16 colours, export", 0x00},
                          Case{"640x400 256 colours, core", "640x400 256 colours, export", 0x80}}) {
        const std::vector<uint8_t> mag =
            EncodeMag(MakeTestImage(c.screenMode, 0, 0, 639, 399, 1), CopyPolicy::First).bytes;
        std::vector<uint8_t> out;
        DecodeWithCore(mag, out);
        const size_t bytes = out.size();
        const double memcpyMbs = MemcpyThroughput(bytes);
        long runs = 0;
        const double coreMbs = Throughput(bytes, [&] { DecodeWithCore(mag, out); }, runs);
        Row(c.core, bytes, coreMbs, runs, memcpyMbs);
        if (!getPicture)
            continue;
        const double exportMbs = Throughput(bytes, [&] {
            HANDLE info = nullptr, bits = nullptr;
            if (getPicture(reinterpret_cast<LPCSTR>(mag.data()), static_cast<LONG_PTR>(mag.size()), 1,
                           &info, &bits, nullptr, 0) == 0) {
                LocalFree(info);
                LocalFree(bits);
            }
        }, runs);
        Row(c.exported, bytes, exportMbs, runs, memcpyMbs);
    }
    if (!getPicture)
        std::printf("(imgfilt.spi not found beside mag_bench: export rows skipped)\n");
    return 0;
}
