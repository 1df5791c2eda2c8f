#include "ui/main/frm_about.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>
#include <QStyle>
#include <QVBoxLayout>

#include "app/bands.h"
#include "app/language.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/message_service.h"
#include "ui/kit/program_identity.h"

namespace px {

namespace {

constexpr int kTextAboutMenu = 1052;

QString ProgramTitle() { return QString::fromLatin1(kProgramTitle); }

// The menu caption without its accelerator and ellipsis: "&About..." -> "About".
QString PlainCaption(QString rText) {
  rText.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
  rText.remove(QLatin1Char('&'));
  if (rText.endsWith(QStringLiteral("..."))) rText.chop(3);
  return rText.trimmed();
}

}  // namespace

QString SystemInformationText(const AppState& rState) {
  const bool chinese = rState.LanguageIndex == kChinese;
  const auto line = [chinese](const char* rEnglish, const char* rChinese, const QString& rValue) {
    return QString::fromUtf8(chinese ? rChinese : rEnglish) + QStringLiteral(": ") + rValue + QLatin1Char('\n');
  };
  QString text;
  text += line("Program", "程序", ProgramTitle() + QLatin1Char(' ') + ToQ(rState.VersionText) +
                                      QStringLiteral(" (") + QCoreApplication::applicationVersion() + QLatin1Char(')'));
  text += line("Model", "机型", ToQ(rState.ModelString));
  text += line("Qt", "Qt", QString::fromLatin1(qVersion()));
  text += line("System", "系统", QSysInfo::prettyProductName());
  text += line("Kernel", "内核", QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion());
  text += line("Processor", "处理器", QSysInfo::currentCpuArchitecture());
  text += line("Program folder", "程序文件夹", ToQ(rState.ProgramFolder));
  return text.trimmed();
}

frmAbout::frmAbout(const AppState& rState, QWidget* rParent) : QDialog(rParent), mState(rState) {
  setObjectName("frmAbout");
  const QString caption = PlainCaption(LangQ(rState, kTextAboutMenu));
  setWindowTitle(caption.isEmpty() ? ProgramTitle() : caption + QStringLiteral(" ") + ProgramTitle());

  auto* icon = new QLabel(this);
  icon->setObjectName("Picture1");
  const QIcon programIcon = QApplication::windowIcon();
  icon->setPixmap((programIcon.isNull() ? style()->standardIcon(QStyle::SP_MessageBoxInformation) : programIcon)
                      .pixmap(48, 48));
  auto* title = new QLabel(ProgramTitle(), this);
  title->setObjectName("lblTitle");
  auto* model = new QLabel(ToQ(ProductNameOf(rState.ModelString)) + QStringLiteral("  (") +
                               ToQ(rState.ModelString) + QStringLiteral(")"), this);
  model->setObjectName("lblDescription");
  auto* version = new QLabel(ToQ(rState.VersionText), this);
  version->setObjectName("lblVersion");
  // The radio firmware text above is the codeplug's; this is the program's own release.
  auto* release = new QLabel(OwnQ(rState, OwnText{"Program version ", "程序版本 "}) +
                                 QCoreApplication::applicationVersion(), this);
  release->setObjectName("lblProgramVersion");

  auto* texts = new QVBoxLayout;
  texts->addWidget(title);
  texts->addWidget(model);
  texts->addWidget(version);
  texts->addWidget(release);
  texts->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(icon, 0, Qt::AlignTop);
  body->addSpacing(12);
  body->addLayout(texts);
  body->addStretch();
  const auto [ok, sysInfo] = LayOutDialog(this, body, "CommandOK", "CommandSysInfo");
  ok->setDefault(true);
  sysInfo->setText(OwnQ(rState, OwnText{"&System Info...", "系统信息(&S)..."}));

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(sysInfo, &QPushButton::clicked, this, &frmAbout::OnSystemInfo);
  ApplyLanguage(this, rState);
  // After the language font is on, so that the title keeps its family.
  QFont big = title->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.4);
  title->setFont(big);
}

void frmAbout::OnSystemInfo() {
  MessageService::TellUser(this, FromQ(SystemInformationText(mState)), MsgIcon::Information);
}

}  // namespace px
