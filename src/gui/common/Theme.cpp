#include "gui/common/Theme.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QStyleHints>
#include <algorithm>
#include <utility>
#include <vector>

namespace strumly::gui {
namespace {

// One look: the palette's colours of the active and inactive groups, the disabled ones, and the
// few extra colours of the style sheet.
struct Colours {
  std::vector<std::pair<QPalette::ColorRole, QColor>> roles;
  std::vector<std::pair<QPalette::ColorRole, QColor>> disabled;  // over `roles`
  std::vector<std::pair<const char*, QColor>> sheet;             // "@name" in the style sheet
};

const Colours& lightColours() {
  static const Colours c{{{QPalette::Window, {243, 244, 246}},
                          {QPalette::WindowText, {33, 37, 41}},
                          {QPalette::Base, {255, 255, 255}},
                          {QPalette::AlternateBase, {248, 249, 250}},
                          {QPalette::ToolTipBase, {255, 255, 225}},
                          {QPalette::ToolTipText, {33, 37, 41}},
                          {QPalette::PlaceholderText, {122, 129, 137}},
                          {QPalette::Text, {33, 37, 41}},
                          {QPalette::Button, {236, 238, 241}},
                          {QPalette::ButtonText, {33, 37, 41}},
                          {QPalette::BrightText, {255, 255, 255}},
                          {QPalette::Light, {255, 255, 255}},
                          {QPalette::Midlight, {246, 247, 249}},
                          {QPalette::Mid, {190, 195, 201}},
                          {QPalette::Dark, {160, 166, 173}},
                          {QPalette::Shadow, {110, 116, 123}},
                          {QPalette::Highlight, {30, 110, 190}},
                          {QPalette::HighlightedText, {255, 255, 255}},
                          {QPalette::Link, {0, 90, 180}},
                          {QPalette::LinkVisited, {110, 50, 160}}},
                         {{QPalette::WindowText, {150, 156, 163}},
                          {QPalette::Text, {150, 156, 163}},
                          {QPalette::ButtonText, {150, 156, 163}},
                          {QPalette::Base, {243, 244, 246}},
                          {QPalette::Button, {240, 241, 243}},
                          {QPalette::Highlight, {180, 186, 193}},
                          {QPalette::HighlightedText, {250, 250, 250}},
                          {QPalette::PlaceholderText, {170, 175, 181}}},
                         {{"panelTop", {251, 251, 252}},
                          {"panelBottom", {236, 238, 241}},
                          {"border", {214, 217, 222}},
                          {"toolText", {52, 58, 64}},
                          {"hover", {231, 238, 247}},
                          {"hoverBorder", {197, 214, 234}},
                          {"checked", {211, 227, 245}},
                          {"checkedBorder", {143, 180, 221}},
                          {"pressed", {195, 215, 239}},
                          {"spinBorder", {195, 201, 208}},
                          {"spinFace", {255, 255, 255}},
                          {"spinDisabled", {238, 240, 242}},
                          {"caption", {91, 100, 112}},
                          {"readout", {246, 247, 248}},
                          {"readoutBorder", {207, 212, 218}},
                          {"readoutText", {33, 37, 41}}}};
  return c;
}

const Colours& darkColours() {
  static const Colours c{{{QPalette::Window, {45, 47, 51}},
                          {QPalette::WindowText, {225, 228, 232}},
                          {QPalette::Base, {30, 31, 34}},
                          {QPalette::AlternateBase, {38, 40, 44}},
                          {QPalette::ToolTipBase, {60, 63, 68}},
                          {QPalette::ToolTipText, {225, 228, 232}},
                          {QPalette::PlaceholderText, {140, 146, 153}},
                          {QPalette::Text, {225, 228, 232}},
                          {QPalette::Button, {55, 58, 63}},
                          {QPalette::ButtonText, {225, 228, 232}},
                          {QPalette::BrightText, {255, 255, 255}},
                          {QPalette::Light, {80, 84, 90}},
                          {QPalette::Midlight, {67, 71, 76}},
                          {QPalette::Mid, {40, 42, 46}},
                          {QPalette::Dark, {28, 29, 32}},
                          {QPalette::Shadow, {12, 12, 14}},
                          {QPalette::Highlight, {42, 110, 190}},
                          {QPalette::HighlightedText, {255, 255, 255}},
                          {QPalette::Link, {120, 170, 255}},
                          {QPalette::LinkVisited, {190, 150, 255}}},
                         {{QPalette::WindowText, {122, 127, 134}},
                          {QPalette::Text, {122, 127, 134}},
                          {QPalette::ButtonText, {122, 127, 134}},
                          {QPalette::Base, {40, 42, 45}},
                          {QPalette::Button, {48, 50, 54}},
                          {QPalette::Highlight, {70, 74, 80}},
                          {QPalette::HighlightedText, {170, 174, 180}},
                          {QPalette::PlaceholderText, {95, 100, 106}}},
                         {{"panelTop", {52, 55, 60}},
                          {"panelBottom", {40, 42, 46}},
                          {"border", {24, 25, 28}},
                          {"toolText", {222, 226, 230}},
                          {"hover", {62, 70, 82}},
                          {"hoverBorder", {78, 96, 120}},
                          {"checked", {42, 72, 110}},
                          {"checkedBorder", {70, 120, 180}},
                          {"pressed", {36, 62, 96}},
                          {"spinBorder", {80, 84, 90}},
                          {"spinFace", {62, 65, 71}},
                          {"spinDisabled", {45, 47, 51}},
                          {"caption", {170, 176, 184}},
                          {"readout", {36, 38, 42}},
                          {"readoutBorder", {80, 84, 90}},
                          {"readoutText", {225, 228, 232}}}};
  return c;
}

const Colours& coloursOf(Theme::Scheme scheme) {
  return scheme == Theme::Scheme::Dark ? darkColours() : lightColours();
}

// The page canvases stay paper in both looks: the pictures on them are drawn on white.
constexpr const char* kStyleSheet = R"(
    #pnlTop { background: @panelTop; border-bottom: 1px solid @border; }
    #pnlBottom { background: @panelBottom; border-top: 1px solid @border; }
    #pnlTop QToolButton, QToolButton#sbDisplayIntervals {
      border: 1px solid transparent; border-radius: 4px; padding: 2px 4px; color: @toolText; }
    #pnlTop QToolButton:hover, QToolButton#sbDisplayIntervals:hover { background: @hover; border-color: @hoverBorder; }
    #pnlTop QToolButton:checked, QToolButton#sbDisplayIntervals:checked { background: @checked; border-color: @checkedBorder; }
    #pnlTop QToolButton:pressed { background: @pressed; }
    QToolButton#up, QToolButton#down { padding: 0; margin: 0; border: 1px solid @spinBorder; background: @spinFace; }
    QToolButton#up { border-top-left-radius: 3px; border-top-right-radius: 3px; border-bottom: none; }
    QToolButton#down { border-bottom-left-radius: 3px; border-bottom-right-radius: 3px; }
    QToolButton#up:hover, QToolButton#down:hover { background: @hover; }
    QToolButton#up:pressed, QToolButton#down:pressed { background: @pressed; }
    QToolButton#up:disabled, QToolButton#down:disabled { background: @spinDisabled; }
    QFrame[toolSeparator="true"] { color: @border; margin: 3px 4px; }
    QLabel[toolCaption="true"] { color: @caption; padding: 0 3px; }
    QLineEdit[readout="true"], QLabel[readout="true"] {
      background: @readout; border: 1px solid @readoutBorder; border-radius: 3px; color: @readoutText; }
    QLabel[pageCanvas="true"] { background: white; color: #8a929c; }
    QTabWidget::pane { border-top: 1px solid @border; }
    QTabBar::tab { padding: 6px 16px; }
    QPushButton#btnShowChords { padding: 3px 12px; }
  )";

// A line `key=value` of a GTK settings file.
QString gtkSetting(const QString& settings, const QString& key) {
  for (const QString& line : settings.split('\n')) {
    const int equals = line.indexOf('=');
    if (equals > 0 && line.left(equals).trimmed() == key) return line.mid(equals + 1).trimmed();
  }
  return {};
}

QString gnomeColorScheme() {
  const QString gsettings = QStandardPaths::findExecutable("gsettings");
  if (gsettings.isEmpty()) return {};
  QProcess process;
  process.start(gsettings, {"get", "org.gnome.desktop.interface", "color-scheme"});
  if (!process.waitForFinished(1000) || process.exitCode() != 0) {
    process.kill();
    process.waitForFinished(100);
    return {};
  }
  return QString::fromUtf8(process.readAllStandardOutput()).trimmed().remove('\'');
}

}  // namespace

std::optional<Theme::Scheme> Theme::named(const QString& text) {
  const QString t = text.trimmed().toLower();
  if (t == "dark") return Scheme::Dark;
  if (t == "light") return Scheme::Light;
  return std::nullopt;
}

Theme::Scheme Theme::choose(const Hints& hints) {
  if (const auto chosen = named(hints.choice)) return *chosen;
  if (hints.qt) return *hints.qt;
  if (hints.gnomeColorScheme == "prefer-dark") return Scheme::Dark;
  if (hints.gnomeColorScheme == "prefer-light") return Scheme::Light;
  // GTK names a dark variant as "Name:dark" or in the theme's name ("Adwaita-dark").
  if (!hints.gtkTheme.isEmpty())
    return hints.gtkTheme.contains("dark", Qt::CaseInsensitive) ? Scheme::Dark : Scheme::Light;
  const QString preferDark = gtkSetting(hints.gtkSettings, "gtk-application-prefer-dark-theme").toLower();
  if (preferDark == "1" || preferDark == "true") return Scheme::Dark;
  if (gtkSetting(hints.gtkSettings, "gtk-theme-name").contains("dark", Qt::CaseInsensitive))
    return Scheme::Dark;
  return hints.platformPaletteDark ? Scheme::Dark : Scheme::Light;
}

Theme::Hints Theme::desktopHints() {
  Hints hints;
  hints.choice = qEnvironmentVariable("STRUMLY_THEME");
  // Off screen there is no desktop to follow, and the tests must not depend on the machine's.
  const QString platform = QGuiApplication::platformName();
  if (named(hints.choice) || platform == "offscreen" || platform == "minimal") return hints;
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  switch (QGuiApplication::styleHints()->colorScheme()) {
    case Qt::ColorScheme::Dark:
      hints.qt = Scheme::Dark;
      break;
    case Qt::ColorScheme::Light:
      hints.qt = Scheme::Light;
      break;
    default:
      break;
  }
  if (hints.qt) return hints;
#endif
  hints.gnomeColorScheme = gnomeColorScheme();
  hints.gtkTheme = qEnvironmentVariable("GTK_THEME");
  QFile gtk(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            "/gtk-3.0/settings.ini");
  if (gtk.open(QIODevice::ReadOnly | QIODevice::Text))
    hints.gtkSettings = QString::fromUtf8(gtk.read(64 * 1024));
  hints.platformPaletteDark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
  return hints;
}

Theme::Theme(Scheme scheme) : scheme_(scheme) {
  const Colours& c = coloursOf(scheme);
  for (const auto& [role, colour] : c.roles) palette_.setColor(role, colour);  // every group
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
  palette_.setColor(QPalette::Accent, palette_.color(QPalette::Highlight));
#endif
  for (const auto& [role, colour] : c.disabled) palette_.setColor(QPalette::Disabled, role, colour);
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
  palette_.setColor(QPalette::Disabled, QPalette::Accent,
                    palette_.color(QPalette::Disabled, QPalette::Highlight));
#endif
}

QString Theme::styleSheet() const {
  QString sheet = kStyleSheet;
  // Longer names first, so "@panelTop" is never taken for a shorter one's prefix.
  auto names = coloursOf(scheme_).sheet;
  std::sort(names.begin(), names.end(),
            [](const auto& a, const auto& b) { return qstrlen(a.first) > qstrlen(b.first); });
  for (const auto& [name, colour] : names) sheet.replace(QString("@") + name, colour.name());
  return sheet;
}

void Theme::apply(QApplication& app) const {
  app.setStyle(QStyleFactory::create("Fusion"));
  app.setPalette(palette_);
  app.setStyleSheet(styleSheet());
}

}  // namespace strumly::gui
