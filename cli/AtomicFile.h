#pragma once

// Writing a whole file so that a reader sees the old content or the new, never
// a part: the text goes to a temporary file in the target's folder, is flushed
// to the disk and then renamed over the target.

#include <string>
#include <string_view>

namespace spln::cli {

// False with the reason (naming path) in error when the file could not be
// written; the old file, if any, is then left as it was.
bool WriteFileAtomically(const std::string& path, std::string_view text, std::string& error);

}  // namespace spln::cli
