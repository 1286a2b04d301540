// The slab allocator behind FixedPool.
#include "FixedPool.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <new>

namespace {

// Slabs are aligned to their size, so a block finds its slab by masking its address.
const std::uintptr_t kSlabSize = 64 * 1024;
const std::size_t kHeaderSize = 64;
// Enough for the pooled classes, which hold nothing wider than a pointer; a free block
// holds a pointer too.
const std::size_t kAlignment = alignof(void*);

void* ReserveAligned(void** pBase) {
  void* base = VirtualAlloc(nullptr, kSlabSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (base && reinterpret_cast<std::uintptr_t>(base) % kSlabSize == 0) {
    *pBase = base;
    return base;
  }
  // A system whose allocation granularity is below 64 KiB: reserve twice as much and
  // commit the aligned half.
  if (base) VirtualFree(base, 0, MEM_RELEASE);
  base = VirtualAlloc(nullptr, 2 * kSlabSize, MEM_RESERVE, PAGE_READWRITE);
  if (!base) return nullptr;
  std::uintptr_t aligned = (reinterpret_cast<std::uintptr_t>(base) + kSlabSize - 1) & ~(kSlabSize - 1);
  if (!VirtualAlloc(reinterpret_cast<void*>(aligned), kSlabSize, MEM_COMMIT, PAGE_READWRITE)) {
    VirtualFree(base, 0, MEM_RELEASE);
    return nullptr;
  }
  *pBase = base;
  return reinterpret_cast<void*>(aligned);
}

}  // namespace

struct FixedPool::Slab {
  void* base;    // what VirtualFree releases
  Slab* prev;
  Slab* next;
  void* free;    // freed blocks, each holding the next
  std::size_t used;
  std::size_t fresh;  // blocks handed out at least once, from the start of the slab
  bool open;

  char* Block(std::size_t index, std::size_t size) {
    return reinterpret_cast<char*>(this) + kHeaderSize + index * size;
  }
};

class FixedPool::Lock {
 public:
  explicit Lock(std::atomic<bool>& locked) : m_locked(locked) {
    while (m_locked.exchange(true, std::memory_order_acquire)) {
      while (m_locked.load(std::memory_order_relaxed)) SwitchToThread();
    }
  }
  ~Lock() { m_locked.store(false, std::memory_order_release); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

 private:
  std::atomic<bool>& m_locked;
};

FixedPool::FixedPool(std::size_t blockSize)
    : m_blockSize((std::max(blockSize, sizeof(void*)) + kAlignment - 1) & ~(kAlignment - 1)),
      m_blocksPerSlab((kSlabSize - kHeaderSize) / m_blockSize),
      m_locked(false),
      m_open(nullptr),
      m_spare(nullptr) {
  static_assert(sizeof(Slab) <= kHeaderSize, "the slab header fits its room");
}

FixedPool::Slab* FixedPool::NewSlab() {
  if (Slab* spare = m_spare) {
    m_spare = nullptr;
    return spare;
  }
  void* base = nullptr;
  void* memory = ReserveAligned(&base);
  if (!memory) return nullptr;
  Slab* slab = static_cast<Slab*>(memory);
  *slab = Slab{base, nullptr, nullptr, nullptr, 0, 0, false};
  return slab;
}

void FixedPool::Link(Slab* slab) {
  slab->prev = nullptr;
  slab->next = m_open;
  if (m_open) m_open->prev = slab;
  m_open = slab;
  slab->open = true;
}

void FixedPool::Unlink(Slab* slab) {
  if (slab->prev)
    slab->prev->next = slab->next;
  else
    m_open = slab->next;
  if (slab->next) slab->next->prev = slab->prev;
  slab->open = false;
}

void* FixedPool::Allocate() {
  Lock lock(m_locked);
  Slab* slab = m_open;
  if (!slab) {
    slab = NewSlab();
    if (!slab) throw std::bad_alloc();
    Link(slab);
  }
  void* block = slab->free;
  if (block)
    slab->free = *static_cast<void**>(block);
  else
    block = slab->Block(slab->fresh++, m_blockSize);
  if (++slab->used == m_blocksPerSlab) Unlink(slab);
  return block;
}

void FixedPool::Release(void* block) {
  if (!block) return;
  Slab* slab = reinterpret_cast<Slab*>(reinterpret_cast<std::uintptr_t>(block) & ~(kSlabSize - 1));
  Lock lock(m_locked);
  *static_cast<void**>(block) = slab->free;
  slab->free = block;
  if (!slab->open) Link(slab);
  if (--slab->used == 0) {
    Unlink(slab);
    slab->free = nullptr;
    slab->fresh = 0;
    if (m_spare)
      VirtualFree(slab->base, 0, MEM_RELEASE);
    else
      m_spare = slab;
  }
}
