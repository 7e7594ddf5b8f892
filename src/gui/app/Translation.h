#pragma once
// The interface's language: the first language of the desktop's list (LANGUAGE, then LANG) that
// the program has texts for. English is the language the texts are written in.
#include <QLocale>

class QCoreApplication;

namespace strumly::gui {

// Installs the program's texts and Qt's own (the buttons and captions of the standard dialogs)
// for `locale` on `app`; returns the language chosen, English when none of the locale's
// languages is translated. Call it before the first window is built: widgets take their texts
// when they are made.
QLocale::Language installTranslators(QCoreApplication& app, const QLocale& locale = QLocale());

}  // namespace strumly::gui
