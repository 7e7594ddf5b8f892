#pragma once
// The command line's tab conversion: a raw tab file checked and converted (Auto Tune on) and
// written as a tab page file with the page's default settings, as Save writes it.
#include <filesystem>
#include <string>
#include <string_view>

namespace strumly {

inline constexpr std::string_view kNoTabFound = "no tab found";

// Empty on success, else the reason as a sentence naming the file it concerns; a text without a
// block gives "<rawTab>: no tab found" and writes nothing.
std::string convertRawTabFile(const std::filesystem::path& rawTab, const std::filesystem::path& tabPageFile);

}  // namespace strumly
