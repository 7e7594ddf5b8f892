#pragma once
// The tool panel `pnlTop`: file and print buttons, the transport, the play-page buttons, tempo
// and strum speed, the fretboard toggles, the Fretlight controls and the Show Chords fields.
// The panel only holds the controls; each command's owner connects to the control it needs
// (found by its name, e.g. toolPanel->button("sbtnPlay")).
#include <QFrame>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace strumly::gui {

class UpDown;

class ToolPanel : public QFrame {
  Q_OBJECT
 public:
  explicit ToolPanel(QWidget* parent = nullptr);

  // Any tool button by name ("sbtnOpen", "sbtnPlay", "sbShowArp", ...); nullptr when unknown.
  QToolButton* button(const QString& name) const;
  QScrollBar* strumSpeed() const { return sbStrumSpeed_; }
  QLineEdit* tempoEdit() const { return meditTempoMain_; }
  UpDown* tempoUpDown() const { return UpDownTempo_; }
  QLineEdit* chordRootEdit() const { return editChordRoot_; }
  QLineEdit* chordNameEdit() const { return editChordName_; }
  QPushButton* showChordsButton() const { return btnShowChords_; }
  QLabel* footSwitchPicture() const { return imgFootSwitch_; }
  QLabel* leftSwitchLabel() const { return lblLSw_; }
  QLabel* rightSwitchLabel() const { return lblRSw_; }

  // Shows or hides the Fretlight controls (shown only while a guitar is attached).
  void setFretlightVisible(bool visible);
  // Sets the tempo read-out and up-down together.
  void showTempo(int beatsPerMinute);

 Q_SIGNALS:
  void mouseMoved();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QToolButton* makeButton(const QString& name, const QString& hint, const QString& text, bool toggle);

  QScrollBar* sbStrumSpeed_;
  QLineEdit* meditTempoMain_;
  UpDown* UpDownTempo_;
  QLineEdit* editChordRoot_;
  QLineEdit* editChordName_;
  QPushButton* btnShowChords_;
  QLabel* imgFootSwitch_;
  QLabel* lblLSw_;
  QLabel* lblRSw_;
};

}  // namespace strumly::gui
