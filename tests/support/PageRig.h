#pragma once
// One page on the parts it is built on, without the rest of the program: a page control in a
// window, the holders, the settings, the page list and the transport, with a fretboard that only
// writes down what it was asked to show and stand-ins for the pages diagrams are carried to.
#include <QList>
#include <QMenu>
#include <QPoint>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "core/app/AppSettings.h"
#include "core/pages/PageHolders.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/Page.h"
#include "gui/common/PageList.h"
#include "gui/common/ScriptedDialogService.h"
#include "gui/playback/Transport.h"
#include "gui/views/ChordDisplay.h"

namespace strumly::gui {

// What the page asked the fretboard to show, in order; a cleared fretboard is an empty diagram.
class RecordingChordDisplay : public ChordDisplay {
 public:
  QList<ChordDiagram> shown;
  int arpeggios = 0;
  void RedrawFretboard(const ChordDiagram& chord) override { shown << chord; }
  void ClearFretboard() override { shown << ChordDiagram{}; }
  bool leftHanded() const override { return false; }
  void showArpeggio() override { ++arpeggios; }
  void clearPointerReadOuts() override {}
};

// A page a diagram is carried to: only its picture, which takes the placement cursor.
class TargetPage : public Page {
 public:
  TargetPage(PageId id, QString title) : id_(id), title_(std::move(title)) {}
  QWidget tab;
  QWidget* image = new QWidget(&tab);
  PageId pageId() const override { return id_; }
  QString title() const override { return title_; }
  QWidget* pageWidget() override { return &tab; }
  QAbstractScrollArea* scrollArea() const override { return nullptr; }
  QWidget* placementImage() const override { return image; }

 private:
  PageId id_;
  QString title_;
};

struct PageRig {
  QTemporaryDir dir;  // the page's data files, written by the test
  QWidget window;
  QTabWidget tabs{&window};
  NoteSpelling spelling;
  ScriptedDialogService dialogs;
  PageHolders holders;
  AppSettings settings;
  PageList pages{&tabs};
  Transport transport{[this] { return pages.current(); }};

  // A mouse press on a page's picture; a right press opens `popup`, which is closed again at once
  // (offscreen it would otherwise stay up and take the next presses) so the test picks its item.
  static void pressImage(QWidget* image, Qt::MouseButton button, QPoint at, QMenu* popup) {
    QTest::mousePress(image, button, {}, at);
    if (button == Qt::RightButton) popup->hide();
  }
};

}  // namespace strumly::gui
