// The program as a German desktop starts it: the translators installed the way main installs
// them, before any window is built, then a menu and a message as the user meets them.
#include <QApplication>
#include <QtTest>

#include "gui/app/Translation.h"
#include "gui/common/CoreText.h"
#include "gui/common/PageList.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

class GermanTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QCOMPARE(installTranslators(*qApp, QLocale(QLocale::German, QLocale::Germany)), QLocale::German);
  }

  void menuAndMessageInGerman() {
    ProgramFixture p({.page = PageId::Chords});
    QCOMPARE(p.parts->mainMenu().menuFile()->title(), QString("&Datei"));

    // A message the core words in English reaches the user in German, the file name kept.
    const QString missing = p.user.filePath("fehlt.cpf");
    p.dialogs.fileNames = {missing};
    p.parts->mainMenu().action("mnuOpen")->trigger();
    QCOMPARE(p.dialogs.notices.size(), 1);
    QVERIFY2(p.dialogs.notices[0].startsWith(missing + " kann nicht ge\u00f6ffnet werden: "),
             qPrintable(p.dialogs.notices[0]));

    // The page control's tabs, and two audio reasons joined in one message, each in German.
    QCOMPARE(p.parts->pages().pageControl()->tabText(0), QString("Akkorde"));
    QCOMPARE(
        coreText("no sound server answers (Connection refused); ALSA has no capture device (x)"),
        QString("kein Soundserver antwortet (Connection refused); ALSA hat kein Aufnahmeger\u00e4t (x)"));
  }
};

QTEST_MAIN(GermanTest)
#include "tst_german.moc"
