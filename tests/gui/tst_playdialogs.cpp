// The play page's tempo and repeat-marker dialogs, driven through their widgets.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "gui/playpage/TdlgRepeat.h"
#include "gui/playpage/TdlgTempo.h"

using namespace strumly;
using namespace strumly::gui;

class PlayDialogsTest : public QObject {
  Q_OBJECT

 private:
  template <typename W>
  static W* child(QWidget& dialog, const char* name) {
    W* w = dialog.findChild<W*>(name);
    if (!w) qFatal("no %s", name);
    return w;
  }

 private Q_SLOTS:
  void tempoOpensOnTheCurrentBeatsPerMinute() {
    TdlgTempo dialog(461538);  // 130 bpm, truncated down from 130.0001
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Change PlayPage Tempo"));
    QCOMPARE(dialog.size(), QSize(313, 214));
    auto* edit = child<QLineEdit>(dialog, "meditTempo");
    auto* scroll = child<QScrollBar>(dialog, "scrollTempo");
    QCOMPARE(edit->text(), QString("130"));
    QCOMPARE(edit->selectedText(), QString("130"));
    QCOMPARE(scroll->value(), 130);

    QTest::keyClicks(edit, "99");  // typing leaves the bar alone
    QCOMPARE(edit->text(), QString("99"));
    QCOMPARE(scroll->value(), 130);
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);  // scrolling writes the edit
    QCOMPARE(edit->text(), QString("140"));
    QTest::keyClicks(edit, "x-");
    QCOMPARE(edit->text(), QString("140"));
  }

  void tempoOkKeepsTheTempoWithinTenTo250() {
    TdlgTempo dialog(500000);
    dialog.show();
    auto* edit = child<QLineEdit>(dialog, "meditTempo");
    QTest::keyClicks(edit, "5");
    QTest::mouseClick(child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(edit->text(), QString("10"));
    QCOMPARE(dialog.chosenTempoMicros(), std::optional<std::uint32_t>(6000000));

    dialog.show();
    QCOMPARE(edit->text(), QString("10"));  // reopens on the tempo it chose
    QTest::keyClicks(edit, "999");
    QTest::mouseClick(child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    QCOMPARE(dialog.chosenTempoMicros(), std::optional<std::uint32_t>(240000));

    dialog.show();
    QTest::keyClicks(edit, "7");
    QTest::keyClick(edit, Qt::Key_Backspace);  // empty: OK closes and changes nothing
    QTest::mouseClick(child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.chosenTempoMicros());

    dialog.show();
    QTest::keyClicks(edit, "90");
    QTest::mouseClick(child<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.chosenTempoMicros());
  }

  void repeatDialogShowsTheMeasureItOpensOn() {
    RepeatMarkers markers = RepeatMarkers::defaults(TimeSignature::ThreeFour);
    markers.startRepeat[4] = 1;
    markers.repeatCount[4] = 3;
    TdlgRepeat dialog;
    dialog.setMeasure(5, markers, TimeSignature::ThreeFour);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Repeat Markers"));
    QCOMPARE(child<QLabel>(dialog, "lblNum")->text(), QString("5"));
    QCOMPARE(child<QCheckBox>(dialog, "cbReturn")->pos(), QPoint(48, 80));
    QCOMPARE(child<QCheckBox>(dialog, "cbRepeat")->pos(), QPoint(136, 80));
    QVERIFY(child<QCheckBox>(dialog, "cbReturn")->isChecked());
    QVERIFY(child<QCheckBox>(dialog, "cbRepeat")->isChecked());
    QCOMPARE(child<QLineEdit>(dialog, "editRepeat")->text(), QString("3"));
    QVERIFY(!child<QCheckBox>(dialog, "cbLoop")->isChecked());

    dialog.setMeasure(48, markers, TimeSignature::ThreeFour);
    QVERIFY(!child<QCheckBox>(dialog, "cbReturn")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "cbRepeat")->isChecked());
    QVERIFY(child<QLineEdit>(dialog, "editRepeat")->text().isEmpty());
    QVERIFY(child<QCheckBox>(dialog, "cbLoop")->isChecked());
  }

  void repeatDialogOkWritesTheMarkers() {
    RepeatMarkers markers = RepeatMarkers::defaults(TimeSignature::FourFour);
    TdlgRepeat dialog;
    dialog.setMeasure(7, markers, TimeSignature::FourFour);
    dialog.show();
    auto* edit = child<QLineEdit>(dialog, "editRepeat");
    child<QCheckBox>(dialog, "cbReturn")->click();
    QTest::mouseClick(child<QCheckBox>(dialog, "cbRepeat"), Qt::LeftButton);
    QCOMPARE(dialog.focusWidget(), edit);
    QTest::keyClicks(edit, "300");
    child<QCheckBox>(dialog, "cbLoop")->click();
    QTest::mouseClick(child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    RepeatMarkers expected = RepeatMarkers::defaults(TimeSignature::FourFour);
    expected.startRepeat[6] = 1;
    expected.repeatCount[6] = 255;
    expected.repeatsLeft[6] = 255;
    expected.loopFlag[35] = 0;
    expected.loopFlag[6] = 1;
    QVERIFY(markers == expected);

    // Reopened on the same measure: a click selects the count, new digits replace it; unticking
    // the loop there sends it back to the last measure.
    dialog.setMeasure(7, markers, TimeSignature::FourFour);
    dialog.show();
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(4, edit->height() / 2));
    QCOMPARE(edit->selectedText(), QString("255"));
    QTest::keyClicks(edit, "4");
    child<QCheckBox>(dialog, "cbLoop")->click();
    QTest::mouseClick(child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    QCOMPARE(markers.repeatCount[6], 4);
    QCOMPARE(markers.loopFlag[6], 0);
    QCOMPARE(markers.loopFlag[35], 1);

    // Cancel leaves the markers alone.
    const RepeatMarkers before = markers;
    dialog.setMeasure(7, markers, TimeSignature::FourFour);
    dialog.show();
    child<QCheckBox>(dialog, "cbRepeat")->click();
    QTest::mouseClick(child<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    QVERIFY(markers == before);
  }
};

QTEST_MAIN(PlayDialogsTest)
#include "tst_playdialogs.moc"
