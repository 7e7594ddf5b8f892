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

#include "core/app/AppSettings.h"
#include "core/app/PageRules.h"
#include "core/listen/HeardEvents.h"
#include "core/pages/DiagramRecords.h"
#include "core/pages/PageHolders.h"
#include "core/practice/ChordCheckListener.h"
#include "core/practice/ListenCheck.h"
#include "gui/listen/ListenOverlays.h"

class QLabel;

namespace strumly::gui {

class AudioFeed;
class BottomPanel;
class DialogService;
class Fretboard;
class KeyboardView;
class ListenSession;
class NoteSpelling;
class PageList;
class PlayPageScoring;
class ScalesPage;
class TfrmMain;
class THemisphereButton;
class ToolPanel;
class Transport;

class ListenOnPages : public QObject {
  Q_OBJECT
 public:
  // What listening on the pages reads, marks and answers to.
  struct Parts {
    TfrmMain& window;  // its command table holds Listen; the lost-input notice's parent
    KeyboardView* keyboard;
    ToolPanel& tools;
    BottomPanel& bottom;
    Transport& transport;
    PageList& pages;
    const PageHolders& holders;  // the targets: the pages' chords and the scale
    const Fretboard& fretboard;
    const NoteSpelling& spelling;
    AppSettings& settings;  // the tuner keeps its A4 there
    AudioFeed& audio;
    DialogService& dialogs;
    const ScalesPage& scales;
    PlayPageScoring& scoring;  // the Play page's: Listen there scores each Play
  };
  explicit ListenOnPages(Parts parts);
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
  void chordHeard(const CheckedStrum& strum);
  void noteHeard(const HeardNote& note);
  void ended(const QString& lostReason);
  void finish();
  // The chord on the neck of the page listened on.
  const ChordDiagram& targetChord() const;
  // Its note on each string, all 0 when the page shows none.
  std::array<PitchNumber, kStringCount> targetPitches() const;
  void showMarks(std::vector<NeckMarks::Mark> marks);
  void showTargetChord(const ChordCheck* check);
  void showScalePlaces();
  void showScaleProgress();
  void enableForPage();

  Parts parts_;
  ListenSession* session_;
  THemisphereButton* button_;
  QLabel* readout_;
  NeckMarks* neck_;
  KeyMarks* keys_;
  QTimer flash_;                // a wrong scale note's red on the keyboard
  std::optional<PageId> page_;  // the page listened on; none: not listening
  ScalePractice practice_;
};

}  // namespace strumly::gui
