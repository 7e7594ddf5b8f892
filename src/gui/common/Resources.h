#pragma once
// Pictures, cursors and wave clips compiled into the program, looked up by their resource name
// without regard to case ("neck" and "NECK" name the same picture).
#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QString>

namespace strumly::gui {

// A picture from resources/images/<NAME>.png; a null image when there is none.
QImage picture(const QString& name);
// A cursor from resources/cursors/<NAME>.png; the hot spot is read from the picture's "hotspot"
// text ("x,y"), else its centre. The arrow cursor when there is none.
QCursor cursor(const QString& name);
// The bytes of resources/wave/<NAME>.wav; empty when there is none.
QByteArray wave(const QString& name);

}  // namespace strumly::gui
