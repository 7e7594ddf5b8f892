#pragma once
// The players' event sink on top of the MIDI library: one output queue and the clock that plays
// it. The handles are the ones opened at start-up; when the output is reopened (a device change,
// the interval calculator) the owner makes a new sink with the new handle.
#include <cstdint>

#include "core/playback/SequenceSink.h"

namespace strumly {

class MidiLibrary;

class LibrarySequenceSink final : public SequenceSink {
 public:
  // `library` must outlive the sink.
  LibrarySequenceSink(MidiLibrary& library, std::uint32_t syncHandle, std::uint32_t outHandle);

  QueueResult queue(const MidiEvent& event) override;
  void setTempo(std::uint32_t microsPerBeat) override;
  void start() override;
  void pause() override;
  void restart() override;
  void stop() override;
  void flush() override;

 private:
  MidiLibrary& library_;
  std::uint32_t sync_;
  std::uint32_t out_;
};

}  // namespace strumly
