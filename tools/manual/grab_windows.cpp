// Pictures of the page windows for the manual: every page dialog of the catalogue and
// the channel editor, opened on a new codeplug in English and in Chinese, grabbed to
// PNG as they are drawn.
// Run it on the offscreen platform (tools/manual/grab-windows does, and shrinks them).
//
//   px4800-manual-shots PROGRAM_FOLDER OUT_DIR   → OUT_DIR/en/images/KEY.png, .../zh/...

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>

#include <iostream>
#include <memory>

#include "app/app_state.h"
#include "app/bands.h"
#include "app/language.h"
#include "edit/file_commands.h"
#include "ui/main/frm_ch_edit.h"
#include "ui/main/page_catalogue.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: px4800-manual-shots PROGRAM_FOLDER OUT_DIR\n";
    return 2;
  }
  int written = 0;
  const auto save = [&](QDialog& rDialog, const QString& rPath) {
    rDialog.show();
    // Lists that size to their contents ask for a new layout after the first pass: let
    // every pass run, or the picture catches the window half laid out.
    for (int pass = 0; pass < 10; ++pass) {
      QCoreApplication::sendPostedEvents();
      QApplication::processEvents();
    }
    const bool saved = rDialog.grab().save(rPath);
    if (!saved) std::cerr << "px4800-manual-shots: cannot write " << rPath.toStdString() << "\n";
    rDialog.reject();
    written += saved ? 1 : 0;
    return saved;
  };
  for (const int language : {px::kEnglish, 2}) {
    px::AppState state;
    state.ProgramFolder = argv[1];
    px::SetLanguage(state, language);
    px::RebuildBandTexts(state);
    px::CreateNewCodeplug(state);
    const QString folder = QString::fromUtf8(argv[2]) + (language == 2 ? "/zh/images" : "/en/images");
    QDir().mkpath(folder);
    for (const px::PageRow& page : px::PageCatalogue()) {
      if (page.Kind != px::PageKind::Dialog || page.Make == nullptr) continue;
      const std::unique_ptr<QDialog> dialog(page.Make(state, nullptr));
      if (!save(*dialog, folder + "/" + QString::fromUtf8(page.Key) + ".png")) return 1;
    }
    // The editor on the VFO, the one channel a new codeplug holds.
    px::FrmCHEdit editor(state, px::kChannelSlots);
    if (!save(editor, folder + "/editor.png")) return 1;
  }
  std::cout << "grabbed " << written << " windows\n";
  return 0;
}
