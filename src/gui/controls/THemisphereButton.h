#pragma once
// `THemisphereButton`: a round button drawn as a light-shaded dome with optional bevel rings, a
// caption and a glyph laid flat or wrapped over the dome. It works as a push button or, with a
// group index, as a toggle among the buttons of the same group and parent. Both faces (up and
// down) are rendered into images whenever the appearance changes; painting only draws the stored
// face, so the control is see-through outside its ellipse. Tab reaches it, and Space or Enter
// works it like a click on its middle.
#include <QColor>
#include <QImage>
#include <QWidget>

namespace strumly::gui {

class THemisphereButton : public QWidget {
  Q_OBJECT
 public:
  enum THemisphereBevel { hbNone, hbLowered, hbRaised };
  Q_ENUM(THemisphereBevel)
  enum TBorderStyle { bsNone, bsSingle };
  Q_ENUM(TBorderStyle)

  Q_PROPERTY(bool AllowAllUp READ allowAllUp WRITE setAllowAllUp)
  Q_PROPERTY(double AttenControl READ attenControl WRITE setAttenControl)
  Q_PROPERTY(THemisphereBevel BevelInner READ bevelInner WRITE setBevelInner)
  Q_PROPERTY(THemisphereBevel BevelOuter READ bevelOuter WRITE setBevelOuter)
  Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
  Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)
  Q_PROPERTY(TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
  Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  Q_PROPERTY(bool Down READ down WRITE setDown)
  Q_PROPERTY(QColor FaceColor READ faceColor WRITE setFaceColor)
  Q_PROPERTY(bool FaceShaded READ faceShaded WRITE setFaceShaded)
  Q_PROPERTY(bool FaceTransparent READ faceTransparent WRITE setFaceTransparent)
  Q_PROPERTY(QImage Glyph READ glyph WRITE setGlyph)
  Q_PROPERTY(int GlyphIndex READ glyphIndex WRITE setGlyphIndex)
  Q_PROPERTY(bool GlyphMapped READ glyphMapped WRITE setGlyphMapped)
  Q_PROPERTY(bool GlyphShaded READ glyphShaded WRITE setGlyphShaded)
  Q_PROPERTY(bool GlyphTransparent READ glyphTransparent WRITE setGlyphTransparent)
  Q_PROPERTY(int GroupIndex READ groupIndex WRITE setGroupIndex)
  Q_PROPERTY(int NumGlyphs READ numGlyphs WRITE setNumGlyphs)

  explicit THemisphereButton(QWidget* parent = nullptr);

  bool allowAllUp() const { return allowAllUp_; }
  double attenControl() const { return attenControl_; }
  THemisphereBevel bevelInner() const { return bevelInner_; }
  THemisphereBevel bevelOuter() const { return bevelOuter_; }
  int bevelWidth() const { return bevelWidth_; }
  QColor borderColor() const { return borderColor_; }
  TBorderStyle borderStyle() const { return borderStyle_; }
  QString caption() const { return caption_; }
  bool down() const { return down_; }
  QColor faceColor() const { return faceColor_; }
  bool faceShaded() const { return faceShaded_; }
  bool faceTransparent() const { return faceTransparent_; }
  QImage glyph() const { return glyph_; }
  int glyphIndex() const { return glyphIndex_; }
  bool glyphMapped() const { return glyphMapped_; }
  bool glyphShaded() const { return glyphShaded_; }
  bool glyphTransparent() const { return glyphTransparent_; }
  int groupIndex() const { return groupIndex_; }
  int numGlyphs() const { return numGlyphs_; }

  // In a group, the change reaches every button of the group with the same parent.
  void setAllowAllUp(bool on);
  void setAttenControl(double atten);
  void setBevelInner(THemisphereBevel bevel);
  void setBevelOuter(THemisphereBevel bevel);
  // Widths of 0 and less are refused (the value stays).
  void setBevelWidth(int width);
  void setBorderColor(const QColor& color);
  void setBorderStyle(TBorderStyle style);
  void setCaption(const QString& caption);
  // Going down in a group lets the other button of the group up.
  void setDown(bool down);
  void setFaceColor(const QColor& color);
  void setFaceShaded(bool on);
  void setFaceTransparent(bool on);
  // A strip of pictures of equal width; a strip `height` high and n × `height` wide holds n.
  void setGlyph(const QImage& glyph);
  // 1..NumGlyphs; other values are refused.
  void setGlyphIndex(int index);
  void setGlyphMapped(bool on);
  void setGlyphShaded(bool on);
  void setGlyphTransparent(bool on);
  void setGroupIndex(int group);
  // At least 1; the glyph index follows a strip that became shorter.
  void setNumGlyphs(int count);

  // Whether (x, y) lies on the face: the ellipse inside the bevel rings.
  bool HitTest(int x, int y) const;

  // The rendered faces and the mask (white outside the ellipse, black inside), in device pixels
  // of the screen the button is on (their devicePixelRatio() gives the scale).
  const QImage& imageOut() const { return imageOut_; }
  const QImage& imageIn() const { return imageIn_; }
  const QImage& imageMask() const { return imageMask_; }

 Q_SIGNALS:
  void clicked();
  void doubleClicked();
  void mousePressed(Qt::MouseButton button, QPoint position);
  void mouseMoved(QPoint position);
  void mouseReleased(Qt::MouseButton button, QPoint position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void BuildImages();
  void changed();
  void press(QMouseEvent* event, bool doubleClick);
  // The end of a press: a click when it ends on the face, then the push or toggle rule.
  void release(bool inside);
  QList<THemisphereButton*> groupMates() const;
  QImage currentGlyph() const;

  bool allowAllUp_ = false;
  double attenControl_ = 1.0;
  THemisphereBevel bevelInner_ = hbNone;
  THemisphereBevel bevelOuter_ = hbLowered;
  int bevelWidth_ = 2;
  QColor borderColor_{0x80, 0x80, 0x80};
  TBorderStyle borderStyle_ = bsNone;
  QString caption_;
  bool down_ = false;
  QColor faceColor_{0x80, 0x80, 0x80};
  bool faceShaded_ = true;
  bool faceTransparent_ = false;
  QImage glyph_;
  int glyphIndex_ = 1;
  bool glyphMapped_ = false;
  bool glyphShaded_ = true;
  bool glyphTransparent_ = true;
  int groupIndex_ = 0;
  int numGlyphs_ = 1;

  QImage imageOut_;
  QImage imageIn_;
  QImage imageMask_;
  QImage paintOut_;  // the faces with the mask applied, as painted
  QImage paintIn_;
  QSize rendered_;
  qreal ratio_ = 1.0;  // the pixel ratio the faces were rendered at
  bool tracking_ = false;
  bool downAtPress_ = false;
};

}  // namespace strumly::gui
