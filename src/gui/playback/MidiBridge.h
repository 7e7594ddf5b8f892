#pragma once
// Carries the MIDI library's messages from its clock thread to the user-interface thread: each
// message becomes a posted event for the target object, so messages arrive in order and are
// handled where all program state lives.
#include <QEvent>
#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>

#include "core/midi/MidiEvent.h"

namespace strumly::gui {

class MidiMessageEvent final : public QEvent {
 public:
  static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 0x452);
  MidiMessageEvent(std::uint32_t message, std::uint32_t param)
      : QEvent(kType), message(message), param(param) {}
  const std::uint32_t message;
  const std::uint32_t param;
};

struct DecodedMidiMessage {
  std::uint32_t message = 0;
  std::uint32_t param = 0;
};

// The message carried by `event`, or none when it is some other event.
std::optional<DecodedMidiMessage> decodeMidiMessage(const QEvent* event);

class MidiBridge : public QObject {
  Q_OBJECT

 public:
  // Without a target the bridge receives the events itself and emits `midiMessage`.
  explicit MidiBridge(QObject* target = nullptr, QObject* parent = nullptr);
  ~MidiBridge() override;

  // For OpenSync / OpenMidiOut. Safe to call from any thread; after the bridge is gone it drops
  // messages instead of posting to a dead target.
  MidiPoster poster() const;

 Q_SIGNALS:
  void midiMessage(quint32 message, quint32 param);

 protected:
  bool event(QEvent* event) override;

 private:
  struct Target;
  std::shared_ptr<Target> target_;
};

}  // namespace strumly::gui
