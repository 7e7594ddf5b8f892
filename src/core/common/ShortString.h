#pragma once
// Fixed-capacity, length-prefixed text as stored in the diagram records and page files:
// one length byte, then `Capacity` bytes. Longer text is cut to the capacity.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace strumly {

template <std::size_t Capacity>
class ShortString {
 public:
  static constexpr std::size_t capacity = Capacity;
  static constexpr std::size_t storedSize = Capacity + 1;

  ShortString() = default;
  ShortString(std::string_view text) { assign(text); }  // NOLINT: texts convert freely

  void assign(std::string_view text) {
    length_ = static_cast<std::uint8_t>(std::min(text.size(), Capacity));
    bytes_.fill(0);
    std::copy_n(text.begin(), length_, bytes_.begin());
  }
  ShortString& operator=(std::string_view text) {
    assign(text);
    return *this;
  }

  std::string_view view() const { return {bytes_.data(), length_}; }
  std::string str() const { return std::string(view()); }
  bool empty() const { return length_ == 0; }
  std::size_t size() const { return length_; }

  // Raw access for byte-exact round trips: bytes past the length are kept as read.
  std::uint8_t rawLength() const { return length_; }
  const std::array<char, Capacity>& rawBytes() const { return bytes_; }
  void setRaw(std::uint8_t length, const char* bytes) {
    length_ = static_cast<std::uint8_t>(std::min<std::size_t>(length, Capacity));
    std::copy_n(bytes, Capacity, bytes_.begin());
  }

  bool operator==(const ShortString& o) const { return view() == o.view(); }

 private:
  std::uint8_t length_ = 0;
  std::array<char, Capacity> bytes_{};
};

}  // namespace strumly
