#pragma once
// The program's two looks. Each sets every colour role of every colour group itself, so nothing of
// the desktop's palette shows through (a dark desktop otherwise leaks its near-black frame and
// separator colours into the light window). Page pictures are paper in both: they are drawn white
// whatever the palette says, and the page canvases are styled white as well.
#include <QColor>
#include <QPalette>
#include <QString>
#include <optional>

class QApplication;

namespace strumly::gui {

class Theme {
 public:
  enum class Scheme { Light, Dark };

  // What tells the desktop's preference, strongest first; empty or unset when unknown.
  struct Hints {
    QString choice;                    // STRUMLY_THEME: "light" or "dark"
    std::optional<Scheme> qt;          // Qt's colour scheme (Qt 6.5 and later)
    QString gnomeColorScheme;          // gsettings org.gnome.desktop.interface color-scheme
    QString gtkTheme;                  // GTK_THEME, e.g. "Adwaita:dark"
    QString gtkSettings;               // the text of ~/.config/gtk-3.0/settings.ini
    bool platformPaletteDark = false;  // the palette Qt's platform offers has a dark window
  };
  static Scheme choose(const Hints& hints);
  // "light" or "dark", in any case; nothing for any other text.
  static std::optional<Scheme> named(const QString& text);
  // The hints of this session; call before the program's palette is applied (the platform's
  // palette is one of them).
  static Hints desktopHints();

  explicit Theme(Scheme scheme);
  Scheme scheme() const { return scheme_; }
  const QPalette& palette() const { return palette_; }
  // The style sheet of the tool and bottom panels, read-outs, up/down buttons and page canvases.
  QString styleSheet() const;
  // Fusion, the palette and the style sheet on the whole application.
  void apply(QApplication& app) const;

 private:
  Scheme scheme_;
  QPalette palette_;
};

}  // namespace strumly::gui
