// Each memo below the folders is read through the library and matched line by line.
#include "ScanSearch.h"

#include "FolderScan.h"
#include "HitBuilder.h"
#include "MemoReader.h"
#include "PathKey.h"
#include "TextCodec.h"

namespace {

// Calls visit with each readable memo below the folders; counts the others.
template <typename Visit>
void ForEachMemo(const std::vector<std::string>& sjisFolders, SearchOutcome* outcome, Visit visit) {
  for (const DiskMemo& disk : ListMemoFiles(sjisFolders)) {
    MemoContent content = ReadMemoContent(disk.path);
    if (!content.readable) {
      ++outcome->damaged;
      continue;
    }
    MemoHit hit{disk.path, content.title, disk.time, {}};
    if (visit(content, &hit)) outcome->hits.push_back(std::move(hit));
  }
  SortNewestFirst(&outcome->hits);
  outcome->fromIndex = false;
}

}  // namespace

void ScanSearch(const SearchQuery& query, SearchOutcome* outcome) {
  const std::vector<std::string> words = QueryWords(Utf8FromSjis(query.text));
  ForEachMemo(query.folders, outcome, [&](const MemoContent& content, MemoHit* hit) {
    return BuildWordHit(content.text, words, query.matchCase, hit);
  });
}

void ScanBacklinks(const std::string& sjisTarget, const std::vector<std::string>& sjisFolders,
                   SearchOutcome* outcome) {
  const std::string target = PathKey(sjisTarget);
  ForEachMemo(sjisFolders, outcome, [&](const MemoContent& content, MemoHit* hit) {
    std::vector<int> lines;
    for (const MemoLinkRef& link : content.links)
      if (link.targetKey == target) lines.push_back(link.line);
    if (lines.empty() || PathKey(hit->path) == target) return false;
    BuildLineHit(content.text, lines, hit);
    return true;
  });
}
