#pragma once
// The Print page: up to 30 chord and scale diagrams on a 6 x 5 grid, each under four text lines,
// composed to be printed as one sheet. Diagrams arrive by the other pages' "Send To Print Page";
// a press selects, the popup plays, moves, deletes or sends a cell on. Its document is the
// print page file (.gpr; older .prf files open the same way).
#include <QString>

#include "core/pages/PrintPageModel.h"
#include "gui/common/DiagramPageBase.h"
#include "gui/common/Page.h"

namespace strumly {
struct AppSettings;
}

namespace strumly::gui {

class ChordDisplay;
class NoteSpelling;
class PageList;
class Transport;

// Draws one cell of a print page picture: blanked, then the diagram and its four text lines
// when the cell is used. `span` is the "Scale Diagrams" preference.
void drawPrintCell(PageImage& image, const PrintCell& cell, GridCell at, const NoteNames& names, int span,
                   bool leftHanded);

class PrintPage : public DiagramPageBase, public Page, public PageDocument {
  Q_OBJECT
 public:
  PrintPage(PageHolders& holders, PageList& pages, DialogService& dialogs, const NoteSpelling& spelling,
            Transport& transport, ChordDisplay& display, AppSettings& settings, PagePlayer* player = nullptr,
            QWidget* parent = nullptr);

  // The page contract.
  PageId pageId() const override { return PageId::Print; }
  QString title() const override { return tr("Print"); }
  QWidget* pageWidget() override { return this; }
  void entered() override;
  QAbstractScrollArea* scrollArea() const override;
  QWidget* placementImage() const override;
  void startPlacement() override;
  void dropPlacement() override;
  PageDocument* document() override { return this; }
  PagePlayer* player() override { return player_; }
  PagePrintout printout() const override;
  // The guitar's "Next Diagram": the next used cell becomes the selection, as a left press on it
  // would make it; a carried or moved cell is let go first.
  void SelectNextDiagram() override;

  // The document.
  void erase() override;
  bool openWithPrompt() override;
  QStringList handedOverExtensions() const override { return {".gpr", ".prf"}; }
  bool openHandedFile(const QString& path) override { return OpenPrintPageFile(path); }
  bool save(bool alwaysAsk) override { return SavePrintPage(alwaysAsk); }
  QString fileName() const override { return fileName_; }
  // False, with the reason told, when the file is not a print page; the page is then untouched.
  bool OpenPrintPageFile(const QString& path);
  bool SavePrintPage(bool alwaysAsk);

  PrintPageModel& model() { return model_; }
  PageImage* imgPrintPage() const { return image(); }
  QMenu* popmenuPrint() const { return popup(); }

  void imgPrintPageMouseDown(Qt::MouseButton button, int x, int y);
  void pmenu3PlayDiagramClick();
  void pmenu3SendtoPlayClick();
  void pmenu3SendtoDesignClick();
  void pmenu3SendtoScaleClick();
  void pmenu3DeleteClick();
  void pmenu3MoveClick();
  // Every used cell again (a file opened, the hand or the note names switched).
  void redrawPage();
  void handChanged() override { redrawPage(); }

 Q_SIGNALS:
  // A scale cell is to be shown on the fretboard (chords go to the display directly).
  void scaleShown(const ScaleDiagram& scale);

 private:
  void drawCell(GridCell at);
  void blankCell(GridCell at);
  void showCell(const PrintCell& cell);
  void showSelection();
  void updateCursor();
  void imagePressed(Qt::MouseButton button, int x, int y) override { imgPrintPageMouseDown(button, x, y); }
  // The Send items offered for the popup's target.
  PrintPopupItems offered() const { return model_.popupItems(); }

  PageHolders& holders_;
  PrintPageModel model_;
  PageList& pages_;
  const NoteSpelling& spelling_;
  Transport& transport_;
  ChordDisplay& display_;
  AppSettings& settings_;
  PagePlayer* player_;
  QString fileName_;
};

}  // namespace strumly::gui
