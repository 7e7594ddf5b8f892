// The guitar's LED sink over a fake device: which reports reach it, in which order.
#include <gtest/gtest.h>

#include <vector>

#include "platform/hid/HidLedSink.h"

namespace strumly {
namespace {

class FakeHidWriter : public HidWriter {
 public:
  bool write(const LedReport& report) override {
    written.push_back(report);
    return written.size() <= accepted;
  }
  std::vector<LedReport> written;
  std::size_t accepted = 3;
};

TEST(HidLedSinkTest, AFrameGoesOutAsBlocksOneTwoThree) {
  FakeHidWriter device;
  device.accepted = 0;  // write results do not stop a frame
  HidLedSink sink(device);
  LedFrame frame;
  frame.light(0, 0, false);
  sink.send(frame, Hand::Right);
  const std::vector<LedReport> expected = {
      {0, 0, 0, 0, 0, 0, 0x80, 1}, {0, 0, 0, 0, 0, 0, 0, 2}, {0, 0, 0, 0, 0, 0, 0, 3}};
  EXPECT_EQ(device.written, expected);
}

TEST(HidLedSinkTest, FillsStopAtTheFirstRefusedReport) {
  FakeHidWriter device;
  HidLedSink sink(device);
  sink.lightAll();
  ASSERT_EQ(device.written.size(), 3u);
  EXPECT_EQ(device.written[1], (LedReport{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 2}));

  device.written.clear();
  device.accepted = 1;
  sink.clear();
  const std::vector<LedReport> expected = {{0, 0, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 2}};
  EXPECT_EQ(device.written, expected);
}

}  // namespace
}  // namespace strumly
