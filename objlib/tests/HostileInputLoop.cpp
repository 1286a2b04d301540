// The hostile-input loop's table of generators, the round loop, and what stream cases share.
#include "HostileInput.h"

#include <chrono>
#include <cstring>

#include "Canvas.h"
#include "DocSupport.h"
#include "GuardedArena.h"
#include "KVFont.h"
#include "KVPaintPass.h"

namespace {

const int kCanvasSide = 160;

std::string SaveOf(KVDocText& doc) {
  std::string saved(doc.DataLength(), '\0');
  int written = 0;
  doc.GetData(&saved[0], static_cast<int>(saved.size()), &written);
  saved.resize(written);
  return saved;
}

}  // namespace

const std::vector<HostileCase>& HostileCases() {
  static const std::vector<HostileCase> cases = {
      {"fonts", HostileFontCase},
      {"pictures", HostilePictureCase},
      {"dropped files", HostileDropCase},
      {"link targets", HostileLinkCase},
  };
  return cases;
}

std::vector<HostileTally> RunHostileLoop(uint32_t seed, int rounds) {
  std::vector<HostileTally> tallies;
  for (const HostileCase& kind : HostileCases()) {
    HostileTally tally;
    tally.name = kind.name;
    HostileRng rng(seed + static_cast<uint32_t>(tallies.size()) * 7919);
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round) {
      HostileResult result = kind.generate(rng);
      ++tally.rounds;
      if (result.accepted) ++tally.accepted;
      if (!result.fault.empty())
        tally.faults.push_back("round " + std::to_string(round) + ": " + result.fault);
    }
    tally.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    tallies.push_back(tally);
  }
  return tallies;
}

std::string HostileMemoFile(const std::string& run) {
  return DocHead("hostile") + PageSegment() + BoxHead(0, 0xFFFFFF, kCanvasSide, 0) + run +
         BoxTail() + "\xFF\xFF";
}

HostileResult LoadDrawResave(const std::string& file) {
  static GuardedArena arena;
  HostileResult result;
  KVDocText doc;
  auto* data = reinterpret_cast<SEG_HEAD*>(arena.Place(file));
  if (doc.SetData(0, data, static_cast<int>(file.size())) < 0) return result;
  result.accepted = true;
  doc.SetSize(CSize(kCanvasSide, kCanvasSide));
  {
    Canvas canvas(kCanvasSide, kCanvasSide);
    KVPaintPass pass(&canvas.cdc, 0, g_DefaultFont);
    doc.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, kCanvasSide, kCanvasSide), false);
  }
  std::string saved = SaveOf(doc);
  KVDocText back;
  if (back.SetData(0, reinterpret_cast<SEG_HEAD*>(&saved[0]), static_cast<int>(saved.size())) < 0)
    result.fault = "its save does not load";
  else if (SaveOf(back) != saved)
    result.fault = "its save loads to a different stream";
  else if (TextOf(back) != TextOf(doc))
    result.fault = "its save loads to a different text";
  return result;
}

bool PasteThroughClipboard(KVObjDoc& doc, UINT format, HGLOBAL block) {
  if (!OpenClipboard(nullptr)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  if (!SetClipboardData(format, block)) GlobalFree(block);
  CloseClipboard();
  doc.GetClipboard(CPoint(0, 0));
  return true;
}
