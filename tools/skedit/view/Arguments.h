#pragma once
#include <optional>
#include <string>
#include <vector>

namespace sk::edit {

// skedit [FILE.ini | FILE.map] | --new FILE.ini --background PICTURE.jpg [--mask MASK.bmp]
struct TEditorArguments {
  std::string File;  // a description or map to open
  std::string NewDescription, NewBackground, NewMask;
  bool Help = false;
  bool Version = false;
};

// Nothing, with the reason in `problem`, for a command line that makes no sense.
std::optional<TEditorArguments> ParseEditorArguments(const std::vector<std::string>& args,
                                                     std::string& problem);
std::string EditorUsage();

}  // namespace sk::edit
