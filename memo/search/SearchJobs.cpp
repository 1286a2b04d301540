// Search jobs: the index brought up to date first, then asked; where the index cannot be
// used (locked, unreadable) the files are read one by one.
#include "SearchJobs.h"

#include <memory>

#include "DataFolders.h"
#include "IndexWorker.h"
#include "MemoIndex.h"
#include "PathKey.h"
#include "ScanSearch.h"

namespace {

void PostProgress(void* replyTo, int done, int total) {
  PostMessageA(static_cast<HWND>(replyTo), WM_SEARCH_PROGRESS, static_cast<WPARAM>(done), total);
}

std::vector<std::string> FoldersFor(const SearchHandOff& search) {
  if (search.kind == SearchHandOff::kWords && !search.folder.empty()) return {search.folder};
  std::vector<std::string> folders = AllDataFolders();
  // A memo outside the data folders may be linked from its neighbours.
  if (search.kind == SearchHandOff::kBacklinks) folders.push_back(FolderPart(search.text));
  return folders;
}

void Search(const SearchHandOff& search, HWND replyTo, SearchOutcome* outcome) {
  SearchQuery query{search.text, search.matchCase, FoldersFor(search)};
  MemoIndex index;
  const bool words = search.kind == SearchHandOff::kWords;
  if (index.Open(MemoIndexPath()) && index.Refresh(query.folders, PostProgress, replyTo) &&
      (words ? index.Search(query, outcome) : index.Backlinks(search.text, query.folders, outcome)))
    return;
  *outcome = SearchOutcome();
  if (words)
    ScanSearch(query, outcome);
  else
    ScanBacklinks(search.text, query.folders, outcome);
}

}  // namespace

void RunSearchJob(const SearchHandOff& search, HWND replyTo) {
  IndexWorker::Instance().Post([search, replyTo] {
    auto outcome = std::make_unique<SearchOutcome>();
    Search(search, replyTo, outcome.get());
    if (PostMessageA(replyTo, WM_SEARCH_DONE, 0, reinterpret_cast<LPARAM>(outcome.get())))
      outcome.release();
  });
}

void UpdateIndexAfterSave(const char* path) {
  std::string saved = path;
  IndexWorker::Instance().Post([saved] {
    MemoIndex index;
    if (index.Open(MemoIndexPath())) index.Update(saved);
  });
}
