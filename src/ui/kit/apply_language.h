#pragma once
// Language texts on windows. Every translatable widget or action carries its text id in
// a dynamic property; ApplyLanguage walks a window and replaces the texts from the
// current language file, so that a later language change can do it again.

#include <string>

#include <QString>
#include <QVariantList>

class QObject;
class QWidget;

namespace px {

struct AppState;
struct OwnText;

// int: the id of the caption (window title, label, button, group box title, menu,
// action, check box ...) in section "OTHER".
inline constexpr const char* kTextIdProperty = "textId";
// int: the id of the tool tip.
inline constexpr const char* kToolTipIdProperty = "toolTipId";
// QVariantList of int: the ids of a combo box's entries or of a tab widget's tabs.
inline constexpr const char* kItemTextIdsProperty = "itemTextIds";
// QVariantList of int: the tool tip ids of a tab widget's tabs.
inline constexpr const char* kItemToolTipIdsProperty = "itemToolTipIds";
// QString: section of the ids above when it is not "OTHER" ("OPTION" or "MSG").
inline constexpr const char* kTextSectionProperty = "textSection";

// UTF-8 conversions, for language and program texts. The fixed texts of the records
// (names, codes, IDs) go through FixedQ / FixedFromQ (fixed_text_widgets.h) instead.
inline QString ToQ(const std::string& rText) { return QString::fromStdString(rText); }
inline std::string FromQ(const QString& rText) { return rText.toStdString(); }
// LangText(id) as a QString.
QString LangQ(const AppState& rState, int rId);
// OwnTextOf as a QString.
QString OwnQ(const AppState& rState, const OwnText& rText);

// Tagging helpers; they set the property only (ApplyLanguage puts the text on).
void SetTextId(QObject* rObject, int rId);
void SetToolTipId(QObject* rObject, int rId);
void SetItemTextIds(QObject* rObject, const QVariantList& rIds);

// Window title from the window's textId, font from ids 20/21 on the window and every
// control, then each tagged child widget and action. A missing property, a missing text
// or a font size that is not a number leaves that item as it is, except that a tagged
// caption whose text is absent becomes empty. Menu actions whose caption is a number
// and that carry no id take the caption as their id. Combo entries are replaced in place
// and keep the current index. Ends with SetDialogButtons.
void ApplyLanguage(QWidget* rWindow, const AppState& rState);

// Buttons named CommandOK / CommandCancel get LangText(101) / (102); CommandClose and
// CommandHelp the built-in close and help captions.
void SetDialogButtons(QWidget* rWindow, const AppState& rState);

}  // namespace px
