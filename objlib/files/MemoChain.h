// The memos above a document being read: a link checks its target against them, so a memo
// never opens in place inside itself, and their number says how deep in place it stands.
#pragma once

#include <memory>
#include <string>

class KVFile;
class MemoChain;
using MemoChainPtr = std::shared_ptr<const MemoChain>;

class MemoChain : public std::enable_shared_from_this<MemoChain> {
 public:
  MemoChain(const char* path, MemoChainPtr outer);

  // The memos being read on this thread, innermost first; null outside any read.
  static MemoChainPtr Current();
  // True when path names one of the chain's memos.
  bool Contains(const char* path) const;
  int Length() const { return m_length; }

  // The current chain with the file read inside it.
  static MemoChainPtr Around(const KVFile& file);

  // For its lifetime, the thread reads inside the given chain.
  class Within {
   public:
    explicit Within(MemoChainPtr chain);
    ~Within();
    Within(const Within&) = delete;
    Within& operator=(const Within&) = delete;

   private:
    MemoChainPtr m_chain;
    const MemoChain* m_saved;
  };

 private:
  std::string m_path;
  MemoChainPtr m_outer;
  int m_length;
};
