#pragma once
// Pictures, cursors and wave clips compiled into the program, looked up by their resource name
// without regard to case ("neck" and "NECK" name the same picture).
#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QString>

namespace strumly::gui {

// A picture from resources/images/<NAME>.png; a null image when there is none. With a pixel
// ratio above 1 the <NAME>@2x.png drawn for it where there is one (its devicePixelRatio() 2, its
// logical size the same). Pictures are decoded once; safe from any thread.
QImage picture(const QString& name, qreal ratio = 1.0);
// A cursor from resources/cursors/<NAME>.png; the hot spot is read from the picture's "hotspot"
// text ("x,y"), else its centre. The arrow cursor when there is none.
QCursor cursor(const QString& name);
// The bytes of resources/wave/<NAME>.wav; empty when there is none.
QByteArray wave(const QString& name);

}  // namespace strumly::gui
