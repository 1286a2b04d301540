// The memos opened in place below a memo, at every depth, that have unsaved edits.
#pragma once

#include <vector>

#include "KVDocText.h"

std::vector<KVDocText*> ChangedInPlaceMemos(KVDocText& top);
