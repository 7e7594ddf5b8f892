#pragma once
// `imgGuitar`: the drawn neck. It keeps the unmarked neck of the current hand (`imgGuitarCopy`)
// and the picture on show; markers and outlines are drawn into the picture, never onto the
// screen, and the widget copies the picture 1:1. The pictures have the screen's pixel ratio;
// positions, given and reported, are logical pixels.
#include <QImage>
#include <QWidget>
#include <vector>

#include "core/views/FretboardGeometry.h"

namespace strumly::gui {

class FretboardView : public QWidget {
  Q_OBJECT

 public:
  explicit FretboardView(QWidget* parent = nullptr);

  // Builds the unmarked neck of a hand: the neck picture, mirrored for the left hand, with that
  // hand's fret-number strip along the top. The picture on show becomes the unmarked neck.
  void setHand(Hand hand);
  Hand hand() const { return hand_; }

  const QImage& image() const { return image_; }       // imgGuitar
  const QImage& cleanImage() const { return clean_; }  // imgGuitarCopy

  // Every redraw starts from the unmarked neck.
  void restoreClean();
  void restoreClean(const QRect& area);
  // Copies the 12 x 12 cell at `cellX` of the marker strip with its top-left corner at (x, y).
  void drawMarker(int cellX, int x, int y);
  // The square outline of the arpeggio and interval displays around the marker at (x, y).
  void drawOutline(int x, int y, const QColor& colour);
  // Save-under buffers for the playing markers: what is on show in a marker cell now.
  QImage markerCell(int x, int y) const;
  void putMarkerCell(const QImage& cell, int x, int y);

  QSize sizeHint() const override { return {kNeckWidth, kNeckHeight}; }

 Q_SIGNALS:
  void mouseMoved(int x, int y);
  void mousePressed(Qt::MouseButton button, int x, int y);
  void mouseLeft();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void loadPictures(qreal ratio);
  void followPixelRatio();

  // A marker (cellX >= 0) or an outline drawn since the neck was last cleaned.
  struct Mark {
    int cellX, x, y;
    QColor colour;
  };

  Hand hand_ = Hand::Right;
  qreal ratio_ = 1.0;
  QImage neck_;          // the right-handed neck without numbers
  QImage markers_;       // imgFinger
  QImage numbersRight_;  // imgNumberRight
  QImage numbersLeft_;   // imgNumberLeft
  QImage clean_;
  QImage image_;
  std::vector<Mark> marks_;
  std::vector<QRect> dirty_;  // what was drawn on since the neck was last cleaned whole
};

}  // namespace strumly::gui
