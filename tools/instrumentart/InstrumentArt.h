#pragma once
// The pictures of the instrument views, drawn from the same geometry the program places markers
// with, so the frets, strings and cells line up with the stated pixels.
#include <QImage>

namespace instrumentart {

// The neck's pictures at `scale` times the pixels (1, or 2 for the @2x pictures of HiDPI screens).
QImage drawNeck(int scale = 1);                          // NECK, 900 x 132, right-handed, without numbers
QImage drawFretNumbers(bool leftHanded, int scale = 1);  // FRETNUMR / FRETNUML, 900 x 14
QImage drawMarkers(int scale = 1);                       // FINGERS, 240 x 12
QImage drawKeyboard(int scale = 1);                      // KEYBOARD, 281 x 18
QImage drawStaff(int scale = 1);                         // StaffBmp, 150 x 140
// Note head and accidentals, black on white, for ANDing into the staff; at 2 each pixel of the
// pixel picture is two by two, except the note head, which is drawn as its oval.
QImage drawStaffGlyph(const char* const* rows, int width, int height, int scale = 1);
QImage drawNoteHead(int scale = 1);  // NoteBmp, 10 x 6
extern const char* const kNoteHead[];
extern const char* const kSharp[];
extern const char* const kFlat[];
extern const char* const kNatural[];
extern const char* const kDoubleFlat[];
extern const char* const kDoubleSharp[];

// The colour behind the neck, shared by the neck and the number strips so they join seamlessly.
QColor backdrop(double y);

}  // namespace instrumentart
