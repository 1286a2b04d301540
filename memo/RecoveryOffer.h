// The start-up offer of recovery copies that no running window owns, and their restoring.
#pragma once

class CMainFrame;

// Offers every orphaned recovery copy, one question each. A copy restored goes into this
// window when it is that memo's window, or when the window started as an empty new memo;
// any other opens a window of its own. A process started to restore one copy restores it
// without asking, and offers nothing else. Damaged copies are reported and set aside.
void OfferRecoveryCopies(CMainFrame* frame, bool startedEmpty);
