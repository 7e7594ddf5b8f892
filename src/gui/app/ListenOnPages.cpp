#include "gui/app/ListenOnPages.h"

#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>

#include "core/scales/ScalePositions.h"
#include "gui/app/BottomPanel.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ToolPanel.h"
#include "gui/common/Command.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageList.h"
#include "gui/controls/THemisphereButton.h"
#include "gui/listen/AudioFeed.h"
#include "gui/listen/ListenOverlays.h"
#include "gui/listen/ListenSession.h"
#include "gui/playback/Transport.h"
#include "gui/playpage/PlayPage.h"
#include "gui/playpage/PlayPageScoring.h"
#include "gui/scales/ScalesPage.h"
#include "gui/views/Fretboard.h"
#include "gui/views/KeyboardView.h"

namespace strumly::gui {
namespace {

constexpr int kWrongFlashMs = 600;

bool listensOn(std::optional<PageId> page) {
  return page == PageId::Chords || page == PageId::ChordDesign || page == PageId::Scales ||
         page == PageId::PlayPage;
}

}  // namespace

ListenOnPages::ListenOnPages(Parts parts)
    : parts_(parts),
      session_(new ListenSession(parts.audio, parts.settings, this)),
      button_(new THemisphereButton(&parts.tools)),
      readout_(new QLabel),
      neck_(new NeckMarks(parts.bottom.fretboard())),
      keys_(new KeyMarks(parts.keyboard)) {
  button_->setObjectName("hemiListen");
  button_->setCaption(tr("Listen"));
  button_->setFixedSize(64, 22);
  button_->setGroupIndex(19);
  button_->setAllowAllUp(true);
  parts_.tools.addListenButton(button_);
  readout_->setObjectName("lblListen");
  readout_->hide();
  parts_.bottom.addUnderFretboard(readout_);
  flash_.setSingleShot(true);
  flash_.setInterval(kWrongFlashMs);
  connect(&flash_, &QTimer::timeout, keys_, [this] { keys_->showWrong(0); });
  // Listen going down is a command of the shell's table, which refuses it while playing or busy;
  // going up always ends listening.
  Command listen;
  listen.id = "hemiListen";
  listen.caption = tr("Listen");
  listen.handler = [this] { listenToggled(true); };
  parts_.window.commands().add(std::move(listen));
  connect(button_, &THemisphereButton::mouseReleased, this, [this] {
    if (!button_->down()) return listenToggled(false);
    if (!parts_.window.commands().run("hemiListen")) finish();
  });
  connect(session_, &ListenSession::chordHeard, this, &ListenOnPages::chordHeard);
  session_->setTargetSource([this] { return targetPitches(); });
  connect(session_, &ListenSession::noteHeard, this, &ListenOnPages::noteHeard);
  connect(session_, &ListenSession::ended, this, &ListenOnPages::ended);
  connect(&parts_.scoring, &PlayPageScoring::ended, this, &ListenOnPages::ended);
  // Listening and playback share the moment only on the Play page, where Play with Listen down
  // scores the song: elsewhere Play ends listening.
  connect(&parts_.transport, &Transport::stateChanged, this, [this] {
    if (parts_.transport.playing() && listening() && page_ != PageId::PlayPage) listenToggled(false);
  });
  connect(parts_.pages.pageControl(), &QTabWidget::currentChanged, this, [this] {
    if (listening()) listenToggled(false);
    enableForPage();
  });
}

ListenOnPages::~ListenOnPages() = default;

void ListenOnPages::start() {
  enableForPage();
}

void ListenOnPages::enableForPage() {
  const AudioFeed& audio = parts_.audio;
  const bool page = listensOn(parts_.pages.currentId());
  button_->setEnabled(audio.available() && page);
  const bool playPage = parts_.pages.currentId() == PageId::PlayPage;
  button_->setToolTip(!audio.available() ? audio.unavailableReason()
                      : playPage ? tr("Listen: press Play and play along; each chord of the song is marked")
                      : page     ? tr("Listen: marks what you play against the chord or scale shown")
                                 : tr("Listen works on the Chords, Chord Design, Scales and PlayPage pages"));
  parts_.scoring.muteBox()->setVisible(audio.available());
}

void ListenOnPages::listenToggled(bool on) {
  if (!on) {
    session_->stop();
    finish();
    return;
  }
  const std::optional<PageId> page = parts_.pages.currentId();
  if (!listensOn(page)) return finish();
  if (page == PageId::PlayPage) {
    if (!parts_.scoring.listen(true)) {
      readout_->setText(parts_.scoring.error());
      readout_->show();
      button_->setDown(false);
      return;
    }
    page_ = page;
    button_->setDown(true);
    readout_->setText(tr("Listening: press Play and play along"));
    readout_->show();
    return;
  }
  const bool scales = page == PageId::Scales;
  if (!session_->start(scales ? ListenSession::Ear::Notes : ListenSession::Ear::Chords)) {
    readout_->setText(session_->error());
    readout_->show();
    button_->setDown(false);
    return;
  }
  page_ = page;
  button_->setDown(true);
  readout_->show();
  if (scales) {
    showScalePlaces();
  } else {
    showTargetChord(nullptr);
  }
}

const ChordDiagram& ListenOnPages::targetChord() const {
  return page_ == PageId::ChordDesign ? parts_.holders.designChord : parts_.holders.chordPageChord;
}

std::array<PitchNumber, kStringCount> ListenOnPages::targetPitches() const {
  const ChordDiagram& shown = targetChord();
  return shown.isEmpty() ? std::array<PitchNumber, kStringCount>{} : shown.pitches;
}

void ListenOnPages::showMarks(std::vector<NeckMarks::Mark> marks) {
  neck_->showMarks(std::move(marks), parts_.fretboard.leftHanded() ? Hand::Left : Hand::Right);
}

void ListenOnPages::showTargetChord(const ChordCheck* check) {
  const ChordDiagram& target = targetChord();
  std::vector<NeckMarks::Mark> marks;
  for (int s = 0; s < kStringCount; ++s) {
    if (target.isEmpty() || target.pitches[static_cast<std::size_t>(s)] == 0) continue;
    const bool heard = check && check->strings[static_cast<std::size_t>(s)] == StringMark::Heard;
    marks.push_back({s, target.strings[static_cast<std::size_t>(s)].fret, heard});
  }
  const bool noTarget = marks.empty();
  showMarks(std::move(marks));
  if (!check) {
    readout_->setText(noTarget && page_ == PageId::ChordDesign ? tr("Listening: strum a chord")
                                                               : tr("Listening: strum the chord"));
  }
}

void ListenOnPages::chordHeard(const CheckedStrum& strum) {
  if (!page_ || *page_ == PageId::Scales) return;
  const HeardChord& chord = strum.heard;
  const std::array<PitchNumber, kStringCount> target = targetPitches();
  const bool noTarget = target == std::array<PitchNumber, kStringCount>{};
  const NoteNames names = parts_.spelling.names();
  if (noTarget) {
    neck_->clear();
    keys_->showWrong(0);
    readout_->setText(coreText(heardChordText(chord.name, chord.pitchClasses, names)));
    return;
  }
  // The session judged the strum against the chord shown as the sound came in; a strum judged
  // before any target was known is held against the set heard blind.
  const ChordCheck check = strum.check ? *strum.check : checkChord(target, chord.pitchClasses);
  showTargetChord(&check);
  keys_->showWrong(check.extra);
  readout_->setText(coreText(chordCheckText(check, names)));
}

void ListenOnPages::showScalePlaces() {
  const ScaleDiagram& scale = parts_.holders.currentScale;
  std::vector<NotePlace> places;
  if (!scale.isEmpty()) {
    const FretRange frets =
        positionFrets(parts_.scales.shownBeginFret(), clampScaleSpan(parts_.settings.scaleFrets));
    for (const ScaleNote& n : scaleNotes(scale, frets))
      places.push_back({n.string, n.fret, scale.tuning[static_cast<std::size_t>(n.string)] + n.fret});
  }
  practice_ = ScalePractice(std::move(places), scalePitchClasses(scale));
  showScaleProgress();
}

void ListenOnPages::showScaleProgress() {
  std::vector<NeckMarks::Mark> marks;
  for (int i = 0; i < practice_.total(); ++i) {
    const NotePlace& p = practice_.places()[static_cast<std::size_t>(i)];
    marks.push_back({p.string, p.fret, practice_.isPlayed(i)});
  }
  showMarks(std::move(marks));
  readout_->setText(coreText(practice_.progressText()));
}

void ListenOnPages::noteHeard(const HeardNote& note) {
  if (page_ != PageId::Scales) return;
  const ScalePractice::Outcome outcome = practice_.hear(note.midi);
  if (outcome.verdict == ScalePractice::Verdict::Wrong) {
    keys_->showWrong(static_cast<std::uint16_t>(1u << pitchClassOf(note.midi)));
    flash_.start();
  }
  showScaleProgress();
}

void ListenOnPages::ended(const QString& lostReason) {
  const bool was = listening();
  finish();
  // As with a lost MIDI output: one notice, and the program goes on.
  if (was && !lostReason.isEmpty())
    parts_.dialogs.notice(&parts_.window,
                          tr("The audio input was lost (%1). Listening stopped.").arg(lostReason));
}

void ListenOnPages::finish() {
  if (page_ == PageId::PlayPage) parts_.scoring.listen(false);
  page_.reset();
  button_->setDown(false);
  flash_.stop();
  neck_->clear();
  keys_->showWrong(0);
  readout_->clear();
  readout_->hide();
}

}  // namespace strumly::gui
