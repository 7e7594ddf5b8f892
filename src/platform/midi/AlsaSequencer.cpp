#include "platform/midi/AlsaSequencer.h"

#include <alsa/asoundlib.h>
#include <unistd.h>

namespace strumly {

class AlsaSequencer::Output final : public MidiOutput {
 public:
  Output(std::shared_ptr<AlsaSequencer> sequencer, int ourPort, AlsaPort target)
      : sequencer_(std::move(sequencer)), ourPort_(ourPort), target_(std::move(target)) {}
  ~Output() override {
    std::lock_guard lock(sequencer_->mutex_);
    snd_seq_disconnect_to(sequencer_->handle_, ourPort_, target_.client, target_.port);
    snd_seq_delete_simple_port(sequencer_->handle_, ourPort_);
  }
  // A sequencer port has no sample clock of its own to schedule on: the message goes when due.
  void play(const MidiDispatch& dispatch) override { send(dispatch.message); }
  void playNow(const ShortMessage& message) override { send(message); }
  bool lost() override {
    if (!failed_ && !sequencer_->connected(ourPort_, target_)) failed_ = true;
    return failed_;
  }
  void silence(std::uint16_t channelMask) override {
    for (int channel = 0; channel < 16; ++channel) {
      if ((channelMask & (1u << channel)) == 0) continue;
      const auto status = static_cast<std::uint8_t>(0xB0 | channel);
      send({status, 64, 0});   // sustain off, or notes off would wait for it
      send({status, 123, 0});  // all notes off
    }
  }

 private:
  void send(const ShortMessage& message) {
    if (!failed_ && !sequencer_->send(ourPort_, message)) failed_ = true;
  }

  std::shared_ptr<AlsaSequencer> sequencer_;
  int ourPort_;
  AlsaPort target_;
  bool failed_ = false;  // once gone, a port stays gone for this output
};

class AlsaSequencer::Input final : public MidiInputPort {
 public:
  Input(std::shared_ptr<AlsaSequencer> sequencer, int ourPort, AlsaPort source)
      : sequencer_(std::move(sequencer)), ourPort_(ourPort), source_(std::move(source)) {}
  ~Input() override {
    std::lock_guard lock(sequencer_->mutex_);
    snd_seq_disconnect_from(sequencer_->handle_, ourPort_, source_.client, source_.port);
    snd_seq_delete_simple_port(sequencer_->handle_, ourPort_);
  }

 private:
  std::shared_ptr<AlsaSequencer> sequencer_;
  int ourPort_;
  AlsaPort source_;
};

std::shared_ptr<AlsaSequencer> AlsaSequencer::open() {
  // alsa-lib reports a missing device node on stderr; not having a sequencer is normal here.
  if (access("/dev/snd/seq", R_OK | W_OK) != 0) return nullptr;
  snd_seq_t* handle = nullptr;
  if (snd_seq_open(&handle, "default", SND_SEQ_OPEN_DUPLEX, 0) < 0) return nullptr;
  snd_seq_set_client_name(handle, "Strumly");
  return std::shared_ptr<AlsaSequencer>(new AlsaSequencer(handle));
}

AlsaSequencer::AlsaSequencer(snd_seq_t* handle) : handle_(handle), ownClient_(snd_seq_client_id(handle)) {}

AlsaSequencer::~AlsaSequencer() {
  snd_seq_close(handle_);
}

std::vector<AlsaPort> AlsaSequencer::writablePorts() {
  return ports(SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE);
}

std::vector<AlsaPort> AlsaSequencer::readablePorts() {
  return ports(SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ);
}

std::vector<AlsaPort> AlsaSequencer::ports(unsigned capabilities) {
  std::lock_guard lock(mutex_);
  std::vector<AlsaPort> found;
  snd_seq_client_info_t* client = nullptr;
  snd_seq_port_info_t* port = nullptr;
  snd_seq_client_info_alloca(&client);
  snd_seq_port_info_alloca(&port);
  snd_seq_client_info_set_client(client, -1);
  while (snd_seq_query_next_client(handle_, client) >= 0) {
    const int id = snd_seq_client_info_get_client(client);
    if (id == ownClient_ || id == SND_SEQ_CLIENT_SYSTEM) continue;
    snd_seq_port_info_set_client(port, id);
    snd_seq_port_info_set_port(port, -1);
    while (snd_seq_query_next_port(handle_, port) >= 0) {
      const unsigned caps = snd_seq_port_info_get_capability(port);
      if ((caps & capabilities) != capabilities || (caps & SND_SEQ_PORT_CAP_NO_EXPORT) != 0) continue;
      found.push_back(
          {id, snd_seq_port_info_get_port(port),
           std::string(snd_seq_client_info_get_name(client)) + ": " + snd_seq_port_info_get_name(port)});
    }
  }
  return found;
}

std::unique_ptr<MidiOutput> AlsaSequencer::connectOutput(const AlsaPort& target) {
  std::lock_guard lock(mutex_);
  const int ours = snd_seq_create_simple_port(handle_, "Strumly out", SND_SEQ_PORT_CAP_READ,
                                              SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
  if (ours < 0) return nullptr;
  if (snd_seq_connect_to(handle_, ours, target.client, target.port) < 0) {
    snd_seq_delete_simple_port(handle_, ours);
    return nullptr;
  }
  return std::make_unique<Output>(shared_from_this(), ours, target);
}

std::unique_ptr<MidiInputPort> AlsaSequencer::connectInput(const AlsaPort& source) {
  std::lock_guard lock(mutex_);
  const int ours = snd_seq_create_simple_port(handle_, "Strumly in", SND_SEQ_PORT_CAP_WRITE,
                                              SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
  if (ours < 0) return nullptr;
  if (snd_seq_connect_from(handle_, ours, source.client, source.port) < 0) {
    snd_seq_delete_simple_port(handle_, ours);
    return nullptr;
  }
  return std::make_unique<Input>(shared_from_this(), ours, source);
}

bool AlsaSequencer::connected(int ourPort, const AlsaPort& target) {
  snd_seq_port_subscribe_t* subscription = nullptr;
  snd_seq_port_subscribe_alloca(&subscription);
  snd_seq_addr_t sender{static_cast<unsigned char>(ownClient_), static_cast<unsigned char>(ourPort)};
  snd_seq_addr_t dest{static_cast<unsigned char>(target.client), static_cast<unsigned char>(target.port)};
  snd_seq_port_subscribe_set_sender(subscription, &sender);
  snd_seq_port_subscribe_set_dest(subscription, &dest);
  std::lock_guard lock(mutex_);
  return snd_seq_get_port_subscription(handle_, subscription) >= 0;
}

bool AlsaSequencer::send(int ourPort, const ShortMessage& m) {
  snd_seq_event_t ev;
  snd_seq_ev_clear(&ev);
  const int channel = m.channel();
  switch (m.status & 0xF0) {
    case 0x80:
      snd_seq_ev_set_noteoff(&ev, channel, m.data1 & 0x7F, m.data2 & 0x7F);
      break;
    case 0x90:
      snd_seq_ev_set_noteon(&ev, channel, m.data1 & 0x7F, m.data2 & 0x7F);
      break;
    case 0xA0:
      snd_seq_ev_set_keypress(&ev, channel, m.data1 & 0x7F, m.data2 & 0x7F);
      break;
    case 0xB0:
      snd_seq_ev_set_controller(&ev, channel, m.data1 & 0x7F, m.data2 & 0x7F);
      break;
    case 0xC0:
      snd_seq_ev_set_pgmchange(&ev, channel, m.data1 & 0x7F);
      break;
    case 0xD0:
      snd_seq_ev_set_chanpress(&ev, channel, m.data1 & 0x7F);
      break;
    case 0xE0:
      snd_seq_ev_set_pitchbend(&ev, channel, ((m.data1 & 0x7F) | ((m.data2 & 0x7F) << 7)) - 8192);
      break;
    default:
      return true;
  }
  snd_seq_ev_set_source(&ev, ourPort);
  snd_seq_ev_set_subs(&ev);
  snd_seq_ev_set_direct(&ev);
  std::lock_guard lock(mutex_);
  return snd_seq_event_output_direct(handle_, &ev) >= 0;
}

}  // namespace strumly
