#pragma once
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/FileDescriptor.h"
#include "common/FileReaders.h"

namespace sk {

enum class FileKind { Missing, Regular, Other };

// What stands at `path` (links followed): nothing, a regular file, or something else
// (a folder, pipe or device), which the game never reads as data.
FileKind GetFileKind(const std::string& path);

// The regular file at `path` (links followed) opened for reading, with its size in `size`; a
// pipe never stalls the open. Invalid when the file is missing, unreadable or not regular.
FileDescriptor OpenRegularFile(const std::string& path, std::uint64_t& size);

// The whole content of a regular file, or nothing when it is missing, not a regular file,
// unreadable, or larger than `max_bytes`.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(
    const std::string& path, std::size_t max_bytes = std::numeric_limits<std::size_t>::max());

// Replaces the file at `path` with `bytes` so that a crash or a full disk leaves either the
// old or the new content, never a mix: a temporary file beside the target is written,
// flushed and renamed over it, and the folder is synced. The temporary file has a name
// nobody can guess and is made only where nothing stood, so nothing planted there is ever
// opened. A symbolic link on the way is followed only when the link and the folder holding
// it belong to the user or root (another user's link in /tmp must not send the write into
// our files). An existing target that is not writable (no write permission, or no write bit
// at all, which stops root too) or not a regular file is a failure and stays as it was.
// The new file keeps the permission bits (never setuid, setgid or sticky) of an old file
// that was the user's own; anything else gets the mode `readers` asks for, so a file another
// user planted lends us nothing. Content that the process's file-size limit (ulimit -f) would
// cut short is refused before anything is written.
// Returns false on any failure, with `reason` (when given) saying why; nothing of a failed
// write is left behind.
bool ReplaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                           std::string* reason = nullptr,
                           FileReaders readers = FileReaders::Everyone);

// The same for the player's own files (settings, scores), which must not be lost just because
// their folder takes no new files: the existing file is then rewritten in place when it is
// writable itself. Its new length is reserved first and the file is cut to it only once the
// new bytes are on disk, so a full disk leaves the old content whole.
bool SaveFile(const std::string& path, std::span<const std::uint8_t> bytes,
              std::string* reason = nullptr);

// Why a file of `size` bytes cannot be written under the process's file-size limit (ulimit
// -f); empty when it can. A write past the limit would land half and raise SIGXFSZ, which
// ends the program.
std::string FileSizeLimitProblem(std::uint64_t size);

// Writes every byte to the open file `fd`, again after an interruption; false on any failure,
// with errno EFBIG and nothing written when the file-size limit would cut the write short.
bool WriteAll(int fd, std::span<const std::uint8_t> bytes);

// Makes `folder` and every missing folder above it, each private to the user (0700), as the
// player's own folders should be. True when it stands as a folder afterwards (an existing one
// is left as it is); false, with `reason` when given, when something else is in the way or a
// folder cannot be made.
bool MakeFolders(const std::string& folder, std::string* reason = nullptr);

// Why ReplaceFileAtomically would refuse `path` now, before anything is written; empty when
// nothing stands in the way.
std::string ReplaceProblem(const std::string& path);

// The folder part of a path ("." when there is none) and the name part. Both '/' and '\'
// separate folders, so paths written on the desktop work here too.
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);
// The path with every '\' turned into '/'.
std::string NormalizeSeparators(std::string path);

// `path` (relative to the current folder, or absolute) as a path inside `folder`, with '/'
// between its parts; nothing when it lies outside. Judged by the names alone ("a/../b" is
// "b"), the way a path built on `folder` is read back.
std::optional<std::string> PathInFolder(const std::string& path, const std::string& folder);

// Why the file at `path` cannot be opened for reading as a regular file, in the system's words
// where it has some ("No such file or directory", "Is a directory", ...); empty when it can.
// For messages to a person only.
std::string OpenProblem(const std::string& path);

}  // namespace sk
