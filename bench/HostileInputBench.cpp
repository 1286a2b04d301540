// The hostile-input loop run long: `hostile_input_bench [rounds [seed]]` runs every
// generator that many rounds (default 2000) and prints what each accepted and any broken
// promise; then the cost of drawing one character by cell height, which the font bound
// rests on. Run with `make bench`, or `make fuzz` for a long run.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "BenchSupport.h"
#include "Canvas.h"
#include "HostileInput.h"
#include "KVFont.h"
#include "ScopedGdi.h"

namespace {

void PrintLoop(uint32_t seed, int rounds) {
  std::printf("%-16s %8s %9s %7s %12s\n", "input", "rounds", "accepted", "faults", "ms/round");
  int faults = 0;
  for (const HostileTally& tally : RunHostileLoop(seed, rounds)) {
    std::printf("%-16s %8d %9d %7zu %12.3f\n", tally.name.c_str(), tally.rounds, tally.accepted,
                tally.faults.size(), tally.milliseconds / tally.rounds);
    for (const std::string& fault : tally.faults) std::printf("  %s\n", fault.c_str());
    faults += static_cast<int>(tally.faults.size());
  }
  std::printf("seed %u: %d broken promises\n\n", seed, faults);
}

// One double-byte character drawn on a small memory DC, as a paint of the view does.
void PrintDrawCost() {
  std::printf("%-12s %10s\n", "cell height", "ms/draw");
  Canvas canvas(200, 200);
  HDC dc = canvas.Dc();
  for (int height : {16, 72, 512, 2184, 4096, 8192, 16000}) {
    LOGFONT font = BenchFont();
    font.lfHeight = -height;
    ScopedFont handle(KVGetFont(nullptr, &font));
    ScopedSelect keepFont(dc, handle.Get());
    auto start = std::chrono::steady_clock::now();
    const int draws = 2;
    for (int i = 0; i < draws; ++i) TextOutA(dc, 0, 0, "\x95\x5C", 2);
    GdiFlush();
    std::printf("%-12d %10.1f\n", height, MsSince(start) / draws);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
  const uint32_t seed =
      argc > 2 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 20261208;
  PrintLoop(seed, rounds);
  PrintDrawCost();
  return 0;
}
