// Writing a program's whole output, without Qt: to a file descriptor (standard output), or to
// the file a command line names. Both report failure as a message; nothing is thrown.
#pragma once

#include <functional>
#include <iosfwd>
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
WriteResult writeToDescriptor(int fd, std::string_view text);

// writeToDescriptor on standard output.
WriteResult writeToStandardOutput(std::string_view text);

// Output made as it goes: called once, it writes the whole output to the stream it is given.
// Once a write fails the stream is bad; the writer may look (out.good()) and stop early.
using OutputWriter = std::function<void(std::ostream& out)>;

// The same from a writer, the output passed on in pieces of 64 KiB as it is made.
WriteResult writeToDescriptor(int fd, const OutputWriter& write);
WriteResult writeToStandardOutput(const OutputWriter& write);

// Writes `text` to the file `path` names. Afterwards a regular file holds either its old
// content or the whole of `text`, never a part of it, whatever fails (a full disk, a size limit,
// a signal):
// - /dev/stdout, /dev/stderr, /dev/fd/N and /proc/self/fd/N are this program's descriptors,
//   written as they stand, as standard output is (a file opened for appending is appended to);
// - a device or a pipe is opened and written where it is;
// - a regular file is replaced by a new file made in its folder (unnamed until it is whole,
//   where the system can), which takes the old one's owner, permissions (setgid included) and
//   extended attributes (POSIX ACLs among them) and is renamed over it;
// - written in place instead, after the space for the whole text is reserved (a failure to
//   reserve it leaves the old file whole) and with SIGINT, SIGTERM and SIGHUP held back until
//   it is written: a file with other hard links, a file in a folder the user may not write, a
//   file whose owner or attributes the new file could not take;
// - a new file gets 0666 less the umask; a file the user may not write is refused;
// - symbolic links are followed, part by part as the kernel does (a folder's too), a dangling
//   one too (its target is made), except a link that lies in a sticky folder anyone may write
//   to (/tmp) and belongs to neither the user nor the folder's owner: another user may have
//   planted it there, so it is refused with a message.
// While a named temporary file exists, SIGINT, SIGTERM and SIGHUP remove it before the program
// ends as the signal says.
WriteResult writeOutputFile(const std::string& path, std::string_view text);

// The same from a writer, with the same guarantee: the output goes as it is made into the new
// file (or the descriptor, device or pipe); only a file written in place gets the whole output
// in memory first, to reserve its space before the old content is touched.
WriteResult writeOutputFile(const std::string& path, const OutputWriter& write);

}  // namespace varnex::platform
