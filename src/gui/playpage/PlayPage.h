#pragma once
// The PlayPage: four pages of measures of chords that play in time. Until its grid is drawn the
// page shows an empty canvas; entering it clears the fretboard.
#include <QWidget>

#include "gui/common/Page.h"

namespace strumly::gui {

class ChordDisplay;

class PlayPage : public QWidget, public Page {
  Q_OBJECT
 public:
  explicit PlayPage(ChordDisplay& display, QWidget* parent = nullptr);

  PageId pageId() const override { return PageId::PlayPage; }
  QString title() const override { return "PlayPage"; }
  QWidget* pageWidget() override { return this; }
  void entered() override;
  QAbstractScrollArea* scrollArea() const override { return scrollPlayPage_; }

 private:
  ChordDisplay& display_;
  QAbstractScrollArea* scrollPlayPage_;
};

}  // namespace strumly::gui
