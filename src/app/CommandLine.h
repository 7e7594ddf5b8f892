#pragma once
// The options that answer at once, without a window: --help (-h) prints the usage, --version the
// version; an option the program does not know prints the usage on the error output and ends the
// program with status 2, rather than opening a window the user did not mean to open.
#include <QStringList>
#include <optional>
#include <string>

namespace strumly {

// The exit status when the arguments were answered here; nullopt when the program goes on.
std::optional<int> answerInfoOptions(const QStringList& arguments);

// A windowless command that cannot go on: the reason on the error output, exit status 1.
int failCommand(const std::string& reason);

}  // namespace strumly
