#include "platform/hid/HidapiDevice.h"

#include <array>
#include <cerrno>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/fretlight/HidDescriptor.h"

#if STRUMLY_HAVE_HIDAPI
#include <hidapi.h>
#include <unistd.h>
#endif
#if STRUMLY_HAVE_LIBUDEV
#include <libudev.h>
#endif

namespace strumly {

#if STRUMLY_HAVE_HIDAPI
namespace {

// The guitar reports far more often than the switches are polled; a read takes what has piled up
// since the last poll, up to this many reports, and keeps the newest.
constexpr int kMaxReportsPerRead = 64;

std::string utf8(const wchar_t* text) {
  std::string out;
  for (; *text != 0; ++text) {
    const auto c = static_cast<std::uint32_t>(*text);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// hidapi 0.13 cannot hand out the report descriptor; the kernel shows it beside the hidraw node.
std::vector<std::uint8_t> reportDescriptor(const std::string& devicePath) {
  const std::string node = devicePath.substr(devicePath.find_last_of('/') + 1);
  std::ifstream in("/sys/class/hidraw/" + node + "/device/report_descriptor", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

HidapiDevice::~HidapiDevice() {
  hid_close(device_);
}

bool HidapiDevice::write(const LedReport& report) {
  // The guitar has no numbered reports: byte 0 is the report number 0, which the kernel takes
  // off before the remaining seven bytes go to the device.
  return hid_write(device_, report.data(), report.size()) == static_cast<int>(report.size());
}

SwitchRead HidapiDevice::readSwitches() {
  SwitchRead result;
  std::array<unsigned char, 64> buffer{};
  // hidraw hands over numbered reports with their number first and unnumbered ones without.
  const int at = numbered_ ? 1 : 0;
  for (int n = 0; n < kMaxReportsPerRead; ++n) {
    const int got = hid_read_timeout(device_, buffer.data(), buffer.size(), 0);
    if (got < 0) return {SwitchRead::Kind::Failed, kNoSwitchByte};
    if (got == 0) break;
    if (got > at) result = {SwitchRead::Kind::Report, buffer[static_cast<std::size_t>(at)]};
  }
  return result;
}

std::unique_ptr<FretlightDevice> HidapiFretlightPort::open(FretlightSearch& outcome) {
  // hid_exit is never called: the process end releases hidapi, and another open device would
  // lose its handle.
  outcome = FretlightSearch::Absent;
  if (hid_init() != 0) return nullptr;
  hid_device_info* list = hid_enumerate(HidapiDevice::kVendorId, HidapiDevice::kProductId);
  std::unique_ptr<HidapiDevice> found;
  for (hid_device_info* info = list; info != nullptr && !found; info = info->next) {
    hid_device* handle = hid_open_path(info->path);
    if (handle == nullptr) {
      if (::access(info->path, R_OK | W_OK) != 0 && errno == EACCES) outcome = FretlightSearch::NoPermission;
      continue;
    }
    found.reset(new HidapiDevice(handle));
    std::array<wchar_t, 255> text{};
    if (hid_get_product_string(handle, text.data(), text.size()) == 0) found->product_ = utf8(text.data());
    text.fill(0);
    if (hid_get_manufacturer_string(handle, text.data(), text.size()) == 0)
      found->manufacturer_ = utf8(text.data());
    const InputReportShape shape = inputReportShape(reportDescriptor(info->path));
    found->inputLength_ = shape.length;
    found->numbered_ = shape.numbered;
  }
  hid_free_enumeration(list);
  if (found) outcome = FretlightSearch::Found;
  return found;
}

#else

HidapiDevice::~HidapiDevice() = default;
bool HidapiDevice::write(const LedReport&) {
  return false;
}
SwitchRead HidapiDevice::readSwitches() {
  return {SwitchRead::Kind::Failed, kNoSwitchByte};
}
std::unique_ptr<FretlightDevice> HidapiFretlightPort::open(FretlightSearch& outcome) {
  outcome = FretlightSearch::Absent;
  return nullptr;
}

#endif

#if STRUMLY_HAVE_LIBUDEV

HidHotplugMonitor::HidHotplugMonitor() {
  udev_ = udev_new();
  if (udev_ == nullptr) return;
  // "udev" rather than "kernel": the event comes after the rules ran, so the node's access
  // rights are already in place when the guitar is looked for.
  monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
  if (monitor_ == nullptr) return;
  udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr);
  if (udev_monitor_enable_receiving(monitor_) < 0) {
    udev_monitor_unref(monitor_);
    monitor_ = nullptr;
  }
}

HidHotplugMonitor::~HidHotplugMonitor() {
  if (monitor_ != nullptr) udev_monitor_unref(monitor_);
  if (udev_ != nullptr) udev_unref(udev_);
}

int HidHotplugMonitor::descriptor() const {
  return monitor_ != nullptr ? udev_monitor_get_fd(monitor_) : -1;
}

void HidHotplugMonitor::drain() {
  if (monitor_ == nullptr) return;
  // The monitor's socket does not block: this stops when nothing more waits.
  while (udev_device* device = udev_monitor_receive_device(monitor_)) udev_device_unref(device);
}

#else

HidHotplugMonitor::HidHotplugMonitor() = default;
HidHotplugMonitor::~HidHotplugMonitor() = default;
int HidHotplugMonitor::descriptor() const {
  return -1;
}
void HidHotplugMonitor::drain() {}

#endif

}  // namespace strumly
