#pragma once

// Writing a whole file safely: the bytes go to a temporary file in the
// target's folder, which is renamed over the target only once every byte is
// on disk. A failed write leaves an earlier file as it was and nothing new.

#include <string>
#include <string_view>

namespace spln {

// Writes bytes as the complete contents of the file at path. Returns false,
// with the reason in *reason (when reason is not null; for example "it is a
// folder" or "No space left on device"), when the file could not be written.
// A symbolic link is followed: the file it names is replaced, the link kept.
// A new file gets the usual permissions; a replaced one keeps its own.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* reason = nullptr);

}  // namespace spln
