#pragma once
#include <optional>
#include <string>

#include "common/FileDescriptor.h"

namespace sk {

// Where a file is about to be written: the folder that holds it, opened without following
// any link on the way that another user could have planted, and the file's name in it.
struct TWriteTarget {
  FileDescriptor Folder;  // opened with O_PATH; use it with the *at() calls
  std::string Name;       // never a symbolic link when it was looked at
};

// Looks `path` up one part at a time, the way the system would, but takes a symbolic link
// only when the link and the folder holding it belong to this user or to root (the rule the
// kernel's protected-symlinks setting applies in shared folders such as /tmp, kept here
// whatever that setting says). Another user's link could otherwise send the write into any
// file of ours. Nothing, with `reason` saying why, when the path cannot be followed so.
std::optional<TWriteTarget> OpenWriteTarget(const std::string& path, std::string& reason);

}  // namespace sk
