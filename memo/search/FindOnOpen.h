// A memo opened from a results memo starts with the caret on the first match of the words.
#pragma once

class CMemoView;

// Finds the first handed-over word in the memo just loaded and shows it selected; the
// words are taken out of the environment either way.
void FindHandedOverWords(CMemoView* view);
