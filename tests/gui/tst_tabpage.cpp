// The Tablature page as the user meets it: a raw tab file opens with its block in red, converts
// into a tab page, the markers go where the mouse puts them and Play sounds the columns between
// them on a clock that the test drives; tab page files keep the markers and a broken one is
// refused whole; a raw file the user cannot write is not saved over, nor one that is no text
// opened; the File menu's exports write the tab page.
#include <QCheckBox>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>
#include <QtTest>

#include "core/midi/MidiEvent.h"
#include "gui/app/BottomPanel.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/common/PageList.h"
#include "gui/common/PagePrinter.h"
#include "gui/controls/TuningControls.h"
#include "gui/playback/Transport.h"
#include "gui/tab/TabControls.h"
#include "gui/tab/TabPage.h"
#include "gui/tab/TabPageView.h"
#include "gui/tab/TabRawView.h"
#include "gui/views/FretboardView.h"
#include "support/MenuLookup.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// A line of prose, then one block: open e in column 4, D fret 2 in column 5.
const char* const kRawTab =
    "The opening of the song, played slowly\r\n"
    "e|-0---|\r\n"
    "B|-----|\r\n"
    "G|-----|\r\n"
    "D|--2--|\r\n"
    "A|-----|\r\n"
    "E|-----|\r\n";

struct Program : ProgramFixture {
  Program() : ProgramFixture({.midi = true, .leds = true, .page = PageId::Tablature}) {}
  TabPage& tab() { return parts->tabPage(); }
  QString write(const QString& name, const QByteArray& bytes) {
    const QString path = user.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
  }
  void openConverted() {
    dialogs.fileNames << write("riff.tab", kRawTab);
    QVERIFY(tab().openWithPrompt());
    QVERIFY(tab().controls()->btnConvertTab->isEnabled());
    QVERIFY(!tab().controls()->btnCheckTabEdits->isEnabled());
    tab().controls()->btnConvertTab->click();
    QVERIFY(tab().convertedViewShown());
  }
  void press(int x, int y, Qt::MouseButton button) {
    QWidget* viewport = tab().pageView()->viewport();
    QTest::mouseClick(viewport, button, {}, QPoint(x, y) - tab().pageView()->visiblePageRect().topLeft());
  }
};

bool lineIsRed(const TabRawView& view, int line) {
  const QTextBlock block = view.document()->findBlockByNumber(line);
  for (const QTextLayout::FormatRange& range : block.layout()->formats())
    if (range.format.foreground().color() == QColor(255, 0, 0) && range.length == block.length() - 1)
      return true;
  return false;
}

}  // namespace

class TabPageTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void rawFileConvertsAndPlaysBetweenTheMarkers() {
    Program p;
    p.openConverted();
    TabPage& tab = p.tab();
    QCOMPARE(tab.state().rawTabFileName, QString("riff.tab"));
    // The raw view showed the block red and the prose black.
    QVERIFY(!lineIsRed(*tab.rawView(), 0));
    for (int line = 1; line <= 6; ++line) QVERIFY(lineIsRed(*tab.rawView(), line));
    // Auto Tune read e B G D A E.
    QCOMPARE(p.parts->bottomPanel().tuningControls()->tuning(), Tuning{});
    QCOMPARE(p.parts->mainWindow().windowTitle(), QString("Strumly!"));
    QVERIFY(!tab.controls()->btnConvertTab->isEnabled());

    // Start marker before column 3 (x 18..26), end marker at column 6 of block 0.
    p.press(22, 40, Qt::LeftButton);
    p.press(58, 40, Qt::RightButton);
    QCOMPARE(tab.state().markers, (TabMarkers{{2, 0}, {6, 0}}));
    // A left press at or after the end marker is refused.
    p.press(58, 40, Qt::LeftButton);
    QCOMPARE(tab.state().markers.start, (TabMarker{2, 0}));

    p.parts->toolPanel().buttons().sbtnPlay->click();
    QVERIFY(p.parts->transport().playing());
    QVERIFY(!tab.controls()->isEnabled());
    std::vector<SinkCall> notes;
    for (const SinkCall& c : p.session.sink.events())
      if ((c.event.status & 0xF0) == 0x90) notes.push_back(c);
    // Columns 3, 4, 5 at 60 ticks each: the open e (64) at tick 60, D fret 2 (52) at 120.
    QCOMPARE(notes.size(), std::size_t{2});
    QCOMPARE(int(notes[0].event.data1), 64);
    QCOMPARE(notes[0].tick, std::uint64_t{60});
    QCOMPARE(int(notes[1].event.data1), 52);
    QCOMPARE(notes[1].tick, std::uint64_t{120});
    // While playing the marker popup's commands are refused: the play range stays as it is.
    QAction* resetStart = nullptr;
    for (QAction* a : tab.popmenuTab()->actions())
      if (a->objectName() == "pmenuTab2") resetStart = a;
    QVERIFY(resetStart);
    resetStart->trigger();
    QCOMPARE(tab.state().markers.start, (TabMarker{2, 0}));

    // The clock: every marker as it comes due, then the end.
    const FretboardView* neck = qobject_cast<FretboardView*>(p.parts->bottomPanel().fretboard());
    for (const SinkCall& c : p.session.sink.events())
      if (isMarkerStatus(c.event.status))
        p.parts->transport().midiMessage(markerMessage(c.event.status), packMarkerParam(c.event));
    QCOMPARE(tab.pageView()->playCursor(), std::make_optional(std::make_pair(5, 0)));
    QVERIFY(neck->image() != neck->cleanImage());
    p.parts->transport().midiMessage(kMsgAllPlayed, 0);
    QVERIFY(!p.parts->transport().playing());
    QVERIFY(!tab.pageView()->playCursor());
    QVERIFY(tab.controls()->isEnabled());
    resetStart->trigger();  // stopped: back to column 0 of block 0
    QCOMPARE(tab.state().markers.start, (TabMarker{0, 0}));
  }

  void guitarShowsTheColumnsAsTheCursorReachesThem() {
    Program p;
    p.openConverted();
    // Columns 3..5: a rest, the open e, D fret 2 (the last without a note after it).
    p.press(22, 40, Qt::LeftButton);
    p.press(58, 40, Qt::RightButton);
    const ToolPanel::Buttons& b = p.parts->toolPanel().buttons();
    auto playThrough = [&p, &b] {
      p.session.sink.clear();
      p.leds.reset();
      b.sbtnPlay->click();
      for (const SinkCall& c : p.session.sink.events())
        if (isMarkerStatus(c.event.status))
          p.parts->transport().midiMessage(markerMessage(c.event.status), packMarkerParam(c.event));
      p.parts->transport().midiMessage(kMsgAllPlayed, 0);
    };
    LedFrame e0, d2, both;
    e0.light(0, 0, false);
    d2.light(2, 3, false);
    both = e0;
    both.light(2, 3, false);

    // Show Arpeggio up: each cursor step shows the notes gathered since the last clear; the
    // animation button makes no note go out on its own.
    b.sbShowArp->setChecked(false);
    b.sbtnFLAnimate->setChecked(true);
    playThrough();
    QCOMPARE(p.leds.frames(), (std::vector<LedFrame>{LedFrame{}, e0, d2}));
    QCOMPARE(p.leds.calls().back().kind, LedSinkCall::Kind::Clear);

    // Show Arpeggio down: the range lights first, then the note playing blinks dark against it.
    b.sbShowArp->setChecked(true);
    b.sbtnFLAnimate->setChecked(false);
    playThrough();
    QCOMPARE(p.leds.frames(), (std::vector<LedFrame>{both, both, d2, e0}));
    QCOMPARE(p.leds.calls().back().kind, LedSinkCall::Kind::Clear);
  }

  void tabPageFilesKeepMarkersAndBrokenOnesChangeNothing() {
    Program p;
    p.openConverted();
    TabPage& tab = p.tab();
    p.press(22, 40, Qt::LeftButton);
    tab.controls()->trkbarTabSustain->setValue(7);
    const QString saved = p.user.filePath("riff.vxt");
    p.dialogs.fileNames << saved;
    QVERIFY(tab.save(false));
    QVERIFY(!tab.state().tabPageModified);
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines[0], QByteArray("kv6.50TabPage\r"));
    QCOMPARE(lines[1], QByteArray("100\r"));  // 600000 microseconds a beat
    QCOMPARE(lines[2], QByteArray("7\r"));
    // Start (2, 0); end after the last of 8 columns: (9, 0).
    QCOMPARE(lines.mid(5, 4), (QList<QByteArray>{"2\r", "0\r", "9\r", "0\r"}));

    // The same file with a sustain that is no number: refused, nothing taken over.
    QByteArray broken =
        QByteArray(lines.join('\n')).replace("\n7\r\n", "\n7x\r\n").replace("\n100\r", "\n60\r");
    tab.controls()->trkbarTabSustain->setValue(9);
    QVERIFY(!tab.openHandedFile(p.write("broken.vxt", broken)));
    QCOMPARE(p.dialogs.notices.size(), 1);
    QCOMPARE(tab.controls()->trkbarTabSustain->value(), 9);
    QCOMPARE(p.parts->transport().tempoMicros(), std::uint32_t{600000});
    QCOMPARE(tab.state().tabPageFileName, QString("riff.vxt"));

    // The good one opens with its markers and sustain, once the moved markers may go.
    tab.pmenuTab1Click();
    QVERIFY(!tab.openHandedFile(saved));
    p.dialogs.answers << DialogService::Answer::No;
    QVERIFY(tab.openHandedFile(saved));
    QCOMPARE(p.dialogs.questions.size(), 2);
    QCOMPARE(tab.state().markers, (TabMarkers{{2, 0}, {9, 0}}));
    QCOMPARE(tab.controls()->trkbarTabSustain->value(), 7);
    QVERIFY(!tab.state().tabPageModified);
    // The tempo is part of the file: a new one on this page is an edit to save.
    p.parts->transport().tempoChosen(500000);
    QVERIFY(tab.state().tabPageModified);
  }

  void binaryDataIsRefusedAsNoText() {
    Program p;
    const QString path = p.write("garbage.tab", QByteArray::fromHex("7f454c46020101000000") + "junk");
    const QString before = p.tab().rawView()->toPlainText();
    p.dialogs.fileNames << path;
    QVERIFY(!p.tab().openWithPrompt());
    QCOMPARE(p.dialogs.notices, QStringList{path + " is not a text file."});
    QCOMPARE(p.tab().rawView()->toPlainText(), before);
    QVERIFY(p.tab().state().rawTabFileName.isEmpty());
  }

  void theFileMenuExportsTheTabPage() {
    Program p;
    p.openConverted();
    QMenu* file = p.parts->mainMenu().menuFile();
    const QString midi = p.user.filePath("riff.mid");
    const QString wav = p.user.filePath("riff.wav");
    p.dialogs.fileNames << midi << wav << p.user.path();
    itemNamed(file, "Export MIDI...")->trigger();
    itemNamed(file, "Export WAV...")->trigger();
    QCOMPARE(p.dialogs.notices, QStringList{});
    QFile written(midi);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith("MThd"));
    // The page's two notes sound: the open e (64) and D fret 2 (52), at velocity above 0.
    QVERIFY(bytes.contains(QByteArray("\x40", 1)) && bytes.contains(QByteArray("\x34", 1)));
    QFile sound(wav);
    QVERIFY(sound.open(QIODevice::ReadOnly));
    QVERIFY(sound.read(4) == "RIFF");
    // A PDF that cannot be written says where and why.
    itemNamed(file, "Export PDF...")->trigger();
    QCOMPARE(p.dialogs.notices, QStringList{"Could not write " + p.user.path() + ": Is a directory."});
  }

  void readOnlyRawFileAsksForAnotherName() {
    Program p;
    const QString path = p.write("template.tab", kRawTab);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QVERIFY(p.tab().openHandedFile(path));
    QVERIFY(!p.tab().convertedViewShown());
    p.dialogs.answers << DialogService::Answer::No;
    QVERIFY(!p.tab().save(false));
    QCOMPARE(p.dialogs.questions.size(), 1);
    QVERIFY(p.dialogs.questions[0].startsWith("This file is Read-Only (probably a template)."));
    // Another name: written, with ordinary permissions.
    const QString other = p.user.filePath("mine.tab");
    p.dialogs.fileNames << other;
    QVERIFY(p.tab().save(true));
    QVERIFY(QFileInfo(other).permissions() & QFile::WriteOwner);
    QCOMPARE(p.tab().state().rawTabFileName, QString("mine.tab"));
  }

  void wideTabIsShownPlayedAndPrintedToItsLastColumn() {
    Program p;
    // 165 columns a line; the e string sounds fret 3 in column 160.
    QByteArray text;
    for (const char name : QByteArray("eBGDAE")) {
      QByteArray line = name + QByteArray("|") + QByteArray(162, '-') + "|";
      if (name == 'e') line[159] = '3';
      text += line + "\r\n";
    }
    p.dialogs.fileNames << p.write("wide.tab", text);
    TabPage& tab = p.tab();
    QVERIFY(tab.openWithPrompt());
    tab.controls()->btnConvertTab->click();
    TabPageView* view = tab.pageView();
    // The end marker after column 165 lies on the page, within the horizontal scroll.
    QCOMPARE(tab.state().markers.end, (TabMarker{166, 0}));
    QVERIFY(view->horizontalScrollBar()->maximum() + view->viewport()->width() >=
            endMarkerRect(tab.state().markers.end).right);
    // A start marker before column 160 (x 1431..1439 is gap 159).
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    p.press(1435, 40, Qt::LeftButton);
    QCOMPARE(tab.state().markers.start, (TabMarker{159, 0}));

    // Played from the start of the line: the view follows the cursor to the note at 160.
    tab.pmenuTab2Click();
    view->horizontalScrollBar()->setValue(0);
    p.parts->toolPanel().buttons().sbtnPlay->click();
    for (const SinkCall& c : p.session.sink.events())
      if (isMarkerStatus(c.event.status))
        p.parts->transport().midiMessage(markerMessage(c.event.status), packMarkerParam(c.event));
    const std::optional<std::pair<int, int>> cursor = view->playCursor();
    QVERIFY(cursor && cursor->first >= 160);
    const TabRect at = tabCursorRect(cursor->first, cursor->second);
    const QRect seen = view->visiblePageRect();
    QVERIFY(at.left >= seen.left() && at.right <= seen.right() + 1);
    p.parts->transport().midiMessage(kMsgAllPlayed, 0);

    // Printed, each line fits the paper and the block comes in bands of its six strings.
    QPrinter paper(QPrinter::HighResolution);
    paper.setOutputFormat(QPrinter::PdfFormat);
    QFont font("Courier New", 10);
    font.setStyleHint(QFont::TypeWriter);
    const QFontMetrics metrics(font, &paper);
    const QStringList printed = printedLines(tab.printout(), paper);
    QVERIFY(printed.size() >= 14);
    for (const QString& line : printed) QVERIFY(metrics.horizontalAdvance(line) <= paper.width());
    QCOMPARE(printed[1].left(2), QString("e|"));
    QCOMPARE(printed[6].left(2), QString("E|"));
    QCOMPARE(printed[7], QString());
    QCOMPARE(printed.join("").count('3'), 1);
  }

  void convertWithoutABlockSaysSoAndKeepsThePage() {
    Program p;
    p.openConverted();
    TabPage& tab = p.tab();
    QVERIFY(tab.state().tabPageModified);
    const TabLines page = tab.state().converted;
    QVERIFY(tab.openHandedFile(p.write("notes.txt", "Just words about the song\r\n")));
    QVERIFY(tab.controls()->btnConvertTab->isEnabled());
    tab.controls()->btnConvertTab->click();
    // Told in the command line's words, before any question about saving the page.
    QCOMPARE(p.dialogs.notices, QStringList{"No tab found."});
    QVERIFY(p.dialogs.questions.isEmpty());
    QVERIFY(!tab.convertedViewShown());
    QVERIFY(!tab.controls()->btnConvertTab->isEnabled());
    QCOMPARE(tab.state().converted, page);
    QVERIFY(tab.state().tabPageModified);
  }

  void editCursorKeepsItsBlockWhenClickedAgain() {
    Program p;
    TabRawView* raw = p.tab().rawView();
    p.tab().controls()->cbEditTab->click();
    // The fourth character of the instructions' second line, the "C" of "Click".
    QTextCursor at(raw->document()->findBlockByNumber(1));
    at.setPosition(at.position() + 3);
    const QPoint point = raw->cursorRect(at).center() + QPoint(3, 0);
    for (int click = 0; click < 2; ++click) {
      QTest::mouseClick(raw->viewport(), Qt::LeftButton, {}, point, 500);
      QCOMPARE(raw->textCursor().selectedText(), QString("C"));
    }
    QTest::mouseDClick(raw->viewport(), Qt::LeftButton, {}, point);
    QCOMPARE(raw->textCursor().selectedText(), QString("C"));
  }
};

QTEST_MAIN(TabPageTest)
#include "tst_tabpage.moc"
