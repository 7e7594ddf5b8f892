#pragma once
// Files the program writes whole (saves and exports) go through "<target>.tmp", renamed over the
// target once complete: a failed write never leaves half a file and never touches the old one.
// The reason a write failed is told as a sentence that names the target, never the temporary
// file the user did not choose: "Could not write out.pdf: No space left on device."
#include <filesystem>
#include <functional>
#include <string>

namespace strumly {

// `write` fills the temporary file and answers whether it succeeded; the system's reason is
// taken from errno as the failing call left it. Empty on success, else the reason; the temporary
// file is gone either way.
std::string writeThroughTemporary(const std::filesystem::path& target,
                                  const std::function<bool(const std::filesystem::path& temporary)>& write);

// The same for a writer that knows its own reason (Qt's devices keep theirs): `write` answers
// empty on success, else the system's reason ("No space left on device").
std::string writeThroughTemporaryWithReason(
    const std::filesystem::path& target,
    const std::function<std::string(const std::filesystem::path& temporary)>& write);

// "Could not write <target>: <reason>."
std::string couldNotWrite(const std::filesystem::path& target, const std::string& reason);

}  // namespace strumly
