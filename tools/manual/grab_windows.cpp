// Pictures of the page windows for the manual: every page dialog of the catalogue,
// opened on a new codeplug in English and in Chinese, grabbed to PNG as it is drawn.
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
#include "ui/main/page_catalogue.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: px4800-manual-shots PROGRAM_FOLDER OUT_DIR\n";
    return 2;
  }
  int written = 0;
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
      dialog->show();
      QApplication::processEvents();
      const QString path = folder + "/" + QString::fromUtf8(page.Key) + ".png";
      if (!dialog->grab().save(path)) {
        std::cerr << "px4800-manual-shots: cannot write " << path.toStdString() << "\n";
        return 1;
      }
      dialog->reject();
      ++written;
    }
  }
  std::cout << "grabbed " << written << " windows\n";
  return 0;
}
