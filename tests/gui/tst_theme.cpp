// The light and dark themes: complete palettes that read well, the desktop's preference, and page
// pictures that stay paper under the dark one.
#include <QApplication>
#include <QTest>
#include <cmath>

#include "gui/chords/ChordsPage.h"
#include "gui/common/Page.h"
#include "gui/common/Theme.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double luminance(const QColor& c) {
  const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

enum class Kind { Background, Foreground, Bevel, Accent };
Kind kindOf(QPalette::ColorRole role) {
  switch (role) {
    case QPalette::Window:
    case QPalette::Base:
    case QPalette::AlternateBase:
    case QPalette::Button:
    case QPalette::ToolTipBase:
      return Kind::Background;
    case QPalette::WindowText:
    case QPalette::Text:
    case QPalette::ButtonText:
    case QPalette::ToolTipText:
    case QPalette::PlaceholderText:
      return Kind::Foreground;
    case QPalette::Light:
    case QPalette::Midlight:
    case QPalette::Mid:
    case QPalette::Dark:
    case QPalette::Shadow:
      return Kind::Bevel;
    default:
      return Kind::Accent;  // Highlight, HighlightedText, Link, LinkVisited, BrightText, Accent
  }
}

const QList<QPalette::ColorGroup> kGroups{QPalette::Active, QPalette::Inactive, QPalette::Disabled};

}  // namespace

class ThemeTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Every role of every group is the theme's own, and each flips the way its kind must.
  void everyRoleIsSetAndFlipsBetweenTheThemes() {
    const QPalette light = Theme(Theme::Scheme::Light).palette();
    const QPalette dark = Theme(Theme::Scheme::Dark).palette();
    for (QPalette::ColorGroup group : kGroups) {
      for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = static_cast<QPalette::ColorRole>(r);
        if (role == QPalette::NoRole) continue;
        const QByteArray what = QByteArray::number(group) + "/" + QByteArray::number(r);
        QVERIFY2(light.isBrushSet(group, role) && dark.isBrushSet(group, role), what);
        const int l = light.color(group, role).lightness(), d = dark.color(group, role).lightness();
        switch (kindOf(role)) {
          case Kind::Background:
            QVERIFY2(l > 200 && d < 80, what);
            break;
          case Kind::Foreground:  // darker than the window in light, lighter in dark; greyed alike
            QVERIFY2(l < light.color(group, QPalette::Window).lightness(), what);
            QVERIFY2(d > dark.color(group, QPalette::Window).lightness(), what);
            QVERIFY2(group == QPalette::Disabled || d > l, what);
            break;
          case Kind::Bevel:
            QVERIFY2(d < l, what);
            break;
          case Kind::Accent:
            break;  // readable on its background, below
        }
      }
      // The bevel shades run from Light down to Shadow around the button face in both.
      for (const QPalette& p : {light, dark}) {
        const auto shade = [&](QPalette::ColorRole role) { return p.color(group, role).lightness(); };
        QVERIFY(shade(QPalette::Light) >= shade(QPalette::Midlight));
        QVERIFY(shade(QPalette::Midlight) >= shade(QPalette::Button));
        QVERIFY(shade(QPalette::Button) >= shade(QPalette::Mid));
        QVERIFY(shade(QPalette::Mid) >= shade(QPalette::Dark));
        QVERIFY(shade(QPalette::Dark) >= shade(QPalette::Shadow));
      }
    }
  }

  // Text meets the WCAG 4.5:1 ratio on its background in both themes (placeholders 3:1); disabled
  // text stays visible but reads weaker than enabled text.
  void textIsReadableAndDisabledTextLooksDisabled() {
    const QList<std::pair<QPalette::ColorRole, QPalette::ColorRole>> pairs{
        {QPalette::WindowText, QPalette::Window},       {QPalette::Text, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button},       {QPalette::HighlightedText, QPalette::Highlight},
        {QPalette::ToolTipText, QPalette::ToolTipBase}, {QPalette::Link, QPalette::Base},
        {QPalette::LinkVisited, QPalette::Base},        {QPalette::Text, QPalette::AlternateBase}};
    for (Theme::Scheme scheme : {Theme::Scheme::Light, Theme::Scheme::Dark}) {
      const QPalette p = Theme(scheme).palette();
      for (const auto& [text, back] : pairs)
        QVERIFY2(contrast(p.color(QPalette::Active, text), p.color(QPalette::Active, back)) >= 4.5,
                 QByteArray::number(text));
      QVERIFY(contrast(p.color(QPalette::PlaceholderText), p.color(QPalette::Base)) >= 3);
      for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::ButtonText}) {
        const QPalette::ColorRole back = text == QPalette::WindowText ? QPalette::Window : QPalette::Button;
        const double off = contrast(p.color(QPalette::Disabled, text), p.color(QPalette::Disabled, back));
        QVERIFY(off >= 1.8);
        QVERIFY(off < contrast(p.color(QPalette::Active, text), p.color(QPalette::Active, back)) / 2);
      }
    }
  }

  // A choice of the user's own wins; then Qt, the GNOME colour scheme and the GTK settings.
  void followsTheDesktopPreference() {
    using S = Theme::Scheme;
    QCOMPARE(Theme::choose({}), S::Light);
    QCOMPARE(Theme::choose({.choice = "Dark", .gnomeColorScheme = "prefer-light"}), S::Dark);
    QCOMPARE(Theme::choose({.choice = "light", .qt = S::Dark}), S::Light);
    QCOMPARE(Theme::choose({.choice = "blue", .gnomeColorScheme = "prefer-dark"}), S::Dark);
    QCOMPARE(Theme::choose({.qt = S::Light, .gnomeColorScheme = "prefer-dark"}), S::Light);
    QCOMPARE(Theme::choose({.gtkTheme = "Adwaita:dark"}), S::Dark);
    QCOMPARE(Theme::choose({.gnomeColorScheme = "default",
                            .gtkSettings = "[Settings]\n"
                                           "gtk-application-prefer-dark-theme = 1\n"}),
             S::Dark);
    QCOMPARE(Theme::choose({.gtkSettings = "[Settings]\ngtk-theme-name=Arc-Dark\n"}), S::Dark);
    QCOMPARE(Theme::choose({.gtkSettings = "[Settings]\ngtk-theme-name=Adwaita\n"}), S::Light);
  }

  // Last, as the theme stays on the application. A desktop palette of one loud colour shows
  // nowhere once the dark theme is on; the page pictures and canvases stay white paper.
  void darkThemeLeavesNothingOfTheDesktopAndPagesStayPaper() {
    auto& app = *qobject_cast<QApplication*>(QApplication::instance());
    const QColor loud(255, 0, 255);
    QPalette desktop;
    for (QPalette::ColorGroup group : kGroups)
      for (int r = 0; r < QPalette::NColorRoles; ++r)
        if (r != QPalette::NoRole) desktop.setColor(group, static_cast<QPalette::ColorRole>(r), loud);
    app.setPalette(desktop);
    Theme(Theme::Scheme::Dark).apply(app);
    for (QPalette::ColorGroup group : kGroups)
      for (int r = 0; r < QPalette::NColorRoles; ++r)
        if (r != QPalette::NoRole)
          QVERIFY(QApplication::palette().color(group, static_cast<QPalette::ColorRole>(r)) != loud);

    ProgramFixture program({.page = PageId::Chords});
    program.showChords(4, program.parts->mainMenu().menuMinor(), "m7");  // E m7
    QWidget& window = program.parts->mainWindow();
    QVERIFY(window.palette().color(QPalette::Window).lightness() < 80);
    QWidget* picture = program.parts->chordsPage().placementImage();
    const QImage shot = picture->grab().toImage();
    QVERIFY(shot.pixelColor(2, 2).lightness() > 240);
    QVERIFY(shot.pixelColor(shot.width() - 3, shot.height() - 3).lightness() > 240);
    // The diagrams are still drawn dark on it.
    int ink = 0;
    for (int y = 0; y < shot.height(); y += 2)
      for (int x = 0; x < shot.width(); x += 2) ink += shot.pixelColor(x, y).lightness() < 80;
    QVERIFY(ink > 100);
    // So are the other pages' pictures.
    for (PageId id : {PageId::PlayPage, PageId::Print, PageId::Scales}) {
      program.parts->pages().activate(id);
      QWidget* other = program.parts->pages().current()->placementImage();
      QVERIFY(other);
      QVERIFY(other->grab().toImage().pixelColor(2, 2).lightness() > 240);
    }
  }
};

QTEST_MAIN(ThemeTest)
#include "tst_theme.moc"
