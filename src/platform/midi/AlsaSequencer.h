#pragma once
// The ALSA sequencer's ports as further MIDI devices: writable ports are outputs, readable ports
// inputs. Absent when the machine has no sequencer (no /dev/snd/seq).
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/midi/MidiOutput.h"

struct _snd_seq;

namespace strumly {

struct AlsaPort {
  int client = 0;
  int port = 0;
  std::string name;  // "client name: port name"
};

// Something held open for as long as an input device is open.
class MidiInputPort {
 public:
  virtual ~MidiInputPort() = default;
};

class AlsaSequencer : public std::enable_shared_from_this<AlsaSequencer> {
 public:
  // Null when there is no sequencer to talk to.
  static std::shared_ptr<AlsaSequencer> open();
  ~AlsaSequencer();

  // Ports of other clients; our own ports and the system client are left out.
  std::vector<AlsaPort> writablePorts();
  std::vector<AlsaPort> readablePorts();

  std::unique_ptr<MidiOutput> connectOutput(const AlsaPort& port);
  // Subscribes our input port to `port`; nothing is ever read from it.
  std::unique_ptr<MidiInputPort> connectInput(const AlsaPort& port);

 private:
  class Output;
  class Input;
  explicit AlsaSequencer(_snd_seq* handle);
  std::vector<AlsaPort> ports(unsigned capabilities);
  // False when the sequencer refused the event (the connection is broken).
  bool send(int ourPort, const ShortMessage& message);
  // Whether our port still feeds `target`: the sequencer drops the connection when the target's
  // port or client goes away, and it never comes back by itself.
  bool connected(int ourPort, const AlsaPort& target);

  _snd_seq* handle_;
  int ownClient_ = -1;
  std::mutex mutex_;
};

}  // namespace strumly
