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

TEST(HidDescriptorTest, PopRestoresTheReportNumberSizeAndCountThatPushSaved) {
  // Report ID 1, 4 x 8 bits, Input; Push; Report ID 2, 8 x 1 bit, Input; Pop; Input: the last
  // Input adds 4 more bytes to report 1 (8 bytes + number = 9), not one byte to report 2.
  const std::vector<std::uint8_t> pushPop{0x85, 0x01, 0x75, 0x08, 0x95, 0x04, 0x81, 0x02, 0xA4, 0x85,
                                          0x02, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0xB4, 0x81, 0x02};
  EXPECT_EQ(inputReportShape(pushPop).length, 9);

  // A Pop with nothing pushed keeps 3 x 8 bits; after 40 Pushes the innermost Pop still restores
  // 1 x 8 bits over a Report Count of 9.
  EXPECT_EQ(inputReportShape({0x75, 0x08, 0x95, 0x03, 0xB4, 0x81, 0x02}).length, 4);
  std::vector<std::uint8_t> deep{0x75, 0x08, 0x95, 0x01};
  deep.insert(deep.end(), 40, 0xA4);
  deep.insert(deep.end(), {0x95, 0x09, 0xB4, 0x81, 0x02});
  EXPECT_EQ(inputReportShape(deep).length, 2);
}

}  // namespace
}  // namespace strumly
