// Searching by reading every memo file: what a search does when the index cannot be
// used, and the comparison for the index's speed.
#pragma once

#include <string>
#include <vector>

#include "SearchResults.h"

void ScanSearch(const SearchQuery& query, SearchOutcome* outcome);
void ScanBacklinks(const std::string& sjisTarget, const std::vector<std::string>& sjisFolders,
                   SearchOutcome* outcome);
