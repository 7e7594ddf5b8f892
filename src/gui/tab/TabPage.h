#pragma once
// The Tablature page: plain-text guitar tab, checked for its six-line blocks, converted into a
// tab page and played between two markers. Two views replace each other under the panel
// `pnlTablature`: the raw text and the converted page. The page carries its own tuning: the
// conversion's Auto Tune sets it, and entering the page puts it in the tuning controls.
#include <QString>
#include <QWidget>
#include <memory>

#include "core/tab/TabFile.h"
#include "gui/common/Page.h"
#include "gui/common/TuningTakeOver.h"
#include "gui/tab/TabPageState.h"

class QAbstractButton;
class QMenu;
class QStackedWidget;

namespace strumly {
struct AppSettings;
struct PageHolders;
}  // namespace strumly

namespace strumly::gui {

class CommandTable;
class DialogService;
class Fretboard;
class FretboardView;
class NoteSpelling;
class PageList;
class PlaybackContext;
class TabControls;
class TabFiles;
class TabPageView;
class TabPlayback;
class TabRawView;
class Transport;
class TuningControls;

// What the page works with; `neck`, `undo`, `showArpeggio` and `strumSpeed` may be null.
struct TabPageServices {
  PageHolders& holders;
  PageList& pages;
  DialogService& dialogs;
  const NoteSpelling& spelling;
  Transport& transport;
  TuningControls& tuning;
  AppSettings& settings;
  PlaybackContext& playback;
  Fretboard& fretboard;
  FretboardView* neck = nullptr;            // imgGuitar, for the tab's arpeggio
  QAbstractButton* undo = nullptr;          // sbtnUndo
  QAbstractButton* showArpeggio = nullptr;  // sbShowArp
  QWidget* strumSpeed = nullptr;            // sbStrumSpeed: the focus goes home there
  QString workingFolder;                    // where "vxtmptab.bin" and "vxcnvtab.bin" go; ends with '/'
};

class TabPage : public QWidget, public Page, public PageDocument, public PageTuning {
  Q_OBJECT
 public:
  explicit TabPage(const TabPageServices& services, QWidget* parent = nullptr);
  ~TabPage() override;

  // The page contract.
  PageId pageId() const override { return PageId::Tablature; }
  QString title() const override { return tr("Tablature"); }
  QWidget* pageWidget() override { return this; }
  void entered() override;
  QAbstractScrollArea* scrollArea() const override;
  PageDocument* document() override { return this; }
  bool keepsTempo() const override { return true; }
  TuningTakeOver* tuningTakeOver() override { return this; }
  PagePlayer* player() override;
  void undo() override;
  QList<QWidget*> typingWidgets() const override;
  PagePrintout printout() const override;

  // The documents: the converted page's operations while it shows, the raw text's otherwise.
  QStringList handedOverExtensions() const override { return {".tab", ".txt", ".vxt"}; }
  bool openHandedFile(const QString& path) override;
  void erase() override;
  bool openWithPrompt() override;
  bool save(bool alwaysAsk) override;
  // The converted page as Play plays it once between its markers, without Loop Play.
  bool exportSound(bool wav) override;
  QString fileName() const override;
  QList<ClosingDocument> closingDocuments() override;

  // Handlers of the page's controls.
  void btnCheckTabEditsClick() { CheckTabEdits(); }
  void btnConvertTabClick();
  void btnViewRawConTabClick();
  void imgTabPageMouseDown(int x, int y, Qt::MouseButton button, QPoint globalPos = {});
  void pmenuTab1Click();
  void pmenuTab2Click();
  void pmenuTab3Click();
  void btnStripTabClick();
  void btnInsertTabClick();
  void pmenuRawTab1Click();

  // Operations the files and the hand-over use.
  void CheckTabEdits();
  // Converts the blocks of the last check (state().working); false when nothing was converted.
  // Without a block nothing is asked and nothing changes but the raw view coming to the front.
  bool ConvertTab();
  void PlaceStartMarker(TabMarker at);
  void PlaceEndMarker(TabMarker at);
  void ClearTabPage();
  void AfterRawTabLoaded();
  void showRawView();
  void showConvertedView();
  bool convertedViewShown() const;
  bool isActivePage() const;
  TabPageSettings currentSettings() const;
  void applySettings(const TabPageSettings& settings);
  void setCaption(const QString& caption);
  void focusHome();

  TabPageState& state() { return state_; }
  const TabPageState& state() const { return state_; }
  TabRawView* rawView() const { return reditTabPage_; }
  TabPageView* pageView() const { return scrollTabPage_; }
  TabControls* controls() const { return pnlTablature_; }
  TabFiles& files() { return *files_; }
  QMenu* popmenuTab() const { return popmenuTab_; }
  // The page's commands: the two popups' items and the view switch.
  CommandTable& commands() const { return *commands_; }
  AppSettings& settings() { return services_.settings; }
  DialogService& dialogs() { return services_.dialogs; }
  Transport& transport() { return services_.transport; }
  const QString& workingFolder() const { return services_.workingFolder; }

 private:
  void buildCommands();
  void connectControls();
  // Presses on the pictures are no commands; they are refused while playing or busy here.
  bool refusesPresses() const;
  void rawTextChanged();
  void convertFailed();
  void showViewOf(bool converted);
  void resetMarkers();

  TabPageServices services_;
  TabPageState state_;
  TabControls* pnlTablature_;
  QStackedWidget* views_;
  TabRawView* reditTabPage_;
  TabPageView* scrollTabPage_;
  QMenu* popmenuTab_;
  CommandTable* commands_;
  bool pagePrepared_ = false;  // btnViewRawConTab's tag
  std::unique_ptr<TabFiles> files_;
  std::unique_ptr<TabPlayback> playback_;
};

}  // namespace strumly::gui
