// The hand-offs as environment variables: fields separated by tabs, the free text last.
#include "SearchHandOff.h"

#include <windows.h>

#include <vector>

#include "MemoWindows.h"

namespace {

const wchar_t kSearchVariable[] = L"KVMEMO_SEARCH";
const wchar_t kFindVariable[] = L"KVMEMO_FIND";

// Reads and removes a variable of this process; empty when it is not set. Read wide and
// converted here: Wine's GetEnvironmentVariableA cuts a Shift-JIS value after as many
// bytes as it has characters.
std::string TakeVariable(const wchar_t* name) {
  DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return std::string();
  std::wstring wide(size, L'\0');
  DWORD length = GetEnvironmentVariableW(name, &wide[0], size);
  SetEnvironmentVariableW(name, nullptr);
  if (length == 0 || length >= size) return std::string();
  int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(length), nullptr, 0,
                                  nullptr, nullptr);
  std::string value(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0)
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(length), &value[0], bytes, nullptr,
                        nullptr);
  return value;
}

void SetVariable(const wchar_t* name, const std::string& value) {
  int length = MultiByteToWideChar(CP_ACP, 0, value.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, value.c_str(), -1, &wide[0], length);
  SetEnvironmentVariableW(name, wide.c_str());
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
  SetVariable(kSearchVariable, value);
  StartNewMemo();
  SetEnvironmentVariableW(kSearchVariable, nullptr);
}

SearchHandOff TakeSearchHandOff() {
  std::vector<std::string> fields = Fields(TakeVariable(kSearchVariable), 3);
  SearchHandOff search;
  if (fields.size() != 4 || fields[3].empty()) return search;
  if (fields[0] == "W")
    search.kind = SearchHandOff::kWords;
  else if (fields[0] == "B")
    search.kind = SearchHandOff::kBacklinks;
  search.matchCase = fields[1] == "1";
  search.folder = fields[2];
  search.text = fields[3];
  return search;
}

void PassWordsToOpenedMemos(const std::string& words, bool matchCase) {
  SetVariable(kFindVariable, (matchCase ? "1\t" : "0\t") + words);
}

bool TakeWordsToFind(std::string* words, bool* matchCase) {
  std::vector<std::string> fields = Fields(TakeVariable(kFindVariable), 1);
  if (fields.size() != 2 || fields[1].empty()) return false;
  *matchCase = fields[0] == "1";
  *words = fields[1];
  return true;
}
