// The content of a results memo: a heading, then for each memo a link to it and below it
// its lines, the matches in red.
#pragma once

#include <string>

#include "SearchResults.h"

class KVDocText;

// Replaces the document's content with the results; heading and notes are one line each
// (notes may be empty). The document is left unchanged in the user's eyes: nothing to undo,
// nothing to save before closing.
void FillResultsMemo(KVDocText* doc, const std::string& heading, const std::string& notes,
                     const SearchOutcome& outcome);
