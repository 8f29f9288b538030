// Files for the core tests: each test works in a fresh folder of its own.
#pragma once

#include <string>
#include <vector>

// A new empty folder for the running test.
std::string TestDir();
// Writes content byte for byte and returns the path.
std::string WriteFile(const std::string& dir, const std::string& name, const std::string& content);
std::string ReadFile(const std::string& path);
// The names in a folder, sorted: what a save left behind.
std::vector<std::string> FileNames(const std::string& dir);
// The lines of a file written with CR LF line ends.
std::vector<std::string> ReadLines(const std::string& path);
// Joins lines with CR LF, the way the programs write them.
std::string CrLf(const std::vector<std::string>& lines);
