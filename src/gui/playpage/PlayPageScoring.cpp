#include "gui/playpage/PlayPageScoring.h"

#include <QCheckBox>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "core/app/AppSettings.h"
#include "core/practice/LiveScoring.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageImage.h"
#include "gui/listen/AudioFeed.h"
#include "gui/playpage/PlayPageCanvas.h"

namespace strumly::gui {
namespace {

// Longer than the sound the last strum's verdict waits for (its window and a second after it).
constexpr int kEndWaitMs = 4000;

}  // namespace

PlayPageScoring::PlayPageScoring(AudioFeed& audio, const AppSettings& settings, const NoteSpelling& spelling,
                                 PlayPageCanvas& canvas, PageImage& image, QLabel& summary, QObject* parent)
    : QObject(parent),
      audio_(audio),
      settings_(settings),
      spelling_(spelling),
      canvas_(canvas),
      image_(image),
      summary_(summary),
      mute_(new QCheckBox(tr("Mute the guitar while I play"))) {
  mute_->setObjectName("cbMuteGuitar");
  mute_->setChecked(true);
  mute_->setToolTip(tr("While Listen scores your playing, the program plays only the bass and the click"));
  endWait_.setSingleShot(true);
  endWait_.setInterval(kEndWaitMs);
  connect(&endWait_, &QTimer::timeout, this, [this] {
    if (ending_) finishTake(false);
  });
  connect(&audio_, &AudioFeed::stopped, this, [this](QObject* holder, const QString& lostReason) {
    if (holder != this) return;
    if (takeRunning()) finishTake(true);
    scorer_.reset();
    showMuteState();
    if (!stopping_) Q_EMIT ended(lostReason);
  });
  showMuteState();
}

PlayPageScoring::~PlayPageScoring() {
  stopping_ = true;
  audio_.stop(this);
  // Placed on the page it belongs to the page; otherwise it is ours.
  if (mute_ && !mute_->parent()) delete mute_;
}

bool PlayPageScoring::listen(bool on) {
  if (!on) {
    stopping_ = true;
    audio_.stop(this);
    stopping_ = false;
    return true;
  }
  if (!audio_.start(this, settings_.listen.input, [this](const float* s, std::size_t n) { samples(s, n); }))
    return false;
  scorer_ = std::make_unique<LiveScorer>(audio_.sampleRate(), settings_.listen.clampedA4());
  showMuteState();
  return true;
}

bool PlayPageScoring::listening() const {
  return scorer_ != nullptr && audio_.holder() == this;
}

QString PlayPageScoring::error() const {
  return audio_.error();
}

QCheckBox* PlayPageScoring::muteBox() const {
  return mute_;
}

bool PlayPageScoring::mutesGuitar() const {
  return listening() && mute_ && mute_->isChecked();
}

void PlayPageScoring::showMuteState() {
  // The synth's part is fixed when Play starts, so the box only changes between takes.
  if (mute_) mute_->setEnabled(listening() && !taking_);
}

void PlayPageScoring::clear() {
  for (int slot : markedSlots_) canvas_.drawVerdictMark(SlotPos::of(slot), std::nullopt);
  markedSlots_.clear();
  scores_.clear();
  summary_.clear();
  summary_.setAccessibleDescription({});
  summary_.hide();
  image_.refresh();
}

void PlayPageScoring::takeStarted() {
  if (ending_) finishTake(false);
  clear();
  if (!listening()) return;
  ScoreWindow window;
  window.latencyMs = settings_.listen.clampedLatencyMs();
  scorer_->newTake(window);
  taking_ = true;
  summary_.setText(tr("Listening: play along"));
  summary_.show();
  showMuteState();
}

void PlayPageScoring::strumDue(int slot, const ChordDiagram& chord, TimeSignature signature) {
  if (!taking_ || !scorer_) return;
  // A slot with no string played asks for no strum (as in a recorded take's scoring).
  if (std::all_of(chord.pitches.begin(), chord.pitches.end(), [](PitchNumber p) { return p == 0; })) return;
  scorer_->strumDue(slotStrum(chord, slot, signature, spelling_.names()), scorer_->heard());
}

void PlayPageScoring::takeEnded(bool cutShort) {
  if (!taking_) return;
  taking_ = false;
  showMuteState();
  if (cutShort || !scorer_ || !scorer_->waiting()) return finishTake(cutShort);
  // The last strums' windows are still to be heard.
  ending_ = true;
  endWait_.start();
}

void PlayPageScoring::samples(const float* s, std::size_t n) {
  if (!scorer_) return;
  scorer_->hear(s, n);
  if (!takeRunning()) return;
  show(scorer_->judgeReady());
  if (ending_ && !scorer_->waiting()) finishTake(false);
}

void PlayPageScoring::finishTake(bool cutShort) {
  if (scorer_) show(scorer_->finish(cutShort));
  taking_ = false;
  ending_ = false;
  endWait_.stop();
  showMuteState();
  summary_.setText(summary());
  summary_.show();
}

QString PlayPageScoring::summary() const {
  if (scores_.empty()) return tr("No chord was due while listening");
  const ScoreTally tally = tallyScores(scores_);
  const QString counts = tally.total == 1 ? tr("%1 of 1 chord right, %2 partly, %3 missed")
                                                .arg(tally.right)
                                                .arg(tally.partly)
                                                .arg(tally.missed)
                                          : tr("%1 of %2 chords right, %3 partly, %4 missed")
                                                .arg(tally.right)
                                                .arg(tally.total)
                                                .arg(tally.partly)
                                                .arg(tally.missed);
  if (!tally.averageMs) return counts;
  const long average = *tally.averageMs;
  return average == 0  ? tr("%1; on average on the beat").arg(counts)
         : average > 0 ? tr("%1; on average %2 ms late").arg(counts).arg(average)
                       : tr("%1; on average %2 ms early").arg(counts).arg(-average);
}

QString PlayPageScoring::verdictWords(const StrumScore& score) const {
  const QString where = QString("%1.%2 %3")
                            .arg(score.strum.measure)
                            .arg(score.strum.slotInMeasure)
                            .arg(QString::fromStdString(score.strum.chord));
  const long offset = std::lround(score.offsetMs);
  switch (score.verdict) {
    case StrumVerdict::Right:
      return offset == 0  ? tr("%1: right, on the beat").arg(where)
             : offset > 0 ? tr("%1: right, %2 ms late").arg(where).arg(offset)
                          : tr("%1: right, %2 ms early").arg(where).arg(-offset);
    case StrumVerdict::Partly:
      return offset == 0  ? tr("%1: partly right, on the beat").arg(where)
             : offset > 0 ? tr("%1: partly right, %2 ms late").arg(where).arg(offset)
                          : tr("%1: partly right, %2 ms early").arg(where).arg(-offset);
    case StrumVerdict::Missed:
      break;
  }
  return tr("%1: missed").arg(where);
}

void PlayPageScoring::show(const std::vector<StrumScore>& judged) {
  if (judged.empty()) return;
  for (const StrumScore& score : judged) {
    scores_.push_back(score);
    canvas_.drawVerdictMark(SlotPos::of(score.strum.slot), score.verdict);
    markedSlots_.push_back(score.strum.slot);
  }
  image_.refresh();
  // The marks are painted; the line above the page says the latest in words for a screen reader,
  // and its description keeps every verdict of the take.
  const QString latest = verdictWords(scores_.back());
  summary_.setText(latest);
  QStringList all;
  for (const StrumScore& score : scores_) all << verdictWords(score);
  summary_.setAccessibleDescription(all.join("; "));
}

}  // namespace strumly::gui
