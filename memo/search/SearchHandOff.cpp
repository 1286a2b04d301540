// The hand-offs as environment variables: fields separated by tabs, the free text last.
#include "SearchHandOff.h"

#include <windows.h>

#include <vector>

#include "MemoWindows.h"

namespace {

const char kSearchVariable[] = "KVMEMO_SEARCH";
const char kFindVariable[] = "KVMEMO_FIND";

// Reads and removes a variable of this process; empty when it is not set.
std::string TakeVariable(const char* name) {
  DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size == 0) return std::string();
  std::vector<char> value(size + 1, '\0');
  GetEnvironmentVariableA(name, value.data(), size + 1);
  SetEnvironmentVariableA(name, nullptr);
  return std::string(value.data());
}

// Splits off the first count fields; the rest of the value is the last field.
std::vector<std::string> Fields(const std::string& value, size_t count) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (fields.size() < count) {
    size_t tab = value.find('\t', start);
    if (tab == std::string::npos) return {};
    fields.push_back(value.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(value.substr(start));
  return fields;
}

}  // namespace

void StartResultsWindow(const SearchHandOff& search) {
  std::string value = std::string(search.kind == SearchHandOff::kBacklinks ? "B" : "W") + "\t" +
                      (search.matchCase ? "1" : "0") + "\t" + search.folder + "\t" + search.text;
  SetEnvironmentVariableA(kSearchVariable, value.c_str());
  StartNewMemo();
  SetEnvironmentVariableA(kSearchVariable, nullptr);
}

SearchHandOff TakeSearchHandOff() {
  std::vector<std::string> fields = Fields(TakeVariable(kSearchVariable), 3);
  SearchHandOff search;
  if (fields.size() != 4 || fields[3].empty()) return search;
  if (fields[0] == "W") search.kind = SearchHandOff::kWords;
  else if (fields[0] == "B") search.kind = SearchHandOff::kBacklinks;
  search.matchCase = fields[1] == "1";
  search.folder = fields[2];
  search.text = fields[3];
  return search;
}

void PassWordsToOpenedMemos(const std::string& words, bool matchCase) {
  SetEnvironmentVariableA(kFindVariable, ((matchCase ? "1\t" : "0\t") + words).c_str());
}

bool TakeWordsToFind(std::string* words, bool* matchCase) {
  std::vector<std::string> fields = Fields(TakeVariable(kFindVariable), 1);
  if (fields.size() != 2 || fields[1].empty()) return false;
  *matchCase = fields[0] == "1";
  *words = fields[1];
  return true;
}
