#pragma once
// The interval calculator "Strumly! Music Interval Calculator": the twelve notes of the chromatic
// scale above a chosen root under their interval names, and a scale or chord of the dictionaries
// played note by note straight on the output device, each note's box lit while it sounds. The
// main output is closed while the window shows (the shell does that around `exec`), so the
// device hears only the calculator. Notes are timed by `Timer1`, so the window stays responsive
// while it plays.
#include <QDialog>
#include <array>
#include <filesystem>
#include <vector>

#include "core/app/AppSettings.h"
#include "core/theory/Pitch.h"
#include "gui/intervals/IntervalNotes.h"

class QComboBox;
class QLabel;
class QSlider;
class QTimer;
class QToolButton;

namespace strumly::gui {

class DialogService;
class DirectMidiOut;
class UpDown;

class TfrmIntCalc : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kHelpContext = 500;

  // `midi` may be null (no device: playing is silent, the boxes still light). `settings` is read
  // when the window shows and when a note plays: the device chosen in Preferences, the guitar
  // patch and the note velocity. Help opens through `dialogs`.
  TfrmIntCalc(DirectMidiOut* midi, const MidiSettings& settings, const std::filesystem::path& dataFolder,
              DialogService& dialogs, QWidget* parent = nullptr);
  ~TfrmIntCalc() override;

  // Pitch class of the root (`UpDown1`).
  int root() const;
  bool playing() const { return !notes_.empty(); }
  bool boxLit(int box) const { return lit_.at(static_cast<std::size_t>(box)); }
  QString boxText(int box) const;
  // Milliseconds per note: 1100 minus the speed bar's position.
  int noteLength() const;

  void UpDown1Click();
  void sbtnFlatSharpClick();
  void sbtnChordScaleClick();
  void sbtnPlayClick();
  // One note length has passed.
  void Timer1Timer();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  struct Sounding {
    int note;
    int box;
  };
  void buildBoxes();
  void fillList();
  void renameBoxes();
  void light(int box, bool on);
  void send(int status, int data1, int data2);
  void startNote();
  void releaseAll();
  void finish();

  DirectMidiOut* midi_;
  const MidiSettings& settings_;
  DialogService& dialogs_;
  IntervalTables tables_;
  NoteNames names_;  // a copy: the calculator spells on its own
  std::array<QLabel*, 12> boxes_{};
  std::array<bool, 12> lit_{};
  UpDown* upDown1_;
  QToolButton* sbtnFlatSharp_;
  QToolButton* sbtnPlay_;
  QToolButton* sbtnChordScale_;
  QComboBox* cbScales_;
  QSlider* trkbarIntCalc_;
  QTimer* timer1_;
  std::uint32_t handle_ = 0;
  // The entry being played: its intervals, the next to sound, the notes sounding (chords hold all
  // of them until one note length after the last), and whether the final hold has begun.
  std::vector<int> notes_;
  std::size_t next_ = 0;
  std::vector<Sounding> sounding_;
  bool chordMode_ = false;
  bool holding_ = false;
};

}  // namespace strumly::gui
