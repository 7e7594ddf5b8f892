// The seed corpora of the tip file and HID descriptor harnesses replayed as unit tests, and the
// fault fuzzing found in the descriptor reader, kept as a regression test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "../../fuzz/checks/Corpus.h"
#include "../../fuzz/checks/HidDescriptorCheck.h"
#include "../../fuzz/checks/TipFileCheck.h"

using namespace strumly;
namespace fs = std::filesystem;

TEST(FuzzCorpus, EverySeedKeepsTheTipFileAndHidDescriptorInvariants) {
  auto tips = fuzz::corpusFiles(fs::path(STRUMLY_SOURCE_DIR) / "fuzz/corpus/tipfile");
  auto hid = fuzz::corpusFiles(fs::path(STRUMLY_SOURCE_DIR) / "fuzz/corpus/hiddescriptor");
  ASSERT_GE(tips.size(), 5u);
  ASSERT_GE(hid.size(), 5u);
  const fs::path folder = fs::temp_directory_path() / ("strumly-fuzztips-" + std::to_string(::getpid()));
  for (const auto& f : tips)
    EXPECT_EQ(fuzz::checkTipFileInput(f.bytes.data(), f.bytes.size(), folder), "") << f.name;
  fs::remove_all(folder);
  for (const auto& f : hid)
    EXPECT_EQ(fuzz::checkHidDescriptorInput(f.bytes.data(), f.bytes.size()), "") << f.name;
}

TEST(HidDescriptorExtremes, AReportPastTheKernelBufferIsCappedAndSizesDoNotWrap) {
  // Found by fuzz_hiddescriptor: 32-bit sums gave any length, even one no hidraw buffer holds.
  // Report Size 0x10000 x Report Count 0x10000 is 2^32 bits, which wrapped to an empty report.
  EXPECT_EQ(inputReportShape({0x77, 0x00, 0x00, 0x01, 0x00, 0x97, 0x00, 0x00, 0x01, 0x00, 0x81, 0x02}).length,
            16384);
  // 8 bits x 16383 fills the 16384-byte buffer with the report number; one field more is cut.
  EXPECT_EQ(inputReportShape({0x75, 0x08, 0x96, 0xFF, 0x3F, 0x81, 0x02}).length, 16384);
  EXPECT_EQ(inputReportShape({0x75, 0x08, 0x96, 0x00, 0x40, 0x81, 0x02}).length, 16384);
  EXPECT_EQ(inputReportShape({0x75, 0x08, 0x96, 0xE8, 0x03, 0x81, 0x02}).length, 1001);
}
