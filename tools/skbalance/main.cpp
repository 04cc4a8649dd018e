// SKBALANCE [--seeds N] [--first-seed S] <map>...: plays matches on each map with three
// simulated players on the game's own rules, headless, and prints a Markdown table of how
// long they last and how many frags they make. The same seeds always give the same table.
#include <cstdio>
#include <string>
#include <vector>

#include "common/IntParse.h"
#include "common/Printable.h"
#include "common/ProgramName.h"
#include "tools/skbalance/BalanceReport.h"

namespace {

using namespace sk::balance;

std::string Usage() {
  return "Usage: " + sk::CommandName("SKBALANCE") + " [--seeds N] [--first-seed S] <map>...\n" +
         "Plays N matches (default 10) per map for each simulated player, with the game's random\n"
         "generator seeded S, S+1, ... (default 1), and prints a table of the match lengths.\n"
         "  idle     never shoots\n"
         "  decent   sees the field a quarter of a second late, shoots the visible model nearest\n"
         "           to the exit with a scatter of 6 pixels, as soon as the railgun is loaded\n"
         "  perfect  shoots at once where the most models die, nearest to the exit first\n"
         "A match is timed from \"Fight!\" (16 ms a step) and stopped after 10 minutes.\n";
}

struct TCommand {
  TMeasureOptions options;
  std::vector<std::string> maps;
};

// Nothing when the command line is wrong.
bool ParseCommand(const std::vector<std::string>& args, TCommand& command) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--seeds" || arg == "--first-seed") {
      if (i + 1 == args.size()) return false;
      const auto value = sk::ParseInt(args[++i]);
      if (!value || *value < (arg == "--seeds" ? 1 : 0)) return false;
      if (arg == "--seeds") {
        command.options.Seeds = *value;
      } else {
        command.options.FirstSeed = static_cast<std::uint32_t>(*value);
      }
    } else if (arg.starts_with("--")) {
      return false;
    } else {
      command.maps.push_back(arg);
    }
  }
  return !command.maps.empty();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(Usage().c_str(), stdout);
    return 0;
  }
  TCommand command;
  if (!ParseCommand(args, command)) {
    std::fputs(Usage().c_str(), stderr);
    return 2;
  }
  std::vector<TMapFigures> figures;
  int status = 0;
  for (const std::string& file : command.maps) {
    std::string problem;
    const auto field = TBalanceField::Load(file, problem);
    if (!field) {
      std::fprintf(stderr, "%s: %s: %s\n", sk::CommandName("SKBALANCE").c_str(),
                   sk::PrintableText(file).c_str(), sk::PrintableText(problem).c_str());
      status = 1;
      continue;
    }
    figures.push_back(MeasureMap(*field, command.options));
  }
  if (!figures.empty()) std::fputs(FormatTable(figures, command.options).c_str(), stdout);
  return std::fflush(stdout) == 0 ? status : 1;
}
