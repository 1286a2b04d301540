// Turning a memo's text into the lines a results memo shows: shared by the index and the
// plain scan of the files.
#pragma once

#include <string>
#include <vector>

#include "SearchResults.h"

// The memo with the lines holding any word; false when it does not hold every word.
bool BuildWordHit(const std::string& utf8Body, const std::vector<std::string>& words,
                  bool matchCase, MemoHit* hit);
// The memo with the given lines (1-based), no matches marked.
void BuildLineHit(const std::string& utf8Body, const std::vector<int>& lineNumbers, MemoHit* hit);
// Newest first, as the results memo promises.
void SortNewestFirst(std::vector<MemoHit>* hits);
