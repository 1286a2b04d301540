// Files and folders of a test: whole files read and written at once, folder trees removed.
#pragma once

#include <string>
#include <vector>

void RemoveTree(const std::string& folder);
bool FileExists(const std::string& path);
// The names in a folder, "." and ".." left out.
std::vector<std::string> FolderEntries(const std::string& folder);
// The file's bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
