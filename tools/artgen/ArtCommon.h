#pragma once
// Shared pieces of the artwork generator: the ink colours, pixel-exact helpers and saving.
#include <QColor>
#include <QImage>
#include <QString>
#include <initializer_list>

namespace artgen {

inline const QColor kInk(28, 28, 30);
inline const QColor kGridString(70, 70, 74);
inline const QColor kGridFret(150, 150, 155);
inline const QColor kRootRed(178, 34, 34);

// Pictures are drawn in their own pixels; at scale 2 they come out with twice the pixels each
// way (devicePixelRatio 2) and are saved as <NAME>@2x.png for HiDPI screens.
void setScale(int scale);
int scale();
QImage whiteImage(int width, int height);
QImage clearImage(int width, int height);  // transparent, for cursors
// Sets pixels from rows of text: '#' = colour, anything else leaves the pixel.
void stamp(QImage& image, int x, int y, std::initializer_list<const char*> rows, const QColor& colour);
bool save(const QImage& image, const QString& folder, const QString& name);
bool saveCursor(QImage image, const QString& folder, const QString& name, int hotX, int hotY);

}  // namespace artgen
