#pragma once
// The core and platform layers know no Qt and speak English: their messages (a file that cannot
// be read, a damaged page, an input that went away) reach the interface as English text.
// `coreText` shows such a text in the interface's language. Every message they may hand up is
// listed once with its variable parts as %1, %2 ...; a text that matches an entry is translated
// and its parts filled in again, each part translated too where it is itself a listed message.
// A text no entry matches (a file name, a system's reason) is shown as it came.
#include <QString>
#include <string>

namespace strumly::gui {

QString coreText(const QString& english);
QString coreText(const std::string& english);
QString coreText(const char* english);  // an exception's what()

}  // namespace strumly::gui
