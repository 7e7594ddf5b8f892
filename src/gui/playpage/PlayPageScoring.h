#pragma once
// Play-along scoring on the PlayPage. With Listen down the input is heard from then on; each Play
// is a take: every chord slot the song reaches is judged from what the input heard around its
// beat (the same rules as `--score`), and its verdict shows as a small mark under its diagram,
// green right, amber partly, red missed. When the song ends or is stopped the page shows the
// summary ("18 of 20 chords right, 1 partly, 1 missed; on average 22 ms late"). The next Play
// clears the marks. While listening, "Mute the guitar while I play" leaves the synth only the
// bass and the click, so the microphone hears the student rather than the program.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

#include "core/playpage/PlayPageData.h"
#include "core/practice/PlayAlongScorer.h"

class QCheckBox;
class QLabel;

namespace strumly {
struct AppSettings;
class LiveScorer;
}  // namespace strumly

namespace strumly::gui {

class AudioFeed;
class NoteSpelling;
class PlayPageCanvas;
class PageImage;

class PlayPageScoring : public QObject {
  Q_OBJECT
 public:
  PlayPageScoring(AudioFeed& audio, const AppSettings& settings, const NoteSpelling& spelling,
                  PlayPageCanvas& canvas, PageImage& image, QLabel& summary, QObject* parent = nullptr);
  ~PlayPageScoring() override;

  // Listen down (true) or up. False, with the reason in `error()`, when the input cannot start.
  bool listen(bool on);
  bool listening() const;
  QString error() const;

  // "Mute the guitar while I play": checked at first; it counts only while listening.
  QCheckBox* muteBox() const;
  bool mutesGuitar() const;

  // Play on the page while listening: a new take, the marks of the last one gone.
  void takeStarted();
  // The song reached a filled slot: its strum is due now.
  void strumDue(int slot, const ChordDiagram& chord, TimeSignature signature);
  // The song ended (`cutShort` false: the last strums are judged once their windows are heard)
  // or was stopped (strums whose window was cut off are left out).
  void takeEnded(bool cutShort);
  bool takeRunning() const { return taking_ || ending_; }

  // The verdicts of the take so far, in playing order; the summary once it ended.
  const std::vector<StrumScore>& scores() const { return scores_; }
  QString summary() const;
  // The marks and the summary go (a new song, an erased page).
  void clear();

 Q_SIGNALS:
  // Listening ended by anything but `listen(false)`: the input taken over or lost (`lostReason`).
  void ended(const QString& lostReason);

 private:
  void samples(const float* s, std::size_t n);
  void show(const std::vector<StrumScore>& judged);
  void finishTake(bool cutShort);
  void showMuteState();
  QString verdictWords(const StrumScore& score) const;

  AudioFeed& audio_;
  const AppSettings& settings_;
  const NoteSpelling& spelling_;
  PlayPageCanvas& canvas_;
  PageImage& image_;
  QLabel& summary_;
  QPointer<QCheckBox> mute_;
  std::unique_ptr<LiveScorer> scorer_;
  std::vector<StrumScore> scores_;
  std::vector<int> markedSlots_;
  QTimer endWait_;  // an input that stops delivering must not keep the summary back
  bool taking_ = false;
  bool ending_ = false;
  bool stopping_ = false;
};

}  // namespace strumly::gui
