// px4800 print: the printed report of a codeplug as a PDF file, without a display.

#include <QDate>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sstream>

#include "app/app_state.h"
#include "app/bands.h"
#include "app/language.h"
#include "cli/cli_files.h"
#include "cli/commands.h"
#include "codeplug/file_bytes.h"
#include "codeplug/codeplug_file.h"
#include "edit/report.h"
#include "ui/print/report_render.h"
#include "platform/startup_embedded.h"

namespace px {
namespace {

// A report of every page is a few megabytes; anything near this is no report of ours.
constexpr std::size_t kReportCeiling = 256u << 20;

constexpr OptionSpec kOutput = kOutputOption;
constexpr OptionSpec kYes = kYesOption;
constexpr OptionSpec kPages{"--pages", "", true};
constexpr OptionSpec kLang{"--lang", "", true};
constexpr OptionSpec kPaper{"--paper", "", true};

constexpr std::string_view kPrintUsage =
    "Usage: px4800 print FILE.dat -o REPORT.pdf [--pages LIST] [--lang en|zh] [--paper a4|letter]\n"
    "                         [--yes]\n"
    "\n"
    "Writes the printed report of FILE.dat, as the desktop program's print dialog\n"
    "makes it, to a PDF file. The embedded information is the program's start-up\n"
    "values, as before a radio is read. FILE.dat \"-\" reads the JSON form from\n"
    "standard input.\n"
    "\n"
    "  -o, --output REPORT.pdf  the PDF file to write (\"-\": standard output)\n"
    "  -y, --yes                overwrite an existing file (needed without a terminal)\n"
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
  const ParsedArgs args = ParseArguments(rCtx.Args, {kOutput, kYes, kPages, kLang, kPaper}, 1, 1);
  const auto out = args.Value(kOutput.Long);
  if (!out || out->empty()) throw UsageError("missing -o REPORT.pdf");
  const std::vector<std::string> pages = PagesOf(args);
  const ReportPaper paper = PaperOf(args);
  const std::string& in = args.Positionals[0];
  RequireNotInput(*out, {in, SideFilePath(in)});

  AppState state = CommandState(rCtx, LanguageIndexOf(args));
  ReadCodeplugInto(in, state, rCtx.Err);
  state.FilePath = in;
  ConfirmOverwrite(rCtx, args, {*out});

  // Fonts and layout need a GUI application, but never a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(rCtx.Argc, rCtx.Argv);
  const Report report = BuildReport(state, StartupEmbeddedInfo(QDate::currentDate()), pages);
  int count = 0;
  std::string error;
  if (IsStandardStream(*out)) {
    // The PDF writer wants a file; standard output gets that file's bytes.
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    std::vector<Byte> bytes;
    if (!folder.isValid() || !WriteReportPdf(report, state.LanguageIndex, paper, pdf, error, &count) ||
        ReadFileBytes(pdf.toStdString(), bytes, error, kReportCeiling) != FileRead::Read)
      throw CommandError(error.empty() ? "cannot make a temporary folder for the report" : error);
    WriteBytesOutput(rCtx, args, *out, bytes);
    return kExitSuccess;
  }
  if (!WriteReportPdf(report, state.LanguageIndex, paper, QString::fromStdString(*out), error, &count))
    throw CommandError(error);
  Tell(rCtx, "wrote " + *out + " (" + std::to_string(count) + (count == 1 ? " page)" : " pages)"));
  return kExitSuccess;
}

const CommandRegistrar kPrintCommands(40, {
    {"print", "write the printed report of a codeplug as a PDF file", kPrintUsage, RunPrint, PrintUsagePages},
});

}  // namespace
}  // namespace px
