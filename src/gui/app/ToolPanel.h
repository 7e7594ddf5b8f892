#pragma once
// The tool panel `pnlTop`: file and print buttons, the transport, the play-page buttons, tempo
// and strum speed, the fretboard toggles, the Fretlight controls and the Show Chords fields.
// Each button runs a command of the shell's table (declared here with its busy rule; its owner
// gives the handler), and the transport's buttons and tempo controls show the transport's state
// from its signals.
#include <QFrame>
#include <QPointer>
#include <QString>
#include <array>

#include "core/app/AppSettings.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace strumly::gui {

class CommandTable;
class Transport;
class UpDown;

class ToolPanel : public QFrame {
  Q_OBJECT
 public:
  // The tool buttons, under the names the program's handlers are known by.
  struct Buttons {
    QToolButton* sbtnOpen = nullptr;
    QToolButton* sbtnSave = nullptr;
    QToolButton* sbtnErase = nullptr;
    QToolButton* sbtnPrintPage = nullptr;
    QToolButton* sbtnPlay = nullptr;
    QToolButton* sbtnPause = nullptr;
    QToolButton* sbtnStop = nullptr;
    QToolButton* sbtnStep = nullptr;
    QToolButton* sbtnLoop = nullptr;
    QToolButton* sbtnCount = nullptr;
    QToolButton* sbtnClick = nullptr;
    QToolButton* sbtnTime = nullptr;
    QToolButton* sbtnUndo = nullptr;
    QToolButton* sbtnBassNote = nullptr;
    QToolButton* sbtnLeftHanded = nullptr;
    QToolButton* sbtnFlip = nullptr;
    QToolButton* sbShowArp = nullptr;
    QToolButton* sbtnShowFullScale = nullptr;
    QToolButton* sbtnRootPlay = nullptr;
    QToolButton* sbtnRootFlash = nullptr;
    QToolButton* sbtnFLAnimate = nullptr;
    std::array<QToolButton*, 4> sbtnPage{};  // sbtnPage1..4
  };

  explicit ToolPanel(QWidget* parent = nullptr);

  const Buttons& buttons() const { return buttons_; }
  QScrollBar* strumSpeed() const { return sbStrumSpeed_; }
  QLineEdit* tempoEdit() const { return meditTempoMain_; }
  UpDown* tempoUpDown() const { return UpDownTempo_; }
  QLineEdit* chordRootEdit() const { return editChordRoot_; }
  QLineEdit* chordNameEdit() const { return editChordName_; }
  QPushButton* showChordsButton() const { return btnShowChords_; }
  QLabel* footSwitchPicture() const { return imgFootSwitch_; }
  QLabel* leftSwitchLabel() const { return lblLSw_; }
  QLabel* rightSwitchLabel() const { return lblRSw_; }

  // Declares the buttons' commands in the shell's table (the ids are the buttons' names, plus
  // "imgFootSwitch" for the switch picture) and binds each button to its command.
  void declareCommands(CommandTable& commands);
  // The transport's buttons run its handlers and show its state; the tempo edit and up-down
  // hand it the tempo the user sets and show the one it has.
  void bindTransport(Transport& transport, CommandTable& commands);
  // The tempo edit was left: empty is 100, the value is clamped to 10..250.
  void meditTempoMainExit();
  void UpDownTempoMouseUp();

  // Shows or hides the Fretlight controls (shown only while a guitar is attached).
  void setFretlightVisible(bool visible);
  // Puts Listen's button beside the fretboard toggles of the second row.
  void addListenButton(QWidget* button);
  // The values of the settings file the panel shows, and back at shutdown.
  void applySettings(const AppSettings& settings);
  void collectSettings(AppSettings& settings) const;

 Q_SIGNALS:
  void mouseMoved();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showTransport();
  QToolButton* makeButton(const QString& name, const QString& hint, const QString& text, bool toggle);

  Buttons buttons_;
  QScrollBar* sbStrumSpeed_;
  QLineEdit* meditTempoMain_;
  UpDown* UpDownTempo_;
  QLineEdit* editChordRoot_;
  QLineEdit* editChordName_;
  QPushButton* btnShowChords_;
  QLabel* imgFootSwitch_;
  QLabel* lblLSw_;
  QLabel* lblRSw_;
  QFrame* fretlightSeparator_ = nullptr;
  QHBoxLayout* secondRow_;
  QPointer<Transport> transport_;
};

}  // namespace strumly::gui
