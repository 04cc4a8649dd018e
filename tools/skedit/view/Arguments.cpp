#include "tools/skedit/view/Arguments.h"

namespace sk::edit {

std::optional<TEditorArguments> ParseEditorArguments(const std::vector<std::string>& args,
                                                     std::string& problem) {
  TEditorArguments a;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    bool ok = true;
    if (word == "--help" || word == "-h") a.Help = true;
    else if (word == "--version" || word == "-v") a.Version = true;
    else if (word == "--new") ok = value(a.NewDescription);
    else if (word == "--background") ok = value(a.NewBackground);
    else if (word == "--mask") ok = value(a.NewMask);
    else if (word.starts_with("-") || !a.File.empty()) ok = false;
    else a.File = word;
    if (!ok) {
      problem = "cannot make sense of " + word;
      return std::nullopt;
    }
  }
  const bool making = !a.NewDescription.empty() || !a.NewBackground.empty() || !a.NewMask.empty();
  if (making && (a.NewDescription.empty() || a.NewBackground.empty() || !a.File.empty())) {
    problem = "--new needs a description file and --background a JPEG picture";
    return std::nullopt;
  }
  return a;
}

std::string EditorUsage() {
  return "usage: skedit [FILE.ini | FILE.map]\n"
         "       skedit --new FILE.ini --background PICTURE.jpg [--mask MASK.bmp]\n"
         "       skedit --help | --version\n"
         "The map editor of Codename: Skarveth: opens a map description or a built map, or\n"
         "starts a new map on a 640 x 480 JPEG picture. Ctrl+S saves the description and builds\n"
         "the map; F5 plays it in the game.\n";
}

}  // namespace sk::edit
