#include "gui/fretlight/RootFlash.h"

#include <QAbstractButton>

#include "core/app/AppSettings.h"
#include "gui/common/PageList.h"
#include "gui/fretlight/FretlightLink.h"
#include "gui/playback/PlaybackContext.h"
#include "gui/playback/Transport.h"

namespace strumly::gui {

RootFlash::RootFlash(FretlightLink& link, QAbstractButton* sbtnRootFlash, Transport& transport,
                     PageList& pages, const PlaybackContext& playback, const AppSettings& settings,
                     QObject* parent)
    : QObject(parent),
      link_(link),
      sbtnRootFlash_(sbtnRootFlash),
      transport_(transport),
      pages_(pages),
      playback_(playback),
      settings_(settings) {
  timerRootFlash_.setInterval(settings.fretlight.rootSpeed);
  timerUserFlashingNote_.setInterval(kNoteFlashMs);
  connect(&timerRootFlash_, &QTimer::timeout, this, &RootFlash::timerRootFlashTimer);
  connect(&timerUserFlashingNote_, &QTimer::timeout, this, &RootFlash::timerUserFlashingNoteTimer);
  connect(&transport_, &Transport::stateChanged, this, &RootFlash::transportChanged);
  // "Show Fretlight Rootnote" may be down from the last run before any guitar was there.
  connect(&link_, &FretlightLink::presenceChanged, this, [this](bool present) {
    if (present && sbtnRootFlash_->isChecked() && !transport_.IsPlayingOrBusy()) timerRootFlash_.start();
  });
}

void RootFlash::sbtnRootFlashClick() {
  timerRootFlash_.start();
}

void RootFlash::timerRootFlashTimer() {
  if (!link_.present()) {
    timerRootFlash_.stop();
    sbtnRootFlash_->setChecked(false);
    return;
  }
  if (pages_.isActive(PageId::Tablature) || pages_.isActive(PageId::PlayPage)) return;
  LedFrame& board = link_.boardLeds();
  const bool flashing = sbtnRootFlash_->isChecked();
  for (auto& fret : board.cells)
    for (LedCell& cell : fret)
      if (cell.root != 0) cell.lit = flashing ? static_cast<std::uint8_t>(cell.lit == 0) : 1;
  link_.SendLeds(board);
  if (!flashing) timerRootFlash_.stop();
}

void RootFlash::timerUserFlashingNoteTimer() {
  if (settings_.fretlight.flashStop) link_.timerFootSwitchTimer();
  LedFrame frame = playback_.playLeds();
  const int fret = playback_.lastFret();
  const int string = playback_.lastString();
  noteInverted_ = !noteInverted_;
  if (noteInverted_ && fret >= 0 && fret < kLedFrets && string >= 0 && string < 6) {
    LedCell& cell = frame.cells[static_cast<std::size_t>(fret)][static_cast<std::size_t>(string)];
    cell.lit = static_cast<std::uint8_t>(cell.lit == 0);
  }
  link_.SendLeds(frame);
}

void RootFlash::transportChanged() {
  const bool playing = transport_.playing();
  if (playing == wasPlaying_) return;
  wasPlaying_ = playing;
  if (playing) {
    timerRootFlash_.stop();
    // The play page animates its own way; a single chord or scale flashes its newest note.
    const bool single = !pages_.isActive(PageId::PlayPage) && !pages_.isActive(PageId::Tablature);
    if (single && settings_.fretlight.flashNote && link_.present()) timerUserFlashingNote_.start();
    return;
  }
  timerUserFlashingNote_.stop();
  if (sbtnRootFlash_->isChecked()) timerRootFlash_.start();
}

}  // namespace strumly::gui
