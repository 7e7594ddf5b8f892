#pragma once
// Record texts are stored in the Windows Latin-1 code page (1252); these convert them to and from
// the text the screen shows. Characters the code page lacks become '?'.
#include <QString>
#include <string>
#include <string_view>

namespace strumly::gui {

QString fromRecordText(std::string_view bytes);
std::string toRecordText(const QString& text);

}  // namespace strumly::gui
