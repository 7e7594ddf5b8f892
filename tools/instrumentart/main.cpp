// instrumentart <folder>: writes the instrument pictures into <folder>.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "InstrumentArt.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: instrumentart <output folder>\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  using namespace instrumentart;
  const struct {
    const char* name;
    QImage image;
  } pictures[] = {
      {"NECK", drawNeck()},
      {"FRETNUMR", drawFretNumbers(false)},
      {"FRETNUML", drawFretNumbers(true)},
      {"FINGERS", drawMarkers()},
      {"NECK@2x", drawNeck(2)},
      {"FRETNUMR@2x", drawFretNumbers(false, 2)},
      {"FRETNUML@2x", drawFretNumbers(true, 2)},
      {"FINGERS@2x", drawMarkers(2)},
      {"KEYBOARD", drawKeyboard()},
      {"StaffBmp", drawStaff()},
      {"NoteBmp", drawNoteHead()},
      {"SharpBmp", drawStaffGlyph(kSharp, 5, 13)},
      {"FlatBmp", drawStaffGlyph(kFlat, 5, 13)},
      {"NaturalBmp", drawStaffGlyph(kNatural, 5, 13)},
      {"DblFlatBmp", drawStaffGlyph(kDoubleFlat, 5, 13)},
      {"DblSharpBmp", drawStaffGlyph(kDoubleSharp, 5, 13)},
      {"KEYBOARD@2x", drawKeyboard(2)},
      {"StaffBmp@2x", drawStaff(2)},
      {"NoteBmp@2x", drawNoteHead(2)},
      {"SharpBmp@2x", drawStaffGlyph(kSharp, 5, 13, 2)},
      {"FlatBmp@2x", drawStaffGlyph(kFlat, 5, 13, 2)},
      {"NaturalBmp@2x", drawStaffGlyph(kNatural, 5, 13, 2)},
  };
  for (const auto& picture : pictures) {
    const QString path = out.filePath(QString::fromLatin1(picture.name) + ".png");
    if (!picture.image.save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
