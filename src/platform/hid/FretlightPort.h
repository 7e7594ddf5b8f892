#pragma once
// The Fretlight guitar as the display logic needs it: found by its USB identity, opened, written
// to and asked for its switches, and a word from the system when HID devices come or go. The
// program uses hidapi; the tests a fake that records the reports and plays switch bytes.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/hid/HidLedSink.h"

namespace strumly {

// The switch byte the program keeps when nothing could be read; never acted on.
constexpr std::uint8_t kNoSwitchByte = 255;

struct SwitchRead {
  enum class Kind {
    Report,   // `switches` holds the newest switch byte
    Nothing,  // no input report arrived since the last read
    Failed,   // the device is gone
  };
  Kind kind = Kind::Nothing;
  std::uint8_t switches = kNoSwitchByte;
};

// One opened guitar; closed when destroyed.
class FretlightDevice : public HidWriter {
 public:
  virtual std::string productName() const = 0;
  virtual std::string manufacturerName() const = 0;
  virtual int inputReportLength() const = 0;
  // Never waits: the window must not hang on a guitar that has stopped answering.
  virtual SwitchRead readSwitches() = 0;
};

enum class FretlightSearch {
  Found,
  Absent,
  NoPermission,  // attached, but the user may not open it (the udev rule is missing)
};

class FretlightPort {
 public:
  virtual ~FretlightPort() = default;
  // The first attached guitar; null when none could be opened, with `outcome` saying why.
  virtual std::unique_ptr<FretlightDevice> open(FretlightSearch& outcome) = 0;
  // A descriptor that becomes readable when a HID device comes or goes; -1 when the system
  // tells nothing (the guitar is then looked for at start-up only).
  virtual int changesDescriptor() { return -1; }
  // Takes the waiting notices off that descriptor.
  virtual void takeChanges() {}
};

}  // namespace strumly
