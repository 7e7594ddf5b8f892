#pragma once
// The Chord Design page: chords fingered on the fretboard, collected as six designs. The chord
// being designed (`designChord`) lives in the page holders of the main window; this page edits it
// through its fret controls, moves it with a new tuning and keeps its intervals, formula and
// staff in step. Whoever shows chords (the fretboard) redraws it when `designChanged` arrives.
// Below the controls stand the design group (six collected designs, the page's document, .cds)
// and the chord search.
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/app/AppSettings.h"
#include "core/pages/DiagramRecords.h"
#include "core/theory/Intervals.h"
#include "gui/common/Page.h"
#include "gui/common/TuningTakeOver.h"

class QComboBox;
class QToolButton;

namespace strumly::gui {

class ChordSearchPanel;
class DesignGroupView;
class FretControls;
class TNvStaffBox;

class ChordDesignPage : public QWidget, public Page, public PageDocument, public TuningTakeOver {
  Q_OBJECT
 public:
  explicit ChordDesignPage(ChordDiagram& designChord, QWidget* parent = nullptr);

  // The page contract. Entering shows the design (with the interval display when it is down).
  PageId pageId() const override { return PageId::ChordDesign; }
  QString title() const override { return tr("Chord Design"); }
  QWidget* pageWidget() override { return this; }
  void entered() override { Q_EMIT designChanged(); }
  void handChanged() override;
  QAbstractScrollArea* scrollArea() const override;
  QWidget* placementImage() const override;
  void startPlacement() override;
  void dropPlacement() override;
  void SelectNextDiagram() override;
  PageDocument* document() override { return group_ ? this : nullptr; }
  TuningTakeOver* tuningTakeOver() override { return this; }
  PagePlayer* player() override { return player_; }
  // Play plays the design. The player comes after the page: it sounds through the fretboard,
  // which is built on the page.
  void setPlayer(PagePlayer* player) { player_ = player; }
  // The interval display owns the neck while it is down.
  std::optional<ChordDiagram> arpeggioChord() const override;
  QList<QWidget*> typingWidgets() const override;
  // 1..4 and P typed on this page press the finger buttons.
  void pressFinger(FingerButton finger);

  // The search and the design group come with the parts they need once those exist; they stand
  // under the fret controls.
  void attachGroup(ChordSearchPanel* search, DesignGroupView* group);
  ChordSearchPanel* searchPanel() const { return search_; }
  DesignGroupView* groupView() const { return group_; }
  // A slot of the group became the design: root and bass steppers, fret edits and the fretboard
  // follow it.
  void designSelected();
  // An opened group shows its design without the interval display.
  void releaseIntervalDisplay();

  // The design group's document (.cds).
  void erase() override;
  bool openWithPrompt() override;
  QStringList handedOverExtensions() const override { return {".cds"}; }
  bool openHandedFile(const QString& path) override;
  bool save(bool alwaysAsk) override;
  QString fileName() const override;
  QList<ClosingDocument> closingDocuments() override;

  const ChordDiagram& designChord() const { return designChord_; }
  ChordDiagram& designChord() { return designChord_; }
  void setDesignChord(const ChordDiagram& chord) { designChord_ = chord; }
  FretControls* fretControls() const { return fretControls_; }
  TNvStaffBox* staffBox() const { return StaffBox_; }
  // The chord-type list: the built-in types, then the user's own (FormCreate fills it).
  QComboBox* chordTypeBox() const { return ComboBox1_; }
  // "Show Intervals": one chord type laid over the whole neck for the current root.
  QToolButton* displayIntervalsButton() const { return sbDisplayIntervals_; }
  // Fills the chord-type list with the built-in types and then these user types; nothing is
  // selected afterwards, so the list's text is empty.
  void setUserChordTypes(const std::vector<UserChordType>& userTypes);
  // Which intervals are written compound (9 for 2 ...), for the whole run.
  CompoundFlags& compoundFlags() { return compoundFlags_; }

  // An empty design only changes the controls; a design moves its sounding strings with the
  // tuning (muted strings stay 0) and then takes its intervals and formula again.
  void takeOverTuning(const Tuning& tuning, const QString& tuningName) override;
  // A press on the neck while this page is active: the fret controls apply it to the design.
  bool neckPressed(const Tuning& tuning, const QString& tuningName, int string, int fret,
                   Qt::MouseButton button);
  // A fret edit that was left, applied as a left press at that string and fret.
  bool fretEdited(const Tuning& tuning, const QString& tuningName, int string, std::optional<int> fret);
  // udRootMouseUp: the intervals are counted from the new root.
  void rootReleased();
  // The clicked interval label's simple interval switches between its simple and compound
  // spelling (b3 and #9); false, with nothing changed, for one that has no compound name.
  bool switchCompound(int simple);

  // The formula of a design: its interval names in slot order, each followed by one blank.
  static std::string formulaOf(const ChordDiagram& chord);

 Q_SIGNALS:
  // The design's pitches moved with a new tuning.
  void designRetuned();
  // Intervals and formula are fresh: the fretboard (and with it the staff) must show the design.
  void designChanged();
  // udBassClick names the chord with its bass ("C maj /E").
  void chordNameShown(const QString& text);
  // The interval display of an empty design was redrawn for a new tuning that keeps this name.
  void tuningNameKept(const QString& tuningName);

 private:
  void refreshDesign();
  void bassChanged(int bass);

  ChordDiagram& designChord_;
  FretControls* fretControls_;
  TNvStaffBox* StaffBox_;
  QComboBox* ComboBox1_;
  QToolButton* sbDisplayIntervals_;
  ChordSearchPanel* search_ = nullptr;
  DesignGroupView* group_ = nullptr;
  QWidget* content_;  // everything the page shows, inside a scroll box of its own
  PagePlayer* player_ = nullptr;
  CompoundFlags compoundFlags_;
};

}  // namespace strumly::gui
