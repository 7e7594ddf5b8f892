// The rendering of THemisphereButton's faces: the dome lit from the upper left, the bevel rings,
// the glyph and the caption, and the mask that makes the corners see-through.
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "gui/controls/THemisphereButton.h"

namespace strumly::gui {
namespace {

// The light comes from the upper left, in front: (-1, -1, 1) / sqrt(3).
constexpr double kLight = 0.5773502692;
// A lowered face darker than this (HSL lightness, 0..255) under its caption takes a light caption.
constexpr double kDarkFaceLightness = 110;

double lightTerm(double x, double y, double z) {
  return kLight * (-x - y + z);
}

// Nearest integer, halves to the even neighbour (the rounding of the default floating mode).
int roundEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}

int clampByte(int v) {
  return std::clamp(v, 0, 255);
}

// An ellipse inscribed in a rectangle, tested at pixel centres.
struct Ellipse {
  double cx, cy, rx, ry;
  Ellipse(double left, double top, double right, double bottom)
      : cx((left + right) / 2), cy((top + bottom) / 2), rx((right - left) / 2), ry((bottom - top) / 2) {}
  bool contains(int px, int py) const {
    if (rx <= 0 || ry <= 0) return false;
    const double dx = (px + 0.5 - cx) / rx;
    const double dy = (py + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  }
};

// A ring pixel leans away from the centre when raised, towards it when lowered, at 45 degrees.
QRgb ringColour(int px, int py, double cx, double cy, bool raised) {
  double dx = px + 0.5 - cx;
  double dy = py + 0.5 - cy;
  const double length = std::hypot(dx, dy);
  if (length > 0) {
    dx /= length;
    dy /= length;
  }
  const double planar = (raised ? 1.0 : -1.0) / std::numbers::sqrt2;
  const int level =
      clampByte(128 + roundEven(128 * lightTerm(dx * planar, dy * planar, 1 / std::numbers::sqrt2)));
  return qRgb(level, level, level);
}

QRgb shade(QRgb c, double amount) {
  const auto channel = [amount](int v) { return clampByte(v + roundEven(v * amount)); };
  return qRgb(channel(qRed(c)), channel(qGreen(c)), channel(qBlue(c)));
}

}  // namespace

QImage THemisphereButton::currentGlyph() const {
  if (glyph_.isNull()) return {};
  const int w = glyph_.width() / std::max(1, numGlyphs_);
  return glyph_.copy(w * (glyphIndex_ - 1), 0, w, glyph_.height()).convertToFormat(QImage::Format_RGB32);
}

void THemisphereButton::BuildImages() {
  if (width() < 2 || height() < 2) return;
  rendered_ = size();
  // Rendered in the screen's own pixels: every measure below is in device pixels, so the dome,
  // the rings and the caption stay sharp at 200 %; the logical size and the hit test do not change.
  ratio_ = std::max(1.0, devicePixelRatioF());
  const double r = ratio_;
  const int W = static_cast<int>(std::lround(width() * r));
  const int H = static_cast<int>(std::lround(height() * r));
  const int k = (bevelInner_ != hbNone) + (bevelOuter_ != hbNone);
  const double b = k > 0 ? bevelWidth_ * r : 0;
  const Ellipse whole(0, 0, W, H);
  const Ellipse inset1(b, b, W - b, H - b);
  const Ellipse inset2(2 * b, 2 * b, W - 2 * b, H - 2 * b);
  const Ellipse& face = k == 2 ? inset2 : inset1;
  const double cx = W / 2.0;
  const double cy = H / 2.0;

  const QImage picture = currentGlyph();
  const QRgb transparent = picture.isNull() ? 0 : glyph_.pixel(0, glyph_.height() - 1) | 0xFF000000u;
  // A flat glyph keeps its logical size: centred as at 1x, each of its pixels r device pixels.
  const double flatLeft = ((width() - picture.width()) / 2) * r;
  const double flatTop = ((height() - picture.height()) / 2) * r;

  QImage up(W, H, QImage::Format_RGB32);
  QImage downFace(W, H, QImage::Format_RGB32);
  QImage rings(W, H, QImage::Format_RGB32);
  imageMask_ = QImage(W, H, QImage::Format_RGB32);
  up.fill(Qt::black);
  downFace.fill(Qt::black);
  rings.fill(Qt::black);
  imageMask_.fill(Qt::white);
  std::vector<char> faceArea(static_cast<std::size_t>(W) * static_cast<std::size_t>(H), 0);
  const auto onFace = [&](int px, int py) -> char& {
    return faceArea[static_cast<std::size_t>(py) * static_cast<std::size_t>(W) +
                    static_cast<std::size_t>(px)];
  };

  for (int py = 0; py < H; ++py) {
    for (int px = 0; px < W; ++px) {
      if (!whole.contains(px, py)) continue;
      imageMask_.setPixel(px, py, qRgb(0, 0, 0));
      if (face.contains(px, py)) {
        onFace(px, py) = 1;
        continue;
      }
      // The outer ring lies between the control's ellipse and the first inset; with two bevels
      // the inner one lies between the first and the second inset.
      THemisphereBevel bevel = bevelOuter_ != hbNone ? bevelOuter_ : bevelInner_;
      if (k == 2 && inset1.contains(px, py)) bevel = bevelInner_;
      rings.setPixel(px, py, ringColour(px, py, cx, cy, bevel == hbRaised));
    }
  }

  for (int py = 0; py < H; ++py) {
    for (int px = 0; px < W; ++px) {
      if (!onFace(px, py)) continue;
      const double x = (px + 0.5 - cx) / (W / 2.0);
      const double y = (py + 0.5 - cy) / (H / 2.0);
      const double z = 1.0 - std::sqrt(x * x + y * y);
      bool onGlyph = false;
      QRgb colour = faceColor_.rgb();
      if (!picture.isNull()) {
        int gx = 0;
        int gy = 0;
        if (glyphMapped_) {
          gx = static_cast<int>(std::floor(std::atan2(z, -x) * (picture.width() - 1) / std::numbers::pi));
          gy = static_cast<int>(std::floor(std::atan2(z, -y) * (picture.height() - 1) / std::numbers::pi));
        } else {
          gx = static_cast<int>(std::floor((px - flatLeft) / r));
          gy = static_cast<int>(std::floor((py - flatTop) / r));
        }
        if (picture.valid(gx, gy)) {
          const QRgb g = picture.pixel(gx, gy);
          if (!(glyphTransparent_ && g == transparent)) {
            onGlyph = true;
            colour = g;
          }
        }
      }
      if (!onGlyph && faceTransparent_) {
        imageMask_.setPixel(px, py, qRgb(255, 255, 255));
        continue;
      }
      const bool shaded = onGlyph ? glyphShaded_ : faceShaded_;
      const double amount = lightTerm(x, y, z) * attenControl_;
      up.setPixel(px, py, shaded ? shade(colour, amount) : colour);
      downFace.setPixel(px, py, shaded ? shade(colour, -amount) : colour);
    }
  }

  if (!caption_.isEmpty()) {
    const QFontMetrics metrics(font());
    const int tw = metrics.horizontalAdvance(caption_);
    const int th = metrics.height();
    const QRect at(roundEven((width() - tw - 2) / 2.0), roundEven((height() - th - 2) / 2.0), tw + 2, th + 2);
    const auto write = [&](QImage& image, const QColor& colour) {
      image.setDevicePixelRatio(r);
      QPainter p(&image);
      p.setFont(font());
      p.setPen(colour);
      p.drawText(at, Qt::AlignLeft | Qt::AlignTop, caption_);
    };
    // The face is always the light metal of the pictures, so a dark theme's light button text
    // would vanish on it.
    const QColor themed = palette().color(QPalette::ButtonText);
    const QColor text = themed.lightness() < 128 ? themed : QColor(33, 37, 41);
    write(up, text);
    // Lowered, a small face turns dark where the caption sits: there the caption is written
    // light, or it could not be read while the button is down.
    const QRect under = QRectF(QPointF(at.topLeft()) * r, QSizeF(at.size()) * r).toRect();
    double lightness = 0;
    int counted = 0;
    for (int py = std::max(0, under.top()); py <= std::min(downFace.height() - 1, under.bottom()); ++py)
      for (int px = std::max(0, under.left()); px <= std::min(downFace.width() - 1, under.right()); ++px) {
        lightness += QColor(downFace.pixel(px, py)).lightness();
        ++counted;
      }
    write(downFace, counted > 0 && lightness / counted < kDarkFaceLightness ? QColor(244, 244, 244) : text);
    if (faceTransparent_) write(imageMask_, Qt::black);
  }

  // Each face keeps only the face area; the rings fill the band around it.
  imageOut_ = rings;
  imageIn_ = rings;
  for (int py = 0; py < H; ++py) {
    for (int px = 0; px < W; ++px) {
      if (!onFace(px, py)) continue;
      imageOut_.setPixel(px, py, up.pixel(px, py));
      imageIn_.setPixel(px, py, downFace.pixel(px, py));
    }
  }
  if (borderStyle_ == bsSingle) {
    const int inset = k * bevelWidth_;
    for (QImage* image : {&imageOut_, &imageIn_}) {
      image->setDevicePixelRatio(r);
      QPainter p(image);
      p.setPen(borderColor_);
      p.drawEllipse(QRect(inset, inset, width() - 2 * inset - 1, height() - 2 * inset - 1));
    }
  }

  // What paint draws: the faces see-through wherever the mask is white.
  const auto masked = [this](const QImage& faceImage) {
    QImage out = faceImage.convertToFormat(QImage::Format_ARGB32);
    for (int py = 0; py < out.height(); ++py)
      for (int px = 0; px < out.width(); ++px)
        if (qRed(imageMask_.pixel(px, py)) > 127) out.setPixel(px, py, 0);
    return out;
  };
  for (QImage* image : {&imageOut_, &imageIn_, &imageMask_}) image->setDevicePixelRatio(r);
  paintOut_ = masked(imageOut_);
  paintIn_ = masked(imageIn_);
  paintOut_.setDevicePixelRatio(r);
  paintIn_.setDevicePixelRatio(r);
}

}  // namespace strumly::gui
