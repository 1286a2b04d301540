// Finding the words of a query in lines of UTF-8 text.
#pragma once

#include <string>
#include <vector>

struct TextSpan {
  size_t begin;
  size_t length;
};

// The words of a query: split at ASCII and ideographic spaces, empty ones left out.
std::vector<std::string> QueryWords(const std::string& utf8Query);
// Where any of the words stands in the line, in order and not overlapping. Without
// matchCase, ASCII letters match either case (nothing else is folded).
std::vector<TextSpan> FindWords(const std::string& line, const std::vector<std::string>& words,
                                bool matchCase);
// True when every word stands somewhere in the text.
bool HasAllWords(const std::string& text, const std::vector<std::string>& words, bool matchCase);
// The text cut into lines at "\n" (a "\r" before it dropped).
std::vector<std::string> SplitLines(const std::string& text);
