// The hostile-input loop: generators of random and boundary input, each fed through the
// library's real entry points (a memo stream loaded and drawn, a block pasted through the
// clipboard). A generator reports whether its input was accepted and any broken promise.
// To add a kind of input, write a generator and add a row to HostileCases().
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "KVObjDoc.h"

// A small fixed-seed generator, so a failing round can be replayed from its seed.
class HostileRng {
 public:
  explicit HostileRng(uint32_t seed) : m_state(seed ? seed : 1) {}
  uint32_t Next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
  }
  uint32_t Below(uint32_t bound) { return Next() % bound; }
  // One of the given values, or a random 32-bit one.
  template <size_t N>
  uint32_t Pick(const uint32_t (&values)[N]) {
    uint32_t i = Below(N + 1);
    return i < N ? values[i] : Next();
  }

 private:
  uint32_t m_state;
};

struct HostileResult {
  bool accepted = false;
  std::string fault;  // empty while every promise held
};

struct HostileCase {
  const char* name;
  HostileResult (*generate)(HostileRng& rng);
};

const std::vector<HostileCase>& HostileCases();

struct HostileTally {
  std::string name;
  int rounds = 0;
  int accepted = 0;
  double milliseconds = 0;          // for the bench's table only
  std::vector<std::string> faults;  // "round N: what broke"
};

// Runs rounds inputs of every case from seed; each case draws from its own sequence.
std::vector<HostileTally> RunHostileLoop(uint32_t seed, int rounds);

// The generators of the loop.
HostileResult HostileFontCase(HostileRng& rng);
HostileResult HostilePictureCase(HostileRng& rng);
HostileResult HostileDropCase(HostileRng& rng);
HostileResult HostileLinkCase(HostileRng& rng);

// What a stream case does with its memo file: loads it into a text document (the bytes
// lying just before a page with no access), draws it on a memory DC, saves it, and loads
// that save again, which must save alike with the same text. Accepted when the load is.
HostileResult LoadDrawResave(const std::string& file);
// A memo file whose text box holds run.
std::string HostileMemoFile(const std::string& run);

// A movable global block holding bytes.
HGLOBAL GlobalOf(const std::string& bytes);
// Puts block on the clipboard under format (the clipboard owns it then) and pastes it into
// doc as the memo window does, at the caret; false when the clipboard would not open.
bool PasteThroughClipboard(KVObjDoc& doc, UINT format, HGLOBAL block);
// A dropped-file block as the shell makes it: a DROPFILES record whose names start at
// offset, the names each with its zero, then an empty name.
std::string DropBlock(const std::vector<std::string>& names, bool wide, uint32_t offset);
