#pragma once
// The "Listen" button and what it does on the pages. On the Chords and Chord Design pages the
// chord on the neck is the target: at each strum its heard notes turn green, the others stay
// grey, heard notes outside it turn red on the keyboard, and a line under the neck reads "Right",
// "Missing B" or "Extra F#"; a Chord Design page with no chord names what it heard. On the Scales
// page the selected position is the target and the line counts the notes played. Play, another
// page or the input going away end listening; listening never sends MIDI. On the PlayPage Listen
// stays down through Play: each take is scored there (PlayPageScoring).
#include <QObject>
#include <QTimer>
#include <optional>

#include "core/app/PageRules.h"
#include "core/listen/HeardEvents.h"
#include "core/pages/DiagramRecords.h"
#include "core/practice/ListenCheck.h"
#include "gui/listen/ListenOverlays.h"

class QLabel;

namespace strumly::gui {

class ListenSession;
class PlayPageScoring;
class ProgramParts;
class ScalesPage;
class THemisphereButton;

class ListenOnPages : public QObject {
  Q_OBJECT
 public:
  ListenOnPages(ProgramParts& parts, ScalesPage& scales);
  ~ListenOnPages() override;

  // Start-up, once the input was looked for: without one the button is off and says why.
  void start();
  // The button went down or up.
  void listenToggled(bool on);
  bool listening() const { return page_.has_value(); }

  THemisphereButton* button() const { return button_; }
  QLabel* readout() const { return readout_; }
  const NeckMarks& neckMarks() const { return *neck_; }
  const KeyMarks& keyMarks() const { return *keys_; }

 private:
  void chordHeard(const HeardChord& chord);
  void noteHeard(const HeardNote& note);
  void ended(const QString& lostReason);
  void finish();
  // The chord on the neck of the page listened on.
  const ChordDiagram& targetChord() const;
  void showMarks(std::vector<NeckMarks::Mark> marks);
  void showTargetChord(const ChordCheck* check);
  void showScalePlaces();
  void showScaleProgress();
  void enableForPage();

  ProgramParts& parts_;
  ScalesPage& scales_;
  ListenSession* session_;
  PlayPageScoring* scoring_;  // the Play page's: Listen there scores each Play
  THemisphereButton* button_;
  QLabel* readout_;
  NeckMarks* neck_;
  KeyMarks* keys_;
  QTimer flash_;                // a wrong scale note's red on the keyboard
  std::optional<PageId> page_;  // the page listened on; none: not listening
  ScalePractice practice_;
};

}  // namespace strumly::gui
