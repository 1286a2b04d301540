// A fixed sequence of edits over a text box, so two builds can be compared on what they
// lay out, draw and save after the same editing.
#pragma once

#include "KVObjTBox.h"

void RunEditScript(KVObjTBox* box);
