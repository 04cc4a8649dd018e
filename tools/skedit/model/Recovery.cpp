#include "tools/skedit/model/Recovery.h"

#include <unistd.h>

#include "common/FileIo.h"
#include "common/IniFile.h"
#include "tools/skedit/model/DescriptionText.h"

namespace sk::edit {
namespace {

constexpr const char* kRecoverySection = "SKEDIT Recovery";

}  // namespace

bool WriteRecovery(const std::string& recovery_file, const TOpenedMap& work,
                   const std::string& source_map, std::string* reason) {
  std::string text = DescriptionText(work.Map);
  text += "\n[" + std::string(kRecoverySection) + "]\n";
  text += "DescriptionFile=\"" + work.DescriptionFile + "\"\n";
  if (work.Pending) text += "SourceMap=\"" + source_map + "\"\n";
  if (!MakeFolders(FolderOf(recovery_file), reason)) return false;
  return ReplaceFileAtomically(recovery_file,
                               std::vector<std::uint8_t>(text.begin(), text.end()), reason);
}

std::optional<TOpenedMap> ReadRecovery(const std::string& recovery_file) {
  if (GetFileKind(recovery_file) != FileKind::Regular) return std::nullopt;
  const IniFile ini = IniFile::Load(recovery_file);
  const std::string description = ini.ReadString(kRecoverySection, "DescriptionFile", "");
  if (description.empty()) return std::nullopt;
  try {
    TOpenedMap work{ReadMapDescription(ini), description, std::nullopt};
    const std::string source = ini.ReadString(kRecoverySection, "SourceMap", "");
    if (!source.empty()) {
      std::string problem;
      const auto from_map = OpenMapFile(source, problem);
      if (!from_map) return std::nullopt;
      work.Pending = from_map->Pending;
    }
    return work;
  } catch (const BuildFailure&) {
    return std::nullopt;
  }
}

void RemoveRecovery(const std::string& recovery_file) { ::unlink(recovery_file.c_str()); }

}  // namespace sk::edit
