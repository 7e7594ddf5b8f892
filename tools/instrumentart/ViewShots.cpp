// viewshots <folder>: renders the C major chord on the neck for both hands, the keyboard with
// D minor and the staff with a C major chord, as the documentation shows them.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <cstdio>

#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"
#include "gui/views/KeyboardView.h"
#include "gui/views/TNvStaffBox.h"

namespace {

using namespace strumly;

class ShotHost : public gui::FretboardHost {
 public:
  bool isPlayingOrBusy() const override { return false; }
  bool playButtonDown() const override { return false; }
  bool chordDesignActive() const override { return false; }
  bool displayIntervalsDown() const override { return false; }
  Tuning currentTuning() const override { return {}; }
  const NoteNames& noteNames() const override { return names_; }
  std::optional<ChordDiagram> arpeggioChord() const override { return std::nullopt; }

 private:
  NoteNames names_;
};

ChordDiagram cMajor() {
  ChordDiagram chord;
  chord.empty = 0;
  chord.name = "maj";
  chord.tuningName = "Standard";
  chord.strings = {StringFret{0, kFingerOpen}, {1, 1}, {0, kFingerOpen}, {2, 2}, {3, 3}, {0, kFingerMuted}};
  chord.pitches = {64, 60, 55, 52, 48, 0};
  chord.intervals = {0, 4, 7, 255, 255, 255, 255};
  return chord;
}

bool save(const QImage& image, const QDir& dir, const char* name) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  if (image.save(path)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: viewshots <output folder>\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  ShotHost host;
  gui::FretboardView neck;
  gui::KeyboardView keyboard;
  gui::Fretboard fretboard({&neck, &keyboard}, host);

  bool ok = true;
  fretboard.RedrawFretboard(cMajor());
  ok &= save(neck.grab().toImage(), out, "fretboard-c-major-right.png");
  fretboard.setLeftHanded(true);
  fretboard.RedrawFretboard(cMajor());
  ok &= save(neck.grab().toImage(), out, "fretboard-c-major-left.png");

  const std::array<std::uint8_t, 10> minor{0, 3, 7, 99, 99, 99, 99, 99, 99, 99};
  keyboard.showScale(minor, 2);
  ok &= save(keyboard.grab().toImage(), out, "keyboard.png");

  gui::TNvStaffBox staff;
  NoteSet notes{};
  for (int pitch : {48, 52, 55, 60, 64, 61, 62, 66}) notes[static_cast<std::size_t>(pitch)] = 1;
  staff.setNotes(notes);
  ok &= save(staff.grab().toImage(), out, "staff.png");
  return ok ? 0 : 1;
}
