#include "ui/kit/help_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "edit/page_catalogue_core.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/message_service.h"

namespace px {

namespace {

constexpr OwnText kCaption{"Help", "帮助"};
constexpr OwnText kContents{"&Contents", "目录(&C)"};
constexpr OwnText kBack{"&Back", "后退(&B)"};
constexpr OwnText kClose{"Close", "关闭"};
constexpr OwnText kNoHelp{"The help file is not available:\n%1\nReinstall the program or run it from its build folder.",
                          "帮助文件不可用：\n%1\n请重新安装程序，或从其构建文件夹运行。"};

struct TopicOfWindow {
  const char* Window;
  const char* Topic;
};

// The windows that are no page of the catalogue, or a page's second window; the pages'
// own windows take their topic from the catalogue, and any other window opens the
// start page.
constexpr TopicOfWindow kTopics[] = {
    {"FrmCHEdit", "editor"},  {"FrmDTMFSpecial", "dtmf"}, {"FrmSpecial", "fivetone"},
    {"Frm5ToneDefTS", "fivetone"}, {"FrmComSet", "cable"}, {"FrmProgress", "radio"},
    {"FrmPassWord", "radio"},     {"FrmModel", "radio"},  {"FrmPrint", "files"},
    {"FrmLanguage", "index"},
};

}  // namespace

QString ManualPagePath(const AppState& rState, const QString& rTopic) {
  const std::string folder = rState.LanguageIndex == kChinese ? "manual/zh/" : "manual/en/";
  return ToQ(ProgramPath(rState, folder + FromQ(rTopic) + ".html"));
}

QString HelpTopicOf(const QString& rWindowName) {
  const std::string window = FromQ(rWindowName);
  for (const CorePage& page : CorePages())
    if (window == page.Window) return ToQ(std::string(page.HelpTopic));
  for (const TopicOfWindow& entry : kTopics) {
    if (rWindowName == QLatin1String(entry.Window)) return QString::fromLatin1(entry.Topic);
  }
  return QStringLiteral("index");
}

HelpWindow::HelpWindow(const AppState& rState, QWidget* rParent) : QDialog(rParent), mState(rState) {
  setObjectName("HelpWindow");
  setWindowFlag(Qt::Window);
  setWindowTitle(OwnQ(rState, kCaption));
  mBrowser = new QTextBrowser(this);
  mBrowser->setObjectName("HelpBrowser");
  mBrowser->setOpenExternalLinks(true);
  auto* contents = new QPushButton(OwnQ(rState, kContents), this);
  auto* back = new QPushButton(OwnQ(rState, kBack), this);
  auto* close = new QPushButton(OwnQ(rState, kClose), this);
  back->setEnabled(false);
  connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(QStringLiteral("index")); });
  connect(back, &QPushButton::clicked, mBrowser, &QTextBrowser::backward);
  connect(mBrowser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(mBrowser);
  layout->addLayout(buttons);
  resize(760, 600);
}

void HelpWindow::ShowTopic(const QString& rTopic) {
  const QString path = ManualPagePath(mState, rTopic);
  mBrowser->setSearchPaths({QFileInfo(path).absolutePath()});
  mBrowser->setSource(QUrl::fromLocalFile(path));
}

HelpWindow* ShowHelp(const AppState& rState, QWidget* rParent, const QString& rTopic) {
  const QString path = ManualPagePath(rState, rTopic);
  QWidget* owner = rParent ? rParent->window() : nullptr;
  if (!QFileInfo::exists(path)) {
    MessageService::TellUser(owner, FromQ(OwnQ(rState, kNoHelp).arg(path)), MsgIcon::Information);
    return nullptr;
  }
  // Owned by the window in use, so that a modal dialog does not block its own help.
  auto* help = owner ? owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  if (!help) {
    help = new HelpWindow(rState, owner);
    help->setAttribute(Qt::WA_DeleteOnClose);
  }
  help->ShowTopic(rTopic);
  help->show();
  help->raise();
  help->activateWindow();
  return help;
}

HelpKey::HelpKey(const AppState& rState, QObject* rParent) : QObject(rParent), mState(rState) {
  qApp->installEventFilter(this);
}

bool HelpKey::eventFilter(QObject* rWatched, QEvent* rEvent) {
  if (rEvent->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(rEvent)->key() != Qt::Key_F1) return false;
  auto* widget = qobject_cast<QWidget*>(rWatched);
  if (!widget) return false;
  QWidget* window = widget->window();
  // F1 inside the help window itself changes nothing.
  if (qobject_cast<HelpWindow*>(window)) return true;
  ShowHelp(mState, window, HelpTopicOf(window->objectName()));
  return true;
}

}  // namespace px
