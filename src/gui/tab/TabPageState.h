#pragma once
// What the Tablature page knows between events: the converted page with its markers, the names
// of its two documents and the flags that say what is saved and what must be checked again.
#include <QString>

#include "core/tab/TabMarkers.h"
#include "core/tab/TabText.h"

namespace strumly::gui {

// Which action last touched the raw text; only the user's own count as edits.
enum class TabEditSource { StartUp, Checking, SavingRaw, OpeningRaw, UserAction, StripTab, InsertTab };

struct TabPageState {
  TabLines working;    // the blocks of the last check ("vxtmptab.bin")
  TabLines converted;  // the converted page shown ("vxcnvtab.bin")
  bool hasPage = false;
  TabMarkers markers;

  QString tabPageFileName;  // without folder; empty until saved or opened
  QString rawTabFileName;

  bool rawTabNeedsCheck = false;
  bool rawTabSaved = true;
  bool tabPageModified = false;
  TabEditSource lastEditSource = TabEditSource::StartUp;

  bool userEdit() const {
    return lastEditSource == TabEditSource::UserAction || lastEditSource == TabEditSource::StripTab ||
           lastEditSource == TabEditSource::InsertTab;
  }
};

}  // namespace strumly::gui
