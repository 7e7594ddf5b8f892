#pragma once
// The options that answer at once, without a window: --help (-h) prints the usage, --version the
// version; an option the program does not know prints the usage on the error output and ends the
// program with status 2, rather than opening a window the user did not mean to open. The
// windowless commands (exports, --convert-tab, --print-pdf) share the checks of their arguments.
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

namespace strumly {

// The exit status when the arguments were answered here; nullopt when the program goes on.
std::optional<int> answerInfoOptions(const QStringList& arguments);

// A windowless command that cannot go on: the reason on the error output, exit status 1.
int failCommand(const std::string& reason);
// Arguments a command cannot take: the reason and the usage on the error output, exit status 2.
int usageError(const std::string& reason);

// The file names among the arguments of `command`, as the user gave them; every option but
// `command` and `flags` is refused ("--" ends the options: what follows is a file name).
// Nothing, with `status` the exit status after telling why, when an option was refused.
std::optional<QStringList> commandFileNames(const QStringList& arguments, const QString& command,
                                            const QStringList& flags, int& status);

// The two files of a windowless command, `COMMAND INPUT OUTPUT`, as the user gave them.
struct CommandFiles {
  std::string input;
  std::string output;
};
// Checks the arguments of `command` before anything is read: exactly two file names, no option
// but `command` and `flags` (and "--", after which every argument is a file name), an output
// name that is not empty and not the input itself (the same file after links are followed).
// Nothing, with `status` the exit status after telling why, when the command must not run.
std::optional<CommandFiles> commandFiles(const QStringList& arguments, const QString& command,
                                         const QStringList& flags, int& status);

// An input the command refused: the reason as it is when it already names the file the user
// gave ("Cannot open x.ppf: ..."), else after the file's name ("x.ppf: This is not ...").
std::string inputFailure(const std::string& input, const std::string& reason);

// Runs a command; a failure nobody foresaw ends it with its reason and status 1, never an abort.
int runGuarded(const std::function<int()>& command);

}  // namespace strumly
