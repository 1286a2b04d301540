// The chain of memos being read on this thread, kept by the guards that read them.
#include "MemoChain.h"

#include "KVFile.h"
#include "KVFilePaths.h"

namespace {

// Owned by the guard that set it; a plain pointer keeps the thread's slot trivial.
thread_local const MemoChain* t_current = nullptr;

}  // namespace

MemoChain::MemoChain(const char* path, MemoChainPtr outer)
    : m_path(path ? path : ""),
      m_outer(std::move(outer)),
      m_length(m_outer ? m_outer->m_length + 1 : 1) {}

MemoChainPtr MemoChain::Current() { return t_current ? t_current->shared_from_this() : nullptr; }

bool MemoChain::Contains(const char* path) const {
  for (const MemoChain* memo = this; memo; memo = memo->m_outer.get()) {
    if (KVIsSameFile(memo->m_path.c_str(), path)) return true;
  }
  return false;
}

MemoChainPtr MemoChain::Around(const KVFile& file) {
  char path[MAX_PATH] = "";
  file.GetPathName(path);
  return std::make_shared<MemoChain>(path, Current());
}

MemoChain::Within::Within(MemoChainPtr chain) : m_chain(std::move(chain)), m_saved(t_current) {
  t_current = m_chain.get();
}

MemoChain::Within::~Within() { t_current = m_saved; }
