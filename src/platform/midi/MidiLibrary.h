#pragma once
// The MIDI library the program plays through: device lists, outputs with a timed event queue
// driven by a sync clock, inputs, and direct short messages. Handles are 32-bit values, 0 when
// not open. The clock posts its messages through the poster given when a handle was opened.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/midi/MidiEvent.h"
#include "core/midi/SyncScheduler.h"
#include "platform/midi/MidiClock.h"
#include "platform/midi/MidiDevices.h"

namespace strumly {

class MidiLibrary {
 public:
  static constexpr std::uint16_t kVersion = 0x0200;    // 2.0: high byte major, low byte minor
  static constexpr std::size_t kDescriptionSize = 32;  // device names fit 31 characters

  // The system's devices on a real clock.
  MidiLibrary();
  MidiLibrary(std::unique_ptr<MidiDevices> devices, std::unique_ptr<MidiClock> clock);
  ~MidiLibrary();
  MidiLibrary(const MidiLibrary&) = delete;
  MidiLibrary& operator=(const MidiLibrary&) = delete;

  std::uint16_t GetMaxMidiVersion() const { return kVersion; }
  std::uint32_t GetNumOutDevices();
  std::uint32_t GetNumInDevices();
  // Non-zero when `name` now holds the device's name.
  std::uint32_t GetMidiOutDescription(std::uint32_t device, std::string& name);
  std::uint32_t GetMidiInDescription(std::uint32_t device, std::string& name);
  // A problem of the built-in synth worth telling the user once; empty when all is well.
  std::string builtInSynthStatus();

  // `mode`, `flags` and `period` are accepted for the callers' sake and not needed here.
  std::uint32_t OpenSync(std::uint32_t mode, MidiPoster poster, std::uint32_t flags, std::uint32_t period);
  std::uint32_t OpenMidiOut(MidiPoster poster, std::uint32_t device, std::uint32_t syncHandle,
                            std::uint32_t flags);
  std::uint32_t OpenMidiIn(const MidiPoster& poster, std::uint32_t device, std::uint32_t reserved,
                           std::uint32_t flags);

  // 0 = queued (the record may be reused at once); non-zero = queue full, nothing queued.
  // An output without a clock plays the event at once. An output whose device goes away (found
  // when something is sent to it) posts kMsgOutputLost with its handle, once.
  std::uint32_t PutMidiOut(std::uint32_t outHandle, const MidiEvent& event);
  bool SetTempo(std::uint32_t syncHandle, std::uint32_t tempoMicros);
  bool StartSync(std::uint32_t syncHandle);
  bool PauseSync(std::uint32_t syncHandle, std::uint32_t mode);
  bool ReStartSync(std::uint32_t syncHandle);
  bool StopSync(std::uint32_t syncHandle);
  bool FlushMidiOut(std::uint32_t outHandle);
  bool CloseMidiOut(std::uint32_t outHandle);
  bool CloseMidiIn(std::uint32_t inHandle);
  bool CloseSync(std::uint32_t syncHandle);

  // Direct short messages (status | data1 << 8 | data2 << 16), played at once on the device.
  std::uint32_t midiOutOpen(std::uint32_t device);
  bool midiOutShortMsg(std::uint32_t directHandle, std::uint32_t message);
  bool midiOutClose(std::uint32_t directHandle);

  // Queued events of an output (for tests and diagnostics).
  std::size_t queuedEvents(std::uint32_t outHandle);

 private:
  using SharedPoster = std::shared_ptr<const MidiPoster>;
  struct Sync {
    SyncScheduler scheduler;
    SharedPoster poster;
  };
  struct Output {
    std::unique_ptr<MidiOutput> device;
    std::uint32_t sync = 0;
    SharedPoster poster;
    bool lossPosted = false;  // a lost device is reported once
  };
  struct Pending {
    SharedPoster poster;
    std::uint32_t message;
    std::uint32_t param;
  };
  class Dispatcher;

  std::optional<std::int64_t> step(std::int64_t nowMicros);
  void collectLosses(std::vector<Pending>& pending);
  void waitForPosts() { std::lock_guard lock(postMutex_); }
  Sync* findSync(std::uint32_t handle);
  Output* findOutput(std::uint32_t handle);
  std::uint32_t newHandle() { return nextHandle_++; }

  std::unique_ptr<MidiDevices> devices_;
  std::unique_ptr<MidiClock> clock_;
  std::mutex mutex_;
  // Held while the clock hands messages to posters; closing a handle waits on it, so no poster
  // runs after the close that released it has returned.
  std::mutex postMutex_;
  std::uint32_t nextHandle_ = 1;
  std::vector<std::string> outputNames_;
  std::vector<std::string> inputNames_;
  bool listed_ = false;
  std::map<std::uint32_t, Sync> syncs_;
  std::map<std::uint32_t, Output> outputs_;
  std::map<std::uint32_t, std::unique_ptr<MidiInputPort>> inputs_;
  std::map<std::uint32_t, std::unique_ptr<MidiOutput>> direct_;
};

}  // namespace strumly
