// Writing a program's whole output, without Qt: to a file descriptor (standard output), or
// to a file replaced atomically. Both report failure as a message; nothing is thrown.
#pragma once

#include <string>
#include <string_view>

namespace varnex::platform {

enum class WriteOutcome { Written, BrokenPipe, Failed };

struct WriteResult {
    WriteOutcome outcome = WriteOutcome::Written;
    std::string message;  // for Failed: the system's reason, and the path for a file
};

// Writes all of `text` to the open descriptor `fd`, through short writes and interruptions.
// A reader that has gone away (EPIPE, with SIGPIPE ignored) is BrokenPipe.
WriteResult WriteToDescriptor(int fd, std::string_view text);

// Writes `text` to a new file beside `path`, flushes it to the disk, then renames it over
// `path`: readers see the old file or the whole new one, and a failure (a full disk, a
// missing folder, no permission) leaves `path` as it was. The new file keeps the old one's
// permissions and owner (a new one gets 0666 less the umask); a file the user may not write is
// refused. A symbolic link is followed, a dangling one too. Written in place instead, without
// the atomic replacement: a path that is not a regular file (a device, a pipe), a file with
// other hard links, and a file whose owner the new file could not keep.
WriteResult ReplaceFileAtomically(const std::string& path, std::string_view text);

}  // namespace varnex::platform
