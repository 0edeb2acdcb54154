#pragma once

// Writing whole files safely: the bytes go to a temporary file in the
// target's folder, which is renamed over the target only once every byte is
// on disk. A failed write leaves an earlier file as it was and nothing new.
// A batch does this for several files at once: none is replaced unless every
// one could be written.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace spln {

// Files written together. Add prepares each one:
// - a regular file (new, or replaced keeping its mode and, where the process
//   may set it, its owner) gets its complete temporary file at once; a
//   symbolic link is followed, also a dangling one whose target's folder
//   exists, and the link is kept;
// - a path that names one of this process's descriptors (/dev/stdout,
//   /dev/fd/N, /proc/self/fd/N), a device or a pipe is never renamed over: it
//   is written in place at Commit, a descriptor at its own position and in
//   its own append mode.
// Commit makes the in-place writes in the order they were added, then renames
// every temporary file into place. A batch destroyed without a successful
// Commit removes its temporary files, so nothing is replaced.
class FileBatch {
public:
    FileBatch();
    ~FileBatch();
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    // False, with the reason in *reason (when reason is not null; for example
    // "it is a folder" or "No space left on device"), when the file cannot be
    // written; the batch should then not be committed.
    bool Add(const std::string& path, std::string_view bytes, std::string* reason = nullptr);

    // A write of the caller's own (to a stream, say) made at Commit in its
    // turn among the in-place writes; it returns false with the reason when
    // it fails.
    void AddInPlace(std::function<bool(std::string* reason)> write);

    // True when every in-place write and every rename succeeded. Otherwise
    // false with the reason, and *failed (when not null) set to the position,
    // counted from 0 in the order of Add and AddInPlace, of the entry that
    // failed; the files not yet renamed are left as they were.
    bool Commit(std::string* reason = nullptr, std::size_t* failed = nullptr);

private:
    struct Entry;
    std::vector<Entry> m_entries;
};

// A batch of one file.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* reason = nullptr);

// A file larger than the process's file-size limit (ulimit -f) kills the
// process unless this signal is ignored; ignored, the write fails with "File
// too large" and is reported. Keeps a handler the program has set. Every
// batch calls it; a program calls it at its start so that its other writes
// (standard output) fail in the same way.
void IgnoreFileSizeSignal();

}  // namespace spln
