#pragma once
// The Fretlight guitar through hidapi's hidraw back end, and the udev monitor that says when HID
// devices come or go. Builds without hidapi (STRUMLY_HAVE_HIDAPI unset) or libudev
// (STRUMLY_HAVE_LIBUDEV unset) keep these classes: the port then never finds a guitar, or looks
// for it at start-up only.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/hid/FretlightPort.h"

struct hid_device_;  // hidapi's handle, kept out of this header so hidapi stays optional
struct udev;
struct udev_monitor;

namespace strumly {

class HidapiDevice final : public FretlightDevice {
 public:
  static constexpr std::uint16_t kVendorId = 0x0925;
  static constexpr std::uint16_t kProductId = 0x2000;

  ~HidapiDevice() override;
  HidapiDevice(const HidapiDevice&) = delete;
  HidapiDevice& operator=(const HidapiDevice&) = delete;

  bool write(const LedReport& report) override;
  std::string productName() const override { return product_; }
  std::string manufacturerName() const override { return manufacturer_; }
  int inputReportLength() const override { return inputLength_; }
  SwitchRead readSwitches() override;

 private:
  friend class HidapiFretlightPort;
  explicit HidapiDevice(hid_device_* device) : device_(device) {}

  hid_device_* device_;
  std::string product_;
  std::string manufacturer_;
  int inputLength_ = 0;
  bool numbered_ = false;
};

// Tells when a hidraw node is added or removed.
class HidHotplugMonitor {
 public:
  HidHotplugMonitor();
  ~HidHotplugMonitor();
  HidHotplugMonitor(const HidHotplugMonitor&) = delete;
  HidHotplugMonitor& operator=(const HidHotplugMonitor&) = delete;
  // -1 when udev could not be reached (no udev in a container, for one).
  int descriptor() const;
  void drain();

 private:
  udev* udev_ = nullptr;
  udev_monitor* monitor_ = nullptr;
};

class HidapiFretlightPort final : public FretlightPort {
 public:
  std::unique_ptr<FretlightDevice> open(FretlightSearch& outcome) override;
  int changesDescriptor() override { return monitor_.descriptor(); }
  void takeChanges() override { monitor_.drain(); }

 private:
  HidHotplugMonitor monitor_;
};

}  // namespace strumly
