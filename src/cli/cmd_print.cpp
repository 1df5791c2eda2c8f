// px4800 print: the printed report of a codeplug as a PDF file, without a display.

#include <QDate>
#include <QGuiApplication>

#include <sstream>

#include "app/app_state.h"
#include "app/bands.h"
#include "app/language.h"
#include "cli/commands.h"
#include "codeplug/codeplug_file.h"
#include "edit/report.h"
#include "ui/print/report_render.h"
#include "ui/settings/frm_emg.h"

namespace px {
namespace {

constexpr OptionSpec kOutput{"--output", "-o", true};
constexpr OptionSpec kPages{"--pages", "", true};
constexpr OptionSpec kLang{"--lang", "", true};
constexpr OptionSpec kPaper{"--paper", "", true};

constexpr std::string_view kPrintUsage =
    "Usage: px4800 print FILE.dat -o REPORT.pdf [--pages LIST] [--lang en|zh] [--paper a4|letter]\n"
    "\n"
    "Writes the printed report of FILE.dat, as the desktop program's print dialog\n"
    "makes it, to a PDF file. The embedded information is the program's start-up\n"
    "values, as before a radio is read.\n"
    "\n"
    "  -o, --output REPORT.pdf  the PDF file to write\n"
    "  --pages LIST             comma-separated pages (default: all), named below\n"
    "  --lang en|zh             language of the report (default en)\n"
    "  --paper a4|letter        paper size (default a4)\n";

std::string PageKeyList() {
  std::string keys;
  for (const std::string& key : AllReportPageKeys()) keys += (keys.empty() ? "" : ",") + key;
  return keys;
}

std::string PrintUsagePages() { return "\nPages: " + PageKeyList() + "\n"; }

std::vector<std::string> PagesOf(const ParsedArgs& rArgs) {
  const auto list = rArgs.Value(kPages.Long);
  if (!list) return AllReportPageKeys();
  std::vector<std::string> keys;
  std::stringstream words(*list);
  std::string key;
  while (std::getline(words, key, ',')) {
    if (key.empty()) continue;
    if (!FindReportPage(key)) throw UsageError("unknown page '" + key + "' for --pages; the pages are " + PageKeyList());
    keys.push_back(key);
  }
  if (keys.empty()) throw UsageError("--pages names no page");
  return keys;
}

ReportPaper PaperOf(const ParsedArgs& rArgs) {
  const std::string paper = rArgs.Value(kPaper.Long).value_or("a4");
  if (paper == "a4") return ReportPaper::A4;
  if (paper == "letter") return ReportPaper::Letter;
  throw UsageError("--paper must be 'a4' or 'letter', not '" + paper + "'");
}

int RunPrint(CommandContext& rCtx) {
  const ParsedArgs args = ParseArguments(rCtx.Args, {kOutput, kPages, kLang, kPaper}, 1, 1);
  const auto out = args.Value(kOutput.Long);
  if (!out || out->empty()) throw UsageError("missing -o REPORT.pdf");
  const std::vector<std::string> pages = PagesOf(args);
  const ReportPaper paper = PaperOf(args);

  AppState state;
  state.ProgramFolder = rCtx.ProgramFolder;
  SetLanguage(state, LanguageIndexOf(args));
  std::string error;
  if (!ReadCodeplugFiles(args.Positionals[0], state.Current, state.Channels, error))
    throw CommandError(error);
  state.FilePath = args.Positionals[0];
  state.Band.Index = state.Current.BandIndex;
  RebuildBandTexts(state);

  // Fonts and layout need a GUI application, but never a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(rCtx.Argc, rCtx.Argv);
  const Report report = BuildReport(state, StartupEmbeddedInfo(QDate::currentDate()), pages);
  int count = 0;
  if (!WriteReportPdf(report, state.LanguageIndex, paper, QString::fromStdString(*out), error, &count))
    throw CommandError(error);
  rCtx.Err << "px4800: wrote " << *out << " (" << count << (count == 1 ? " page)\n" : " pages)\n");
  return kExitSuccess;
}

const CommandRegistrar kPrintCommands(40, {
    {"print", "write the printed report of a codeplug as a PDF file", kPrintUsage, RunPrint, PrintUsagePages},
});

}  // namespace
}  // namespace px
