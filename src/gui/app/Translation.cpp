#include "gui/app/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace strumly::gui {

namespace {

// Loads `base`_<language> from `folder`; Qt falls back from the regional name to the plain one
// ("de_AT" to "de").
bool loadFor(QTranslator& translator, const QLocale& language, const QString& base, const QString& folder) {
  return translator.load(base + '_' + language.name(), folder);
}

}  // namespace

QLocale::Language installTranslators(QCoreApplication& app, const QLocale& locale) {
  // The languages in the user's order: a user who lists English before German gets English,
  // which Qt's own search (the first file found in any listed language) would not give.
  for (const QString& entry : locale.uiLanguages()) {
    const QLocale language(entry);
    if (language.language() == QLocale::English || language.language() == QLocale::C) break;
    auto* own = new QTranslator(&app);
    if (!loadFor(*own, language, "strumly", ":/i18n")) {
      delete own;
      continue;
    }
    QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(&app);
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (loadFor(*qt, language, "qtbase", qtFolder) ||
        loadFor(*qt, language, "qtbase", "/usr/share/qt6/translations"))
      QCoreApplication::installTranslator(qt);
    else
      delete qt;
    return language.language();
  }
  return QLocale::English;
}

}  // namespace strumly::gui
