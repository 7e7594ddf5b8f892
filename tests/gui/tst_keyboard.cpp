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
    ProgramFixture p({.audio = true});  // with an input the Listen button is there to reach
    QWidget& window = p.parts->mainWindow();
    QWidget* start = p.parts->toolPanel().strumSpeed();
    const auto walk = [&] {
      focusOn(p, start);
      QList<QWidget*> reached;
      for (int i = 0; i < 400; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == start) break;
        if (reached.contains(now)) {
          qWarning("%s reached twice", qPrintable(now->objectName()));
          return QList<QWidget*>{};
        }
        reached << now;
      }
      reached << start;
      for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
          continue;
        if (!reached.contains(w)) {
          qWarning("not reached: %s (%s)", qPrintable(w->objectName()), w->metaObject()->className());
          return QList<QWidget*>{};
        }
      }
      return reached;
    };
    // The widget Tab reaches right after the one named `before`.
    const auto after = [](const QList<QWidget*>& reached, const char* before) -> QString {
      for (qsizetype i = 0; i + 1 < reached.size(); ++i)
        if (reached[i]->objectName() == before) return reached[i + 1]->objectName();
      return {};
    };

    const QList<QWidget*> reached = walk();
    QCOMPARE(QApplication::focusWidget(), start);
    // The tool panel alone has more than twenty buttons.
    QVERIFY2(reached.size() > 20, qPrintable(QString::number(reached.size())));
    // The round Listen button sits right of Root Play in the panel's second row.
    QCOMPARE(after(reached, "sbtnRootPlay"), QString("hemiListen"));
    for (QWidget* w : reached) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
      QVERIFY(accessible);
      QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
               qPrintable(QString("no name: %1 (%2)").arg(w->objectName(), w->metaObject()->className())));
    }

    // On Chord Design the Drag control comes before the group picture right of it.
    QVERIFY(p.parts->pages().activate(PageId::ChordDesign));
    const QList<QWidget*> design = walk();
    QVERIFY(!design.isEmpty());
    QCOMPARE(after(design, "bitbtnDrag"), QString("imgChordDesign"));
  }

  void thePlayPagePictureTakesTheArrowsEnterAndTheMenuKeys() {
    ProgramFixture p({.midi = true, .page = PageId::PlayPage});
    PageImage* picture = p.parts->mainWindow().findChild<PageImage*>("imgPlayPage");
    QVERIFY(picture);
    focusOn(p, picture);
    // The first arrow selects the first slot; then two slots on and one row down: slot (2, 1),
    // whose cell starts at x = 20 + 2 * 63 and y = 132.
    QTest::keyClick(picture, Qt::Key_Right);
    QTest::keyClick(picture, Qt::Key_Right);
    QTest::keyClick(picture, Qt::Key_Right);
    QTest::keyClick(picture, Qt::Key_Down);
    QCOMPARE(picture->selectionFrame().left, 146);
    QCOMPARE(picture->selectionFrame().top, 132);
    QVERIFY(!playing(p));  // the arrows were the picture's, not the window's step keys
    QTest::keyClick(picture, Qt::Key_Menu);
    auto* popup = p.parts->mainWindow().findChild<QMenu*>("popmenuPlayPage");
    QVERIFY(popup && popup->isVisible());
    // At the selection, not at the mouse pointer.
    QVERIFY(popup->geometry().contains(picture->mapToGlobal(QPoint(176, 175))) ||
            (popup->pos() - picture->mapToGlobal(QPoint(176, 175))).manhattanLength() < 4);
    popup->hide();
  }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
