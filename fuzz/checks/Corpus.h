#pragma once
// The seed corpus of a harness, for replaying it as an ordinary unit test.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace strumly::fuzz {

struct CorpusFile {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

inline std::vector<CorpusFile> corpusFiles(const std::filesystem::path& dir) {
  std::vector<CorpusFile> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files.push_back(
        {entry.path().filename().string(),
         std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())});
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return files;
}

}  // namespace strumly::fuzz
