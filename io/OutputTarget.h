#pragma once

// Where a write to a path lands: one of this process's open descriptors, a
// device or pipe written in place, or a regular file (new or existing) at the
// end of any symbolic links.

#include <sys/stat.h>

#include <string>

namespace spln {

struct OutputTarget {
    enum class Kind {
        File,        // a regular file to create or replace at path
        Descriptor,  // this process's descriptor fd
        InPlace,     // a device, a pipe or another process's descriptor, opened at path
    };
    Kind kind = Kind::File;
    int fd = -1;
    std::string path;         // File: links followed; InPlace: the path to open
    bool exists = false;      // File: there is a file to replace
    struct stat status = {};  // File that exists: its owner and mode
};

// Follows path to what a write would reach. False with the reason (a missing
// folder, a folder as the target, a loop of links, what the system said) when
// nothing can be written there.
bool ResolveOutput(const std::string& path, OutputTarget& target, std::string* reason);

// The folder a file's temporary file goes in: the path's own folder, "." for
// a bare name.
std::string FolderOf(const std::string& path);

// A folder as messages name it: its absolute, resolved name where there is one.
std::string ShownFolder(const std::string& folder);

}  // namespace spln
