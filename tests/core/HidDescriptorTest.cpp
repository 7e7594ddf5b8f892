// Input report sizes read from HID report descriptors written out by hand, item by item.
#include <gtest/gtest.h>

#include "core/fretlight/HidDescriptor.h"

namespace strumly {
namespace {

TEST(HidDescriptorTest, InputReportLengthCountsTheReportNumberByte) {
  // Usage Page (vendor 0xFF00), Usage 1, Collection; Report Size 8, Report Count 1, Input;
  // Report Count 7, Output; End Collection: one switch byte in, seven LED bytes out.
  const std::vector<std::uint8_t> guitarLike{0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08,
                                             0x95, 0x01, 0x81, 0x02, 0x95, 0x07, 0x91, 0x02, 0xC0};
  const InputReportShape plain = inputReportShape(guitarLike);
  EXPECT_EQ(plain.length, 2);
  EXPECT_FALSE(plain.numbered);

  // Report ID 1 with 4 x 8 bits, Report ID 2 with 3 x 1 bit (padded to a byte): the longest wins.
  const std::vector<std::uint8_t> numbered{0x85, 0x01, 0x75, 0x08, 0x95, 0x04, 0x81, 0x02,
                                           0x85, 0x02, 0x75, 0x01, 0x95, 0x03, 0x81, 0x02};
  const InputReportShape shape = inputReportShape(numbered);
  EXPECT_EQ(shape.length, 5);
  EXPECT_TRUE(shape.numbered);

  // A descriptor cut off inside an item stops there.
  EXPECT_EQ(inputReportShape({0x75, 0x08, 0x95, 0x02, 0x81}).length, 0);
}

}  // namespace
}  // namespace strumly
