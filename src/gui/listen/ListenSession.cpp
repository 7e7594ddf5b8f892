#include "gui/listen/ListenSession.h"

#include "core/chords/ChordTypeList.h"
#include "core/listen/ChordListener.h"
#include "core/listen/NoteListener.h"
#include "gui/listen/AudioFeed.h"

namespace strumly::gui {

ListenSession::ListenSession(AudioFeed& audio, const AppSettings& settings, QObject* parent)
    : QObject(parent), audio_(audio), settings_(settings) {
  connect(&audio_, &AudioFeed::stopped, this, [this](QObject* holder, const QString& lostReason) {
    if (holder != this) return;
    chords_.reset();
    notes_.reset();
    if (!stopping_) Q_EMIT ended(lostReason);
  });
}

ListenSession::~ListenSession() {
  stopping_ = true;
  audio_.stop(this);
}

bool ListenSession::start(Ear ear) {
  chords_.reset();
  notes_.reset();
  // The blocks reach `samples` from the event loop only, so the listeners are in place first.
  if (!audio_.start(this, settings_.listen.input, [this](const float* s, std::size_t n) { samples(s, n); }))
    return false;
  const double rate = audio_.sampleRate();
  const double a4 = settings_.listen.clampedA4();
  if (ear == Ear::Chords) {
    // Heard chords are named with the types the menus and the design page name them with.
    chords_ = std::make_unique<ChordCheckListener>(rate, chordTypesWithUsers(settings_.userChords), a4,
                                                   Spelling::Sharps);
  } else {
    notes_ = std::make_unique<NoteListener>(rate, a4);
  }
  return true;
}

void ListenSession::stop() {
  stopping_ = true;
  audio_.stop(this);
  stopping_ = false;
}

bool ListenSession::listening() const {
  return audio_.holder() == this;
}

QString ListenSession::error() const {
  return audio_.error();
}

void ListenSession::samples(const float* s, std::size_t n) {
  if (chords_) {
    if (target_) chords_->setTarget(target_());
    for (const CheckedStrum& c : chords_->feed(s, n)) Q_EMIT chordHeard(c);
  } else if (notes_) {
    for (const HeardNote& note : notes_->feed(s, n)) Q_EMIT noteHeard(note);
  }
}

}  // namespace strumly::gui
