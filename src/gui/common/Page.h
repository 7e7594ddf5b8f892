#pragma once
// What every page of the page control tells the shell. The shell keeps a list of pages and loops
// over it: for the tab caption, the page's entry, the wheel, New/Erase, files handed over on the
// command line, the save questions before closing, the tuning take-over and Play. A page that
// has no part in one of these keeps the default answer.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/app/PageRules.h"
#include "core/pages/DiagramRecords.h"
#include "gui/common/PagePrintout.h"
#include "gui/common/SaveBeforeClose.h"

class QAbstractScrollArea;
class QWidget;

namespace strumly::gui {

class PagePlayer;
class TuningTakeOver;

// The document a page edits: what it opens, erases and names in the window caption, and what
// it asks before the program closes.
class PageDocument {
 public:
  virtual ~PageDocument() = default;
  // Lower-case extensions of the files this page opens when they are handed over (".ppf").
  virtual QStringList handedOverExtensions() const { return {}; }
  // Opens a handed-over file; false when it could not be opened.
  virtual bool openHandedFile(const QString& /*path*/) { return false; }
  // "&New" and "Erase Page" while the page is active.
  virtual void erase() = 0;
  // Open: asks to save a modified document first, then offers the open dialog; false when the
  // user cancelled the question or the file could not be read.
  virtual bool openWithPrompt() { return false; }
  // Save (alwaysAsk false: the known file, else the dialog) and Save As (alwaysAsk true); true
  // when the document was written.
  virtual bool save(bool alwaysAsk) {
    (void)alwaysAsk;
    return false;
  }
  // "Export MIDI..." and "Export WAV...": the document as it would play, written as a MIDI file or
  // rendered to sound; false where the page has nothing to export.
  virtual bool exportSound(bool wav) {
    (void)wav;
    return false;
  }
  // Whether a tempo typed or chosen while this page is in front belongs to its file (and so
  // modifies it).
  virtual bool keepsTempo() const { return false; }
  // The file name the window caption shows; empty when there is none.
  virtual QString fileName() const { return {}; }
  // The save questions of this page's documents, in the order they are asked.
  virtual QList<ClosingDocument> closingDocuments() { return {}; }
};

class Page {
 public:
  virtual ~Page() = default;

  virtual PageId pageId() const = 0;
  virtual QString title() const = 0;
  // The widget that stands in the page control.
  virtual QWidget* pageWidget() = 0;
  // Entering the page shows its item on the fretboard.
  virtual void entered() {}
  // The hand changed (left-handed or back): the page draws its pictures in the new layout.
  virtual void handChanged() {}
  // The scroll area the wheel drives now (the tab page has two views, only one shown).
  virtual QAbstractScrollArea* scrollArea() const = 0;
  // The picture that takes the placement cursor when a diagram is carried to this page.
  virtual QWidget* placementImage() const { return nullptr; }
  // A diagram was carried here by a "Send To" command: the placement cursor "CURFRET" shows
  // until the next press on the page drops it.
  virtual void startPlacement();
  // Entering any page drops whatever placement was pending.
  virtual void dropPlacement();
  virtual PageDocument* document() { return nullptr; }
  // Pages that carry their own tuning take a new one over from the tuning controls.
  virtual TuningTakeOver* tuningTakeOver() { return nullptr; }
  // What Play plays on this page; none where the page offers nothing to play.
  virtual PagePlayer* player() { return nullptr; }
  // "Undo Edit" on this page; the shell disables the button afterwards.
  virtual void undo() {}
  // The chord Show Arpeggio acts on; nothing where the page offers none.
  virtual std::optional<ChordDiagram> arpeggioChord() const { return std::nullopt; }
  // The guitar's "Next Diagram" switch: the next item of the page becomes the selection, as a
  // left press on it would make it; nothing where the page has no diagrams to step through.
  virtual void SelectNextDiagram() {}
  // Edits that take typed text: the window keys leave them alone while they have the focus.
  virtual QList<QWidget*> typingWidgets() const { return {}; }
  // What "Print Page" prints of this page now; empty where it prints nothing.
  virtual PagePrintout printout() const { return {}; }
};

}  // namespace strumly::gui
