#pragma once

// Opening a file to read without ever waiting on it. A regular file is read;
// a pipe or a terminal only when it is the standard input the user handed
// over (/dev/stdin, /dev/fd/0); anything else is refused before a byte is
// read. Plain POSIX and no allocation, so that an engine run may use it.

#include <string_view>

namespace spln {

// The UTF-8 byte-order mark some editors put at the start of a text file; the
// readers skip it there.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// What a path named, as far as reading goes.
enum class InputKind {
    RegularFile,  // read
    Pipe,         // a named pipe (FIFO), or a pipe other than standard input
    Device,       // a terminal other than standard input, or another device
    Socket,
};

struct InputOpening {
    int fd = -1;                                 // open for reading (blocking), or -1
    int error = 0;                               // errno when the path could not be opened; EISDIR for a folder
    InputKind refused = InputKind::RegularFile;  // what the path named when it is not read (error 0)
};

// Opens path for reading. Opening never blocks: a named pipe without a
// writer is refused at once. The caller closes fd.
InputOpening OpenInput(const char* path);

// Why a refused kind is not read, as the end of a sentence about the file:
// "is a pipe, not a regular file; ...".
const char* NotReadBecause(InputKind kind);

}  // namespace spln
