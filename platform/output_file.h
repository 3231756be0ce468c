// Writing a program's whole output, without Qt: to standard output, or to the file a command
// line names. Both report failure as a result; nothing is thrown.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace varnex::platform {

enum class WriteOutcome { Written, BrokenPipe, Failed };

struct WriteResult {
    WriteOutcome outcome = WriteOutcome::Written;
    std::string message;  // for Failed: the system's reason, and the path for a file
};

// Output made as it goes: called once, it writes the whole output to the stream it is given.
// The stream throws once a write fails (badbit is among its exceptions), so the writer stops
// there. Whatever the writer throws (no memory, no thread, a library's failure) is a failure to
// make the output: the result is Failed with its reason, and a file keeps its old content.
using OutputWriter = std::function<void(std::ostream& out)>;

// Writes the writer's output to standard output, in pieces of 64 KiB as it is made, through
// short writes and interruptions. A reader that has gone away (EPIPE, with SIGPIPE ignored)
// is BrokenPipe.
WriteResult writeToStandardOutput(const OutputWriter& write);

// Writes the output to the file `path` names. Afterwards a regular file holds either its old
// content or the whole new output, never a part of it, whatever fails (a full disk, a size
// limit, no memory, a signal):
// - a path that leads to a descriptor this program holds is written through it as it stands,
//   as standard output is (a file opened for appending is appended to): standard output and
//   error by what they are (the same file, pipe or device: /dev/stdout, /proc/PID/fd/1, or
//   the log itself), any other by an entry of the program's own descriptor folder
//   (/dev/fd/N, /proc/self/fd/N, /proc/thread-self/fd/N);
// - a device or a named pipe is written where it is, as the shell's `>` would; a pipe that no
//   program opens for reading within kReaderWaitSeconds is given up, not waited for for ever;
// - a regular file is replaced by a new file made in its folder (unnamed until it is whole,
//   where the system can), which takes the old one's owner, permissions (setgid included) and
//   extended attributes (POSIX ACLs among them) and is renamed over it;
// - written in place instead: a file with other hard links, a file in a folder the user may
//   not write, a file whose owner or attributes the new file could not take. The output is
//   made first into an unnamed scratch file; then the space for it is reserved (fallocate(2),
//   or where the file system has none, a check of its free space; and the size limit), the
//   old bytes are copied aside, and the new ones copied in with the signals that end the
//   program held back; a failure at any step leaves the old bytes and size;
// - a new file gets 0666 less the umask; a file the user may not write is refused;
// - symbolic links are followed, part by part as the kernel does (a folder's too), a dangling
//   one too (its target is made), except a link that lies in a sticky folder anyone may write
//   to (/tmp) and belongs to neither the user nor the folder's owner: another user may have
//   planted it there, so it is refused. An existing file or named pipe there that belongs to
//   neither is refused for the same reason.
// While a named temporary file exists, the signals that would end the program (SIGINT, SIGTERM,
// SIGHUP, SIGQUIT, SIGALRM, SIGUSR1, SIGUSR2, SIGXCPU, SIGVTALRM, SIGPROF, SIGABRT) remove it
// before the program ends as the signal says; a signal ignored when the program started stays
// ignored.
WriteResult writeOutputFile(const std::string& path, const OutputWriter& write);

inline constexpr int kReaderWaitSeconds = 10;

}  // namespace varnex::platform
