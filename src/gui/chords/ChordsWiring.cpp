#include "gui/chords/ChordsWiring.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

#include "gui/app/BottomPanel.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ToolPanel.h"
#include "gui/controls/TuningControls.h"
#include "gui/chords/ChordMenus.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageSwitcher.h"
#include "gui/common/WindowKeys.h"
#include "gui/views/Fretboard.h"

namespace strumly::gui {
namespace {

struct PageNames {
  Page page;
  const char* scroll;  // the scroll area the wheel drives
  const char* image;   // the picture that shows the placement cursor
};

constexpr PageNames kPageNames[] = {
    {Page::ChordDesign, "listChordDesign", "imgChordDesign"},
    {Page::PlayPage, "scrollPlayPage", "imgPlayPage"},
    {Page::Print, "scrollPrintPage", "imgPrintPage"},
    {Page::Scales, "scrollScales", "imgScales"},
    {Page::Tablature, "scrollTabPage", "imgTablature"},
};

QAbstractScrollArea* visibleScroll(QWidget* tab, Page page, const char* name) {
  // The tab page scrolls its raw text view while that is the one shown.
  if (page == Page::Tablature) {
    if (auto* text = tab->findChild<QAbstractScrollArea*>("reditTabPage"); text && text->isVisible())
      return text;
  }
  return tab->findChild<QAbstractScrollArea*>(name);
}

void resetIntervalColours(BottomPanel* panel) {
  for (int n = 0; n < 8; ++n) {
    QLabel* label = panel->intervalLabel(n);
    if (!label) continue;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
  }
}

}  // namespace

ChordsPart installChordsPage(TfrmMain& window, PageHolders& holders, DialogService& dialogs,
                             Fretboard* fretboard) {
  ToolPanel* tools = window.toolPanel();
  MainMenu* menu = window.mainMenu();
  QTabWidget* tabs = window.pageControl();
  ChordsPart part;

  ChordMenus::Menus menus{menu->keyItems(), menu->menuMajor(), menu->menuMinor(), menu->menuDominant(),
                          menu->menuScale()};
  ChordMenus::Readouts readouts{tools->chordRootEdit(), tools->chordNameEdit(), tools->showChordsButton(),
                                tools->findChild<QLabel*>("lblChordName")};
  part.menus = new ChordMenus(menus, readouts, window.spelling(), &window);
  part.switcher = new PageSwitcher(tabs, &window, &window);
  part.page = new ChordsPage(holders, *part.menus, *part.switcher, dialogs, window.spelling(), {});
  window.replacePage(TfrmMain::pageChords, part.page, "Chords");

  PageSwitcher& switcher = *part.switcher;
  ChordsPage* page = part.page;
  switcher.setPage(Page::Chords, {page, page->imgChordPage(), [page] { return page->scrollChordPage(); },
                                  [page] { return page->fileName(); }, [page] { page->showOnFretboard(); }});
  for (const PageNames& names : kPageNames) {
    QWidget* tab = tabs->widget(static_cast<int>(names.page));
    if (!tab) continue;
    const char* scroll = names.scroll;
    const Page which = names.page;
    switcher.setPage(names.page, {tab,
                                  tab->findChild<QWidget*>(names.image),
                                  [tab, which, scroll] { return visibleScroll(tab, which, scroll); },
                                  {},
                                  {}});
  }
  switcher.setBusyCheck([&window] { return window.IsPlayingOrBusy(); });
  TuningControls* tuning = window.bottomPanel()->tuningControls();
  switcher.setTuningLock([tuning](bool locked) { tuning->setLocked(locked); });
  switcher.setUndoButton(tools->button("sbtnUndo"));
  BottomPanel* bottom = window.bottomPanel();
  switcher.setIntervalReset([bottom] { resetIntervalColours(bottom); });
  switcher.installWheelFilter();

  ChordsPage::Hooks hooks;
  hooks.isPlayingOrBusy = [&window] { return window.IsPlayingOrBusy(); };
  hooks.programFolder = [&window] {
    return std::filesystem::path(window.programFolder().dataFolder.toStdString());
  };
  hooks.clearPointerReadouts = [bottom] { bottom->clearPointerReadOuts(); };
  QScrollBar* strumSpeed = tools->strumSpeed();
  hooks.returnFocus = [strumSpeed] { strumSpeed->setFocus(); };
  if (fretboard) {
    hooks.leftHanded = [fretboard] { return fretboard->leftHanded(); };
    hooks.redrawFretboard = [fretboard](const ChordDiagram& chord) { fretboard->RedrawFretboard(chord); };
    hooks.clearFretboard = [fretboard] { fretboard->ClearFretboard(); };
    QToolButton* arpeggio = tools->button("sbShowArp");
    hooks.showArpeggio = [fretboard, arpeggio](const ChordDiagram&) {
      if (arpeggio) arpeggio->setChecked(true);
      fretboard->sbShowArpClick();
    };
  }
  page->setHooks(hooks);
  if (fretboard) {
    // A change of hand redraws the diagrams in the new layout, then the active page's item.
    QObject::connect(fretboard, &Fretboard::handednessChanged, page, [page, &switcher] {
      page->redrawPage();
      switcher.PageControl1Change();
    });
  }
  QObject::connect(tools->showChordsButton(), &QPushButton::clicked, page, &ChordsPage::btnShowChordsClick);

  part.keys = new WindowKeys(&window, strumSpeed, &window);
  WindowKeys::Hooks keyHooks;
  QToolButton* play = tools->button("sbtnPlay");
  QToolButton* step = tools->button("sbtnStep");
  keyHooks.state = [&switcher, play, step] {
    KeyState state;
    state.page = switcher.current().value_or(Page::Chords);
    state.playing = play && play->isChecked();
    state.stepPlay = step && step->isChecked();
    return state;
  };
  keyHooks.pressFinger = [&window](FingerButton finger) {
    static const char* const kNames[] = {"sbtnOne", "sbtnTwo", "sbtnThree", "sbtnFour", "sbtnPlain"};
    if (auto* button = window.findChild<QAbstractButton*>(kNames[static_cast<int>(finger)])) button->click();
  };
  part.keys->setHooks(keyHooks);
  part.keys->addTypingWidget(tuning->tuningNameEdit());
  for (const char* name :
       {"editChordNameUser", "editTab0", "editTab1", "editTab2", "editTab3", "editTab4", "editTab5"}) {
    if (auto* edit = window.findChild<QWidget*>(name)) part.keys->addTypingWidget(edit);
  }
  part.keys->install();
  return part;
}

}  // namespace strumly::gui
