#include "game/shell/CommandLine.h"

#include <string_view>

#include "common/Version.h"

namespace sk {
namespace {

// The option an argument names, and its value when given after '='.
struct TOptionWord {
  std::string_view Name;
  std::string_view Value;
  bool HasValue = false;
};

TOptionWord SplitOption(std::string_view arg) {
  const std::size_t equals = arg.find('=');
  if (!arg.starts_with("--") || equals == std::string_view::npos) return {arg, {}, false};
  return {arg.substr(0, equals), arg.substr(equals + 1), true};
}

// Takes the option's value (after '=' or the next argument) into `target`; false with the
// error set when there is none, or when the option came before.
bool TakeValue(const TOptionWord& word, int argc, const char* const* argv, int& i,
               std::string& target, TCommandLine& command) {
  const std::string name(word.Name);
  if (!target.empty()) {
    command.Error = name + " is given twice";
    return false;
  }
  std::string_view value = word.Value;
  if (!word.HasValue && i + 1 < argc) value = argv[++i];
  if (value.empty()) {
    command.Error = name + " needs a file name";
    return false;
  }
  target = std::string(value);
  return true;
}

}  // namespace

TCommandLine ParseCommandLine(int argc, const char* const* argv) {
  TCommandLine command;
  std::string record;
  std::string play;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const TOptionWord word = SplitOption(arg);
    if (arg == "--help" || arg == "-h" || arg == "--version" || arg == "-v") {
      TCommandLine answer;
      answer.Help = arg == "--help" || arg == "-h";
      answer.Version = !answer.Help;
      return answer;
    } else if (word.Name == "--record") {
      if (!TakeValue(word, argc, argv, i, record, command)) return command;
    } else if (word.Name == "--play") {
      if (!TakeValue(word, argc, argv, i, play, command)) return command;
    } else if (word.Name == "--test-map") {
      if (!TakeValue(word, argc, argv, i, command.TestMap, command)) return command;
    } else {
      command.Error = (arg.starts_with('-') ? "unknown option " : "unexpected argument ") +
                      std::string(word.Name);
      return command;
    }
  }
  if (!play.empty() && (!record.empty() || !command.TestMap.empty())) {
    // A playback runs with the recording's settings and files, test map included.
    command.Error = "--play cannot be combined with --record or --test-map";
    return command;
  }
  if (!play.empty()) {
    command.Kind = TCommandLine::Mode::Play;
    command.File = play;
  } else if (!record.empty()) {
    command.Kind = TCommandLine::Mode::Record;
    command.File = record;
  }
  return command;
}

TStartOptions StartOptions(const TCommandLine& command) {
  return TStartOptions{command.TestMap, !command.TestMap.empty()};
}

std::string CommandLineUsage(const std::string& program) {
  return "usage: " + program + " [--test-map FILE] [--record FILE]\n" +  //
         "       " + program + " --play FILE\n" +                        //
         "       " + program + " --help | --version\n";
}

std::string CommandLineHelp(const std::string& program) {
  return CommandLineUsage(program) + "\n" + kGameTitle +
         ", a shooting gallery for one player. Without options the game\n"
         "starts as its settings file says.\n"
         "\n"
         "  --test-map FILE  play the map FILE at once in test mode, as the TestMap setting\n"
         "                   would: no countdown, no damage, no scores, no chat; Escape\n"
         "                   ends the game. The settings file is left as it is.\n"
         "  --record FILE    record this session as a demo, written to FILE when the game\n"
         "                   ends\n"
         "  --play FILE      play the demo FILE back; your settings and scores stay as\n"
         "                   they are\n"
         "  -h, --help       print this help and leave\n"
         "  -v, --version    print the version and leave\n";
}

std::string FilesHelp(const TGamePaths& paths) {
  const auto line = [](const char* what, const std::string& where) {
    return std::string("  ") + what + where + "\n";
  };
  return "\nFiles of this copy:\n" + line("settings           ", paths.SettingsFile()) +
         line("your maps, scores  ", paths.PlayerMapFolder()) +
         line("loose Data files   ", paths.OverrideFolder()) +
         line("the game's data    ", paths.DataDir);
}

std::string VersionLine() { return std::string(kGameTitle) + " " + kGameVersion; }

}  // namespace sk
