// The seed corpora of the tab harnesses (raw tab text, tab page files) replayed as unit tests.
#include <gtest/gtest.h>

#include <filesystem>

#include "../../fuzz/checks/Corpus.h"
#include "../../fuzz/checks/TabCheck.h"

using namespace strumly;
namespace fs = std::filesystem;

TEST(FuzzCorpus, EverySeedKeepsTheTabInvariants) {
  auto text = fuzz::corpusFiles(fs::path(STRUMLY_SOURCE_DIR) / "fuzz/corpus/tabtext");
  auto pages = fuzz::corpusFiles(fs::path(STRUMLY_SOURCE_DIR) / "fuzz/corpus/vxt");
  ASSERT_GE(text.size(), 5u);
  ASSERT_GE(pages.size(), 5u);
  for (const auto& f : text) EXPECT_EQ(fuzz::checkTabTextInput(f.bytes.data(), f.bytes.size()), "") << f.name;
  for (const auto& f : pages)
    EXPECT_EQ(fuzz::checkTabPageInput(f.bytes.data(), f.bytes.size()), "") << f.name;
}
