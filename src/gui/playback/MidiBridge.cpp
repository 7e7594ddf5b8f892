#include "gui/playback/MidiBridge.h"

#include <QCoreApplication>
#include <mutex>

namespace strumly::gui {

struct MidiBridge::Target {
  std::mutex mutex;
  QObject* object = nullptr;
};

std::optional<DecodedMidiMessage> decodeMidiMessage(const QEvent* event) {
  if (event == nullptr || event->type() != MidiMessageEvent::kType) return std::nullopt;
  const auto* midi = static_cast<const MidiMessageEvent*>(event);
  return DecodedMidiMessage{midi->message, midi->param};
}

MidiBridge::MidiBridge(QObject* target, QObject* parent)
    : QObject(parent), target_(std::make_shared<Target>()) {
  target_->object = target != nullptr ? target : this;
}

MidiBridge::~MidiBridge() {
  std::lock_guard lock(target_->mutex);
  target_->object = nullptr;
}

MidiPoster MidiBridge::poster() const {
  return [target = target_](std::uint32_t message, std::uint32_t param) {
    std::lock_guard lock(target->mutex);
    if (target->object != nullptr) {
      QCoreApplication::postEvent(target->object, new MidiMessageEvent(message, param));
    }
  };
}

bool MidiBridge::event(QEvent* event) {
  if (auto decoded = decodeMidiMessage(event)) {
    Q_EMIT midiMessage(decoded->message, decoded->param);
    return true;
  }
  return QObject::event(event);
}

}  // namespace strumly::gui
