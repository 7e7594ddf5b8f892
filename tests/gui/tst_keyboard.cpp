// The program from the keyboard alone: the window keys stay out of edits and buttons, the page
// picture answers the arrows and the menu keys, and Tab reaches every control, each one named
// for a screen reader.
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QToolButton>
#include <QtTest>

#include "gui/app/MainMenu.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/PageImage.h"
#include "support/MenuLookup.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// The window in front with the keyboard focus on `widget`, as a user's click or Tab leaves it.
void focusOn(ProgramFixture& p, QWidget* widget) {
  p.parts->mainWindow().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&p.parts->mainWindow()));
  widget->setFocus(Qt::TabFocusReason);
  QCOMPARE(QApplication::focusWidget(), widget);
}

bool playing(ProgramFixture& p) {
  return p.parts->toolPanel().buttons().sbtnPlay->isChecked();
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void spaceInALineEditTypesAndDoesNotPlay() {
    ProgramFixture p({.midi = true});
    p.showChords(0, p.parts->mainMenu().menuMajor(), "major");
    auto* edit = p.parts->mainWindow().findChild<QLineEdit*>("editTuningName");
    QVERIFY(edit);
    focusOn(p, edit);
    edit->setText("Open");
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Space);
    QTest::keyClick(edit, Qt::Key_G);
    QCOMPARE(edit->text(), QString("Open g"));
    QVERIFY(!playing(p));
  }

  void spaceOnAFocusedButtonPressesItInsteadOfPlaying() {
    ProgramFixture p({.midi = true});
    p.parts->mainMenu().keyItems()[0]->trigger();
    itemNamed(p.parts->mainMenu().menuMajor(), "major")->trigger();
    QPushButton* show = p.parts->toolPanel().showChordsButton();
    focusOn(p, show);
    QTest::keyClick(show, Qt::Key_Space);
    QCOMPARE(p.parts->chordsPage().model().setCount(), 1);
    QVERIFY(!playing(p));
  }

  void arrowsOnTheChordsPictureMoveTheSelectionAndMenuKeysOpenThePopup() {
    ProgramFixture p({.midi = true});
    p.showChords(0, p.parts->mainMenu().menuMajor(), "major");
    p.showChords(7, p.parts->mainMenu().menuMajor(), "major");
    ChordsPage& page = p.parts->chordsPage();
    PageImage* picture = page.imgChordPage();
    focusOn(p, picture);
    // "Show Chords" selected the new set's first diagram (row 1).
    QCOMPARE(page.model().selection(), (GridCell{0, 1}));
    QTest::keyClick(picture, Qt::Key_Right);
    QTest::keyClick(picture, Qt::Key_Right);
    QTest::keyClick(picture, Qt::Key_Up);
    QTest::keyClick(picture, Qt::Key_Up);  // held in the first set
    QCOMPARE(page.model().selection(), (GridCell{2, 0}));
    QVERIFY(p.parts->holders().chordPageChord == p.parts->holders().chordAt(2, 0));
    for (int i = 0; i < 8; ++i) QTest::keyClick(picture, Qt::Key_Right);  // six diagrams a set
    QCOMPARE(page.model().selection(), (GridCell{5, 0}));
    QVERIFY(!playing(p));  // the arrows were the picture's, not the window's step keys
    QCOMPARE(QApplication::focusWidget(), picture);

    QTest::keyClick(picture, Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(page.popmenuChords()->isVisible());
    page.popmenuChords()->hide();
    QCOMPARE(page.model().target(), (GridCell{5, 0}));  // the popup's commands act on the selection

    // Space stays the window's Play key on the picture.
    QTest::keyClick(picture, Qt::Key_Space);
    QVERIFY(playing(p));
  }

  void tabReachesEveryControlOnceAndEachHasAName() {
    ProgramFixture p;
    QWidget& window = p.parts->mainWindow();
    QWidget* start = p.parts->toolPanel().strumSpeed();
    focusOn(p, start);
    QList<QWidget*> reached;
    for (int i = 0; i < 400; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* now = QApplication::focusWidget();
      if (now == start) break;
      QVERIFY2(!reached.contains(now), qPrintable(now->objectName() + " reached twice"));
      reached << now;
    }
    QCOMPARE(QApplication::focusWidget(), start);
    reached << start;
    // The tool panel alone has more than twenty buttons.
    QVERIFY2(reached.size() > 20, qPrintable(QString::number(reached.size())));

    for (QWidget* w : window.findChildren<QWidget*>()) {
      if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
        continue;
      QVERIFY2(
          reached.contains(w),
          qPrintable(QString("not reached: %1 (%2)").arg(w->objectName(), w->metaObject()->className())));
    }
    for (QWidget* w : reached) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
      QVERIFY(accessible);
      QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
               qPrintable(QString("no name: %1 (%2)").arg(w->objectName(), w->metaObject()->className())));
    }
  }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
