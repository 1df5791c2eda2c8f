#include "ui/main/page_catalogue.h"

#include <QDialog>

#include <memory>

#include "ui/settings/frm_alert.h"
#include "ui/settings/frm_key_set.h"
#include "ui/settings/frm_option.h"
#include "ui/settings/frm_scan.h"
#include "ui/signalling/frm_commu_book.h"
#include "ui/signalling/frm_dtmf.h"
#include "ui/signalling/frm_five_tone.h"
#include "ui/signalling/frm_two_tone.h"

namespace px {

namespace {

// key, tree key, Edit-menu item (member, name, text), feature flag, kind, dialog, shortcut
const PageRow kPages[] = {
    {"channels", "N1", nullptr, nullptr, 0, nullptr, PageKind::Grid, nullptr},
    {"options", "N4", &MainMenus::EditOptions, "MnuEditOption", 1021,
     nullptr, PageKind::Dialog, MakePageDialog<FrmOption>, Qt::Key_1},
    {"dtmf", "N5", &MainMenus::EditDtmf, "MnuEditDTMF", 1023,
     &FeatureFlags::DtmfEnabled, PageKind::Dialog, MakePageDialog<FrmDTMF>, Qt::Key_2},
    {"twotone", "N6", &MainMenus::EditTwoTone, "MnuEdit2Tone", 1024,
     &FeatureFlags::TwoToneEnabled, PageKind::Dialog, MakePageDialog<Frm2Tone>, Qt::Key_3},
    {"fivetone", "N7", &MainMenus::EditFiveTone, "MnuEdit5Tone", 1025,
     &FeatureFlags::FiveToneEnabled, PageKind::Dialog, MakePageDialog<Frm5Tone>, Qt::Key_4},
    {"scan", "N10", &MainMenus::EditScan, "MnuEditScan", 2401,
     nullptr, PageKind::Dialog, MakePageDialog<FrmScan>, Qt::Key_5},
    {"alert", "N11", &MainMenus::EditAlert, "MnuEditAlert", 2601,
     nullptr, PageKind::Dialog, MakePageDialog<FrmAlert>, Qt::Key_6},
    {"keys", "N12", &MainMenus::EditKeys, "MnuEditKey", 1029,
     nullptr, PageKind::Dialog, MakePageDialog<FrmKeySet>, Qt::Key_7},
    {"book", "N8", &MainMenus::EditBook, "MnuEditBook", 1804,
     nullptr, PageKind::Dialog, MakePageDialog<FrmCommuBook>, Qt::Key_8},
    {"embedded", "N9", &MainMenus::EditEmbedded, "MnuEditEmbedded", 1028,
     nullptr, PageKind::RadioRead, nullptr},
};

}  // namespace

std::span<const PageRow> PageCatalogue() { return kPages; }

const PageRow* PageByTreeKey(const QString& rTreeKey) {
  for (const PageRow& page : kPages)
    if (rTreeKey == QLatin1String(page.TreeKey)) return &page;
  return nullptr;
}

const CorePage& CoreOf(const PageRow& rPage) {
  const CorePage* core = FindCorePage(rPage.Key);
  // Every desktop row has its core row; the catalogue test holds the two tables together.
  return core != nullptr ? *core : CorePages().front();
}

bool PageOffered(const PageRow& rPage, const AppState& rState) {
  return rPage.Feature == nullptr || rState.Features.*rPage.Feature != 0;
}

bool PageBuilt(const PageRow& rPage) { return rPage.Kind != PageKind::Dialog || rPage.Make != nullptr; }

bool ExecPageDialog(const PageRow& rPage, AppState& rState, QWidget* rParent) {
  if (rPage.Kind != PageKind::Dialog || rPage.Make == nullptr) return false;
  const std::unique_ptr<QDialog> dialog(rPage.Make(rState, rParent));
  return dialog->exec() == QDialog::Accepted;
}

}  // namespace px
