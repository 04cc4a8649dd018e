#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "game/resources/ArchiveFormat.h"
#include "game/resources/MemoryStream.h"

namespace sk {

// The data archive, Skarveth.dat, and the Data folder whose loose files override its members.
// The archive stays open from OpenArchive to CloseArchive.
class SKData {
 public:
  SKData() = default;
  ~SKData() { CloseArchive(); }
  SKData(const SKData&) = delete;
  SKData& operator=(const SKData&) = delete;

  // Opens the archive file; members are then looked for in `override_folder` (ending in '/')
  // first. False (nothing left open) for a missing file, fewer than 14 bytes or a wrong magic;
  // a truncated directory throws "Stream read error".
  bool OpenArchive(const std::string& archive_file, const std::string& override_folder);
  void CloseArchive();
  bool IsOpen() const { return archive_file_ >= 0; }

  // Index of the last entry whose name matches without regard to case, or -1.
  int FindMember(std::string_view name) const;
  // Fills `stream` with the member (a loose regular file in Data/ wins; its name is matched
  // exactly first, then without regard to case), or leaves it empty when neither exists.
  // Throws "Stream read error" for member data beyond the archive's end or above
  // kMaxMemberSize, and "Cannot open file <path>" for an override file that exists but cannot
  // be read or is larger than kMaxMemberSize.
  void LoadMember(std::string_view name, TMemoryStream& stream) const;

  const std::vector<TFileEntry>& ArchiveDir() const { return archive_dir_; }

 private:
  bool LoadOverride(std::string_view name, TMemoryStream& stream) const;
  void ReadArchiveBytes(const TFileEntry& entry, TMemoryStream& stream) const;

  std::string override_folder_;
  std::vector<TFileEntry> archive_dir_;
  int archive_file_ = -1;
  std::int64_t archive_size_ = 0;
};

}  // namespace sk
