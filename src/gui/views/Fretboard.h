#pragma once
// The fretboard controller: the one way a chord reaches the neck, the keyboard, the chord
// read-outs, the staff and the LED frame (RedrawFretboard), the arpeggio display, the hover
// read-outs, handedness, Flip, Show Arpeggio and Bass Note. It never sees the main window: the
// widgets it drives and a small host interface are handed in when it is built.
#include <QColor>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <array>
#include <optional>

#include "core/pages/DiagramRecords.h"
#include "core/views/ChordPicture.h"
#include "core/views/FretboardGeometry.h"
#include "gui/views/ChordDisplay.h"
#include "gui/views/ScaleDisplay.h"

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace strumly::gui {

class FretboardView;
class KeyboardView;

// What the fretboard asks of the rest of the program.
class FretboardHost {
 public:
  virtual ~FretboardHost() = default;
  virtual bool isPlayingOrBusy() const = 0;
  virtual bool playButtonDown() const = 0;        // `sbtnPlay`
  virtual bool chordDesignActive() const = 0;     // the Chord Design page is the active page
  virtual bool displayIntervalsDown() const = 0;  // `sbDisplayIntervals`
  virtual Tuning currentTuning() const = 0;       // the tuning up-downs' positions
  virtual const NoteNames& noteNames() const = 0;
  // The chord Show Arpeggio acts on for the active page; nothing where the page offers none (an
  // empty chord clears the neck).
  virtual std::optional<ChordDiagram> arpeggioChord() const = 0;
};

// The widgets the fretboard writes to; the main window lays them out. Any may be null.
struct FretboardWidgets {
  FretboardView* neck = nullptr;       // imgGuitar
  KeyboardView* keyboard = nullptr;    // imgKeyboard
  QLabel* noteReadout = nullptr;       // pnlNote
  QLabel* intervalReadout = nullptr;   // pnlInterval
  QLineEdit* chordName = nullptr;      // editChordNameUser
  QLineEdit* notes = nullptr;          // editNotes
  std::array<QLabel*, 8> intervals{};  // editIntervals0..7; each carries its interval in "tag"
  QLabel* nameCaption = nullptr;       // Label2: "Chord Name:" or "Scale Name:"
};

// The toggles of the tool panel the fretboard answers for. Any may be null.
struct FretboardButtons {
  QAbstractButton* bassNote = nullptr;      // sbtnBassNote
  QAbstractButton* leftHanded = nullptr;    // sbtnLeftHanded
  QAbstractButton* flip = nullptr;          // sbtnFlip
  QAbstractButton* showArpeggio = nullptr;  // sbShowArp
  QAbstractButton* fullScale = nullptr;     // sbtnShowFullScale
};

class Fretboard : public QObject, public ChordDisplay, public ScaleDisplay {
  Q_OBJECT

 public:
  Fretboard(const FretboardWidgets& widgets, FretboardHost& host, QObject* parent = nullptr);

  // The toggles are connected here; clicks that are not allowed put the button back.
  void bindButtons(const FretboardButtons& buttons);

  void RedrawFretboard(const ChordDiagram& chord) override;
  void ShowNotesAcrossNeck(const ChordDiagram& chord, const QColor& textColour);
  void ClearFretboard() override;
  // ShowScale (FretboardScale.cpp).
  void ShowScale(const ScaleDiagram& scale, int beginFret, int span) override;
  void showArpeggio() override;
  void clearPointerReadOuts() override;

  // Status-1 markers while something plays: a note starts on a string (the finger code's playing
  // marker over what the cell showed, kept to put back) or ends (the cell comes back; with
  // `clean` the unmarked neck's cell, for the players that redraw as they go).
  void showPlayingNote(int string, int fret, int code);
  void endPlayingNote(int string, bool clean);

  void imgGuitarMouseMove(int x, int y);
  void imgGuitarMouseDown(Qt::MouseButton button, int x, int y);
  void imgKeyboardMouseMove(int key);

  void sbtnLeftHandedClick();
  void sbtnFlipClick();
  void menuFlipClick();
  void sbShowArpClick();
  void sbtnBassNoteClick();

  // Start-up: apply a hand without the page refresh a click asks for.
  void setLeftHanded(bool leftHanded);
  bool leftHanded() const override { return hand_ == Hand::Left; }
  // The current layout: the neck's fret table and the diagram string columns of this hand.
  const FretboardLayout& layout() const { return fretboardLayout(hand_); }
  bool flipped() const { return flipped_; }

  const LedFrame& boardLeds() const { return leds_; }
  PitchClass lastShownRoot() const { return lastRoot_; }
  bool chordShown() const { return chordShown_; }
  std::optional<NeckPosition> hoverPosition() const { return hover_; }

 Q_SIGNALS:
  // A press on the neck of the Chord Design page at the hover position.
  void neckPressed(int string, int fret, Qt::MouseButton button);
  // RedrawFretboard shows the chord's tuning in the tuning controls and its name.
  void tuningShown(const strumly::Tuning& tuning, const QString& tuningName);
  void tuningNameCleared();
  // The sounding notes, for the staff of the Chord Design page.
  void staffNotesChanged(const strumly::NoteSet& notes);
  // The LED frame to show on the guitar (mirror it for the left hand), or all LEDs off.
  void ledsChanged(const strumly::LedFrame& frame);
  void ledsCleared();
  // After a change of hand: every page that shows diagrams redraws with layout().
  void handednessChanged(bool leftHanded);
  // The main window swaps its tool and bottom panels.
  void flipChanged(bool flipped);
  // The play-a-bass-note option.
  void bassNoteChanged(bool on);
  // Show Arpeggio was released on the Chord Design page: the interval display redraws.
  void intervalDisplayRefreshRequested();

 private:
  void showReadout(const ChordReadout& readout, const QColor& textColour, bool slotColours);
  void showPointerNote(PitchClass pitchClass);
  bool undoIfBusy(QAbstractButton* button);
  void flip();

  FretboardWidgets widgets_;
  FretboardHost& host_;
  FretboardButtons buttons_;
  Hand hand_ = Hand::Right;
  LedFrame leds_;
  // What each string's playing marker covers: its place and the cell under it.
  struct SavedCell {
    QPoint at{-1, -1};
    QImage cell;
  };
  std::array<SavedCell, kStringCount> playingCells_{};
  PitchClass lastRoot_ = 0;
  bool chordShown_ = false;
  bool flipped_ = false;
  std::optional<NeckPosition> hover_;
  int hoverFret_ = 0;
};

}  // namespace strumly::gui
