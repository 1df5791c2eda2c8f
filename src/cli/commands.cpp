#include "cli/commands.h"

#include <algorithm>
#include <exception>

#include "app/program_version.h"

namespace px {
namespace {

struct Registered {
  int Rank;
  int Sequence;
  Command Entry;
};

// Filled while the command files' registrars run at start-up, read-only afterwards.
std::vector<Registered>& Registry() {
  static std::vector<Registered> registry;
  return registry;
}

constexpr std::string_view kToolSummary =
    "px4800 - create, inspect, convert, read and write PX-4800 codeplugs";

bool IsHelpWord(std::string_view rWord) { return rWord == "--help" || rWord == "-h"; }
bool IsQuietWord(std::string_view rWord) { return rWord == "--quiet" || rWord == "-q"; }

}  // namespace

void PrintToolHelp(std::ostream& rOut) {
  rOut << kToolSummary << "\n\n"
       << "Usage: px4800 COMMAND [ARGUMENTS]\n"
       << "       px4800 help COMMAND    (or: px4800 COMMAND --help)\n"
       << "       px4800 --version\n\n"
       << "Commands:\n";
  std::size_t width = 0;
  for (const Command& c : AllCommands()) width = std::max(width, c.Name.size());
  for (const Command& c : AllCommands())
    rOut << "  " << c.Name << std::string(width + 2 - c.Name.size(), ' ') << c.Summary << "\n";
  rOut << "\n"
       << "A codeplug FILE.dat always has its channel file beside it: the same path with\n"
       << "the last three characters replaced by \"fre\" (FILE.fre).\n"
       << "Default codeplugs (Init/) and language files (language/) are looked up in the\n"
       << "program folder: the folder of the executable, or $PX4800_HOME when it is set.\n"
       << "\n"
       << "\"-\" in place of a file is standard input or output. A codeplug read from or\n"
       << "written to \"-\" is in the JSON form of to-json, since no channel file can go\n"
       << "beside it; images, book files, CSV and PDF keep their own form.\n"
       << "An option's value may follow it as the next word, joined with \"=\" (--output=F)\n"
       << "or, for a short option, attached (-oF).\n"
       << "\n"
       << "Every command takes:\n"
       << "  -h, --help   print the command's help\n"
       << "  -q, --quiet  leave out the \"wrote ...\" and backup lines (errors are always\n"
       << "               on standard error)\n"
       << "\n"
       << "Exit status: 0 success, 1 failure (message on stderr), 2 usage error.\n";
}

void PrintCommandHelp(const Command& rCommand, std::ostream& rOut) {
  rOut << "px4800 " << rCommand.Name << " - " << rCommand.Summary << "\n\n" << rCommand.Usage;
  if (!rCommand.Usage.ends_with('\n')) rOut << "\n";
  if (rCommand.UsageMore) rOut << rCommand.UsageMore();
}

namespace {

// The "Usage:" lines of a command's help: everything up to the first blank line.
std::string_view UsageLines(const Command& rCommand) {
  const std::size_t blank = rCommand.Usage.find("\n\n");
  return rCommand.Usage.substr(0, blank == std::string_view::npos ? rCommand.Usage.size() : blank + 1);
}

}  // namespace

CommandRegistrar::CommandRegistrar(int rRank, std::initializer_list<Command> rCommands) {
  auto& registry = Registry();
  for (const Command& c : rCommands)
    registry.push_back({rRank, static_cast<int>(registry.size()), c});
}

std::vector<Command> AllCommands() {
  std::vector<Registered> sorted = Registry();
  std::sort(sorted.begin(), sorted.end(), [](const Registered& a, const Registered& b) {
    return a.Rank != b.Rank ? a.Rank < b.Rank : a.Sequence < b.Sequence;
  });
  std::vector<Command> commands;
  for (const Registered& r : sorted) commands.push_back(r.Entry);
  return commands;
}

const Command* FindCommand(std::string_view rName) {
  for (const Registered& r : Registry())
    if (r.Entry.Name == rName) return &r.Entry;
  return nullptr;
}

std::optional<std::string> ParsedArgs::Value(std::string_view rLong) const {
  const auto it = mValues.find(std::string(rLong));
  if (it == mValues.end()) return std::nullopt;
  return it->second;
}

ParsedArgs ParseArguments(const std::vector<std::string>& rArgs,
                          std::initializer_list<OptionSpec> rOptions, std::size_t rMinPositionals,
                          std::size_t rMaxPositionals) {
  ParsedArgs parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < rArgs.size(); ++i) {
    const std::string& word = rArgs[i];
    // "-" alone is a positional: standard input or output.
    if (optionsEnded || word.size() < 2 || word[0] != '-') {
      parsed.Positionals.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = word;
    std::optional<std::string> inlineValue;
    if (const std::size_t eq = word.find('='); word.starts_with("--") && eq != std::string::npos) {
      name = word.substr(0, eq);
      inlineValue = word.substr(eq + 1);
    } else if (!word.starts_with("--") && word.size() > 2) {
      // "-oFILE": a short option with its value attached.
      name = word.substr(0, 2);
      inlineValue = word.substr(2);
    }
    const auto spec = std::find_if(rOptions.begin(), rOptions.end(), [&](const OptionSpec& o) {
      return o.Long == name || (!o.Short.empty() && o.Short == name);
    });
    if (spec == rOptions.end())
      throw UsageError("unknown option '" + (word.starts_with("--") ? name : word) + "'");
    if (!spec->TakesValue) {
      if (inlineValue && !word.starts_with("--"))
        throw UsageError("unknown option '" + word + "' (" + name + " takes no value)");
      if (inlineValue) throw UsageError("option '" + std::string(spec->Long) + "' takes no value");
      parsed.Set(spec->Long, "");
      continue;
    }
    if (!inlineValue) {
      if (i + 1 >= rArgs.size()) throw UsageError("option '" + name + "' needs a value");
      inlineValue = rArgs[++i];
    }
    parsed.Set(spec->Long, *inlineValue);
  }
  if (parsed.Positionals.size() < rMinPositionals) throw UsageError("missing argument");
  if (parsed.Positionals.size() > rMaxPositionals)
    throw UsageError("unexpected argument '" + parsed.Positionals[rMaxPositionals] + "'");
  return parsed;
}

short LanguageIndexOf(const ParsedArgs& rArgs) {
  const std::string lang = rArgs.Value("--lang").value_or("en");
  if (lang == "en") return 1;
  if (lang == "zh") return 2;
  throw UsageError("--lang must be 'en' or 'zh', not '" + lang + "'");
}

int RunCommandLine(const std::vector<std::string>& rArgs, const std::string& rProgramFolder,
                   std::ostream& rOut, std::ostream& rErr, int& rArgc, char** rArgv) {
  if (rArgs.empty()) {
    rErr << "px4800: no command given\nTry 'px4800 --help'.\n";
    return kExitUsage;
  }
  const std::string& first = rArgs[0];
  if (first == "--version") {
    rOut << "px4800 " << ProgramVersion() << "\n";
    return kExitSuccess;
  }
  if (IsHelpWord(first) || first == "help") {
    if (first == "help" && rArgs.size() > 1) {
      const Command* command = FindCommand(rArgs[1]);
      if (!command) {
        rErr << "px4800: unknown command '" << rArgs[1] << "'\nTry 'px4800 --help'.\n";
        return kExitUsage;
      }
      PrintCommandHelp(*command, rOut);
      return kExitSuccess;
    }
    PrintToolHelp(rOut);
    return kExitSuccess;
  }
  const Command* command = FindCommand(first);
  if (!command) {
    rErr << "px4800: unknown command '" << first << "'\nTry 'px4800 --help'.\n";
    return kExitUsage;
  }

  CommandContext ctx{rProgramFolder, {}, rOut, rErr, rArgc, rArgv};
  bool optionsEnded = false;
  for (auto word = rArgs.begin() + 1; word != rArgs.end(); ++word) {
    if (*word == "--") optionsEnded = true;
    if (!optionsEnded && IsHelpWord(*word)) {
      PrintCommandHelp(*command, rOut);
      return kExitSuccess;
    }
    if (!optionsEnded && IsQuietWord(*word)) {
      ctx.Quiet = true;
      continue;
    }
    ctx.Args.push_back(*word);
  }
  try {
    return command->Handler(ctx);
  } catch (const UsageError& e) {
    rErr << "px4800 " << command->Name << ": " << e.what() << "\n"
         << UsageLines(*command) << "Try 'px4800 " << command->Name << " --help'.\n";
    return kExitUsage;
  } catch (const CommandError& e) {
    rErr << "px4800 " << command->Name << ": " << e.what() << "\n";
    return kExitFailure;
  } catch (const std::exception& e) {
    rErr << "px4800 " << command->Name << ": " << e.what() << "\n";
    return kExitFailure;
  }
}

}  // namespace px
