#pragma once
// Puts the Chords page and its menus into the main window, together with the page switching,
// the window keys and the wheel, which serve every page. The main window calls this once from
// its constructor and keeps the parts it returns; the owners of the other pages complete their
// page's entry (what the fretboard shows, the document name) through `switcher->pageParts()`.
#include "core/pages/PageHolders.h"

namespace strumly::gui {

class ChordMenus;
class ChordsPage;
class DialogService;
class Fretboard;
class PageSwitcher;
class TfrmMain;
class WindowKeys;

struct ChordsPart {
  ChordMenus* menus = nullptr;
  ChordsPage* page = nullptr;
  PageSwitcher* switcher = nullptr;
  WindowKeys* keys = nullptr;
};

// `fretboard` may be null until the fretboard is built; the page then shows nothing on the neck.
ChordsPart installChordsPage(TfrmMain& window, PageHolders& holders, DialogService& dialogs,
                             Fretboard* fretboard);

}  // namespace strumly::gui
