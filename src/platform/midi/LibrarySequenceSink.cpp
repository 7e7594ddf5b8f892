#include "platform/midi/LibrarySequenceSink.h"

#include "platform/midi/MidiLibrary.h"

namespace strumly {

LibrarySequenceSink::LibrarySequenceSink(MidiLibrary& library, std::uint32_t syncHandle,
                                         std::uint32_t outHandle)
    : library_(library), sync_(syncHandle), out_(outHandle) {}

QueueResult LibrarySequenceSink::queue(const MidiEvent& event) {
  return library_.PutMidiOut(out_, event) == 0 ? QueueResult::Queued : QueueResult::Full;
}

// The library's results beyond the queueing answer tell nothing the players act on.
void LibrarySequenceSink::setTempo(std::uint32_t microsPerBeat) {
  library_.SetTempo(sync_, microsPerBeat);
}
void LibrarySequenceSink::start() {
  library_.StartSync(sync_);
}
void LibrarySequenceSink::pause() {
  library_.PauseSync(sync_, 0);
}
void LibrarySequenceSink::restart() {
  library_.ReStartSync(sync_);
}
void LibrarySequenceSink::stop() {
  library_.StopSync(sync_);
}
void LibrarySequenceSink::flush() {
  library_.FlushMidiOut(out_);
}

}  // namespace strumly
