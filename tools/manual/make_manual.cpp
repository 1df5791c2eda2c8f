// Writes the settings part of the manual's page for each page of the codeplug, in
// English and Chinese, from what the program itself shows: the labels and choices of
// the page declarations, and the report rows of the pages not declared yet. What a
// setting does comes from meanings.json, keyed by the field name, or by "page:Label"
// (the English label) for a report row; a page declared later keeps the meanings
// written for its report rows. The part sits between two markers in manual/LANG/PAGE.html; the rest
// of the page is written by hand.
//
//   px4800-manual [--check] PROGRAM_FOLDER MEANINGS.json MANUAL_DIR
//
// --check writes nothing and fails when a page differs from what would be written, a
// setting has no meaning in both languages, or a meaning belongs to no setting.

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/app_state.h"
#include "app/language.h"
#include "edit/channel_choices.h"
#include "edit/channel_rows.h"
#include "edit/page_fields.h"
#include "edit/report.h"

namespace px {
namespace {

constexpr std::string_view kBegin = "<!-- settings: written by px4800-manual from the page declarations -->";
constexpr std::string_view kEnd = "<!-- settings: end -->";

// The pages with settings, in the order of the manual's contents; the grid has no
// window of its own to picture (it is the main window's).
struct ManualPage {
  const char* Key;
  bool Picture;
};
const ManualPage kPages[] = {{"grid", false},    {"options", true}, {"keys", true},  {"dtmf", true},
                             {"twotone", true},  {"fivetone", true}, {"scan", true}, {"alert", true},
                             {"book", true}};

struct Setting {
  std::string Key;          // the meaning's key
  std::string LabelKey;     // a declared field's "page:English label", which a meaning
                            // written before the page was declared still has
  std::string Label[2];     // English, Chinese
  std::string Choices[2];
};

struct Words {
  const char* Setting;
  const char* Choices;
  const char* Does;
  const char* Heading;
  const char* Columns;  // the grid's heading
};
const Words kWords[2] = {
    {"Setting", "Choices", "What it does", "Settings", "Columns"},
    {"设置", "选项", "作用", "设置项", "列"},
};

std::string Html(std::string_view rText) {
  std::string out;
  for (char c : rText) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else out.push_back(c);
  }
  return out;
}

// Long lists by their ends, so that a table of 254 wait times stays readable.
std::string ChoicesText(const AppState& rState, const PageField& rField, int rLanguage) {
  if (rField.Choices == nullptr) return "";
  const BuiltChoices built = rField.Choices(rState);
  const ChoiceTable table = built;
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < table.size(); ++i) texts.push_back(ChoiceText(rState, table, static_cast<int>(i)));
  if (rField.Control == FieldControl::Switch) return LangText(rState, 1755) + " / " + LangText(rState, 1756);
  const std::string comma = rLanguage == 0 ? ", " : "、";
  std::string out;
  if (texts.size() > 8) {
    out = texts[0] + comma + texts[1] + comma + "… " + texts.back();
    out += rLanguage == 0 ? " (" + std::to_string(texts.size()) + " choices)"
                          : "（共 " + std::to_string(texts.size()) + " 项）";
    return out;
  }
  for (const std::string& text : texts) out += (out.empty() ? "" : comma) + text;
  return out;
}

AppState StateIn(const std::string& rFolder, int rLanguage) {
  AppState state;
  state.ProgramFolder = rFolder;
  SetLanguage(state, rLanguage == 0 ? kEnglish : 2);
  return state;
}

const DeclaredPage* DeclaredPageOf(std::string_view rKey) {
  for (const DeclaredPage& page : DeclaredPages())
    if (page.Key == rKey) return &page;
  return nullptr;
}

// A declared page: one setting per field a control shows. Then the report rows no field
// gives and the columns of the page's tables, matched by position across the two languages.
std::vector<Setting> SettingsOf(const std::string& rPage, const AppState (&rStates)[2]) {
  std::vector<Setting> settings;
  if (rPage == "grid") {
    // The grid's columns are the channel's settings as the grid shows them.
    const ChannelRowTexts headers[2] = {ChannelHeaderTexts(rStates[0]), ChannelHeaderTexts(rStates[1])};
    for (std::size_t c = 0; c < headers[0].size(); ++c)
      settings.push_back({"grid:" + headers[0][c], "", {headers[0][c], headers[1][c]}, {}});
    for (int l = 0; l < 2; ++l) {
      const ChoiceTable powers = TxPowerChoices();
      for (std::size_t i = 0; i < powers.size(); ++i)
        settings[kColPower].Choices[l] += (i == 0 ? "" : l == 0 ? ", " : "、") + ChoiceText(rStates[l], powers, static_cast<int>(i));
    }
    return settings;
  }
  if (const DeclaredPage* page = DeclaredPageOf(rPage)) {
    for (const PageField& field : page->Fields) {
      if (field.Control == FieldControl::Carried) continue;
      Setting setting{std::string(field.Name), rPage + ":" + FieldLabel(rStates[0], field), {}, {}};
      for (int l = 0; l < 2; ++l) {
        setting.Label[l] = FieldLabel(rStates[l], field);
        setting.Choices[l] = ChoicesText(rStates[l], field, l);
      }
      settings.push_back(std::move(setting));
    }
  }
  // The report rows no field gives (a page's texts, its tables), in both languages.
  ReportSection sections[2];
  for (int l = 0; l < 2; ++l) {
    sections[l] = BuildReport(rStates[l], EmbeddedInfo{}, {rPage}).Sections.at(0);
    std::erase_if(sections[l].Rows, [&](const ReportRow& rRow) {
      return std::any_of(settings.begin(), settings.end(),
                         [&](const Setting& rSetting) { return rSetting.Label[l] == rRow.Label; });
    });
  }
  std::set<std::string> seen;
  const auto add = [&](const std::string& rEnglish, const std::string& rChinese) {
    const std::string key = rPage + ":" + rEnglish;
    if (rEnglish.empty() || !seen.insert(key).second) return;
    settings.push_back({key, "", {rEnglish, rChinese}, {}});
  };
  for (std::size_t r = 0; r < sections[0].Rows.size(); ++r)
    add(sections[0].Rows[r].Label, sections[1].Rows.at(r).Label);
  for (std::size_t t = 0; t < sections[0].Tables.size(); ++t)
    for (std::size_t c = 0; c < sections[0].Tables[t].Header.size(); ++c)
      add(sections[0].Tables[t].Header[c], sections[1].Tables.at(t).Header.at(c));
  return settings;
}

// The setting's meaning by its key, else by its label key; null when there is none.
const nlohmann::json* MeaningOf(const nlohmann::json& rMeanings, const Setting& rSetting) {
  for (const std::string* key : {&rSetting.Key, &rSetting.LabelKey})
    if (!key->empty() && rMeanings.contains(*key)) return &rMeanings.at(*key);
  return nullptr;
}

std::string SettingsHtml(const ManualPage& rPage, const std::string& rTitle, const std::vector<Setting>& rSettings,
                         const nlohmann::json& rMeanings, int rLanguage) {
  const Words& w = kWords[rLanguage];
  const char* lang = rLanguage == 0 ? "en" : "zh";
  std::ostringstream out;
  out << kBegin << "\n"
      << "<h2>" << (rPage.Picture ? w.Heading : w.Columns) << "</h2>\n";
  if (rPage.Picture)
    out << "<p style=\"line-height:100%\"><img src=\"images/" << rPage.Key << ".png\" alt=\"" << rTitle << "\"></p>\n";
  out << "<table>\n<tr><th>" << w.Setting << "</th><th>" << w.Choices << "</th><th>" << w.Does << "</th></tr>\n";
  for (const Setting& setting : rSettings) {
    const nlohmann::json* meaning = MeaningOf(rMeanings, setting);
    std::string choices = setting.Choices[rLanguage];
    const std::string own = std::string("choices_") + lang;
    if (meaning != nullptr && meaning->contains(own)) choices = meaning->at(own).get<std::string>();
    const std::string does = meaning != nullptr && meaning->contains(lang) ? meaning->at(lang).get<std::string>() : "";
    out << "<tr><td>" << Html(setting.Label[rLanguage]) << "</td><td>" << Html(choices) << "</td><td>"
        << Html(does) << "</td></tr>\n";
  }
  out << "</table>\n" << kEnd;
  return out.str();
}

// rPage with its settings part replaced, or put before </body> when it has none.
std::string WithSettings(const std::string& rPage, const std::string& rPart) {
  const std::size_t begin = rPage.find(kBegin);
  if (begin != std::string::npos) {
    const std::size_t end = rPage.find(kEnd, begin);
    if (end != std::string::npos) return rPage.substr(0, begin) + rPart + rPage.substr(end + kEnd.size());
  }
  const std::size_t body = rPage.rfind("</body>");
  if (body == std::string::npos) return rPage + rPart + "\n";
  return rPage.substr(0, body) + rPart + "\n" + rPage.substr(body);
}

// The page's heading, which names its window.
std::string TitleOf(const std::string& rPage) {
  const std::size_t begin = rPage.find("<h1>");
  const std::size_t end = rPage.find("</h1>", begin);
  if (begin == std::string::npos || end == std::string::npos) return "";
  return rPage.substr(begin + 4, end - begin - 4);
}

std::string ReadFile(const std::string& rPath) {
  std::ifstream in(rPath, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + rPath);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int Run(bool rCheck, const std::string& rFolder, const std::string& rMeaningsPath, const std::string& rManual) {
  const nlohmann::json meanings = nlohmann::json::parse(ReadFile(rMeaningsPath));
  const AppState states[2] = {StateIn(rFolder, 0), StateIn(rFolder, 1)};
  int faults = 0;
  std::set<std::string> used;
  for (const ManualPage& page : kPages) {
    const std::vector<Setting> settings = SettingsOf(page.Key, states);
    for (const Setting& setting : settings) {
      used.insert(setting.Key);
      used.insert(setting.LabelKey);
      const nlohmann::json* meaning = MeaningOf(meanings, setting);
      const bool told = meaning != nullptr && meaning->contains("en") && meaning->contains("zh");
      if (!told) {
        std::cerr << "px4800-manual: no meaning in both languages for \"" << setting.Key << "\"\n";
        ++faults;
      }
    }
    for (int l = 0; l < 2; ++l) {
      const std::string path = rManual + "/" + (l == 0 ? "en/" : "zh/") + page.Key + ".html";
      const std::string before = ReadFile(path);
      const std::string after = WithSettings(before, SettingsHtml(page, TitleOf(before), settings, meanings, l));
      if (after == before) continue;
      if (rCheck) {
        std::cerr << "px4800-manual: " << path << " differs from the page declarations; "
                  << "run px4800-manual (see tools/manual/make_manual.cpp)\n";
        ++faults;
      } else {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << after;
        std::cout << "wrote " << path << "\n";
      }
    }
  }
  for (const auto& [key, value] : meanings.items())
    if (!used.contains(key)) {
      std::cerr << "px4800-manual: the meaning of \"" << key << "\" belongs to no setting\n";
      ++faults;
    }
  return faults == 0 ? 0 : 1;
}

}  // namespace
}  // namespace px

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const bool check = !args.empty() && args[0] == "--check";
  if (check) args.erase(args.begin());
  if (args.size() != 3) {
    std::cerr << "usage: px4800-manual [--check] PROGRAM_FOLDER MEANINGS.json MANUAL_DIR\n";
    return 2;
  }
  try {
    return px::Run(check, args[0], args[1], args[2]);
  } catch (const std::exception& e) {
    std::cerr << "px4800-manual: " << e.what() << "\n";
    return 1;
  }
}
