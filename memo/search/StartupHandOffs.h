// What a memo window does at start with what its opener handed over (SearchHandOff.h).
#pragma once

class CMainFrame;

// Runs a handed-over search into this window, or finds the handed-over words in its memo.
void TakeStartupHandOffs(CMainFrame* frame);
