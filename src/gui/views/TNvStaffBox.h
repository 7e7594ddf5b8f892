#pragma once
// `StaffBox` on the Chord Design page: the sounding notes of the design on a treble staff.
// The notes are laid out into a back buffer when they are set; painting only copies it inside a
// sunken frame.
#include <QImage>
#include <QWidget>
#include <cstdint>

#include "core/views/ChordPicture.h"

namespace strumly::gui {

class TNvStaffBox : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int Key READ key WRITE setKey)
  Q_PROPERTY(int Sharp READ sharp WRITE setSharp)

 public:
  static constexpr int kWidth = 154;
  static constexpr int kHeight = 144;

  explicit TNvStaffBox(QWidget* parent = nullptr);

  void setNotes(const NoteSet& notes);
  const NoteSet& notes() const { return notes_; }

  // Only key 0 (C major) has a layout of its own; other keys lay the notes out the same way.
  int key() const { return key_; }
  void setKey(int key);
  // Kept for the key signature; changing it only repaints.
  int sharp() const { return sharp_; }
  void setSharp(int sharp);

  // In device pixels of the screen the staff is on (its devicePixelRatio() gives the scale).
  const QImage& backBuffer() const { return buffer_; }
  QSize sizeHint() const override { return {kWidth, kHeight}; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void loadPictures(qreal ratio);
  void layOut();

  QImage staff_;
  QImage noteHead_;
  QImage sharpSign_;
  QImage flatSign_;
  QImage naturalSign_;
  QImage buffer_;
  NoteSet notes_{};
  int key_ = 0;
  int sharp_ = 0;
  qreal ratio_ = 1.0;
};

}  // namespace strumly::gui
