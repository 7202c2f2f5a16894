// The help map against the resource script and the help project: every
// control that takes input has a popup text in the string table, every page
// and dialog has a topic, and the map names nothing that is not there.
#include "win/help_map.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& relative) {
    std::ifstream in(std::string(TALLOWIN_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The numbers of resource.h, plus the two button ids windows.h gives.
std::map<std::string, long> ResourceIds() {
    std::map<std::string, long> ids = {{"IDOK", 1}, {"IDCANCEL", 2}, {"IDC_STATIC", -1}};
    const std::string header = ReadFile("res/resource.h");
    const std::regex define(R"(#define\s+([A-Z][A-Z0-9_]*)\s+(-?(?:0x[0-9A-Fa-f]+|[0-9]+)))");
    for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it)
        ids[(*it)[1]] = std::strtol((*it)[2].str().c_str(), nullptr, 0);
    return ids;
}

struct Control {
    std::string name;
    std::string windowClass;
    std::string style;
};

struct Dialog {
    std::string name;
    std::vector<Control> controls;
};

std::string WithoutComments(const std::string& text) {
    return std::regex_replace(text, std::regex(R"(//[^\n]*)"), "");
}

// The dialog templates of the script and the CONTROL statements in each.
std::vector<Dialog> Dialogs(const std::string& script) {
    std::vector<Dialog> dialogs;
    const std::string text = WithoutComments(script);
    const std::regex header(R"((\w+)\s+DIALOGEX[^\n]*\n)");
    for (std::sregex_iterator it(text.begin(), text.end(), header), end; it != end; ++it) {
        Dialog dialog{(*it)[1], {}};
        const auto begin = text.find("BEGIN", it->position() + it->length());
        const auto finish = text.find("\nEND", begin);
        const std::string body = text.substr(begin, finish - begin);
        // One statement per CONTROL, its style up to the first coordinate.
        const std::regex statement(R"re(CONTROL\s+(?:"(?:[^"]|"")*"|\w+)\s*,\s*(\w+)\s*,\s*"([^"]*)"\s*,\s*([^,]*),)re");
        for (std::sregex_iterator c(body.begin(), body.end(), statement), cend; c != cend; ++c)
            dialog.controls.push_back({(*c)[1], (*c)[2], (*c)[3]});
        dialogs.push_back(dialog);
    }
    return dialogs;
}

bool Has(const std::string& style, const std::string& flag) {
    return std::regex_search(style, std::regex("(^|[^A-Z_])" + flag + "([^A-Z_]|$)"));
}

// A control the user works with: text boxes, lists, combo boxes, track bars,
// check boxes, radio buttons and push buttons that act. Group boxes, the
// pictures (disabled or bitmap push buttons) and hidden controls are not.
bool TakesInput(const Control& control) {
    if (Has(control.style, "NOT WS_VISIBLE")) return false;
    const std::string& kind = control.windowClass;
    if (kind == "Edit" || kind == "ComboBox" || kind == "ListBox" || kind == "SysListView32" ||
        kind == "msctls_trackbar32")
        return true;
    if (kind != "Button") return false;
    if (Has(control.style, "BS_GROUPBOX") || Has(control.style, "BS_BITMAP")) return false;
    const bool push = Has(control.style, "BS_PUSHBUTTON") || Has(control.style, "BS_DEFPUSHBUTTON");
    return !(push && Has(control.style, "WS_DISABLED"));
}

// The string table: text by string id name.
std::map<std::string, std::string> Strings(const std::string& script) {
    std::map<std::string, std::string> strings;
    const std::string text = WithoutComments(script);
    const std::regex entry(R"re(\n\s*(IDS_\w+)\s+"((?:[^"]|"")*)")re");
    for (std::size_t at = text.find("STRINGTABLE"); at != std::string::npos; at = text.find("STRINGTABLE", at + 1)) {
        const auto finish = text.find("\nEND", at);
        const std::string body = text.substr(at, finish - at);
        for (std::sregex_iterator it(body.begin(), body.end(), entry), end; it != end; ++it)
            strings[(*it)[1]] = (*it)[2];
    }
    return strings;
}

class HelpMap : public ::testing::Test {
protected:
    void SetUp() override {
        script = ReadFile("res/tlw.rc");
        ids = ResourceIds();
        dialogs = Dialogs(script);
        for (const auto& [name, text] : Strings(script)) textById[ids.at(name)] = text;
    }
    std::string script;
    std::map<std::string, long> ids;
    std::vector<Dialog> dialogs;
    std::map<long, std::string> textById;
};

TEST_F(HelpMap, FindsEveryDialogTemplateOfTheScript) {
    std::set<std::string> declared;
    for (const auto& [name, id] : ids)
        if (name.rfind("IDD_", 0) == 0) declared.insert(name);
    std::set<std::string> found;
    for (const Dialog& dialog : dialogs) {
        found.insert(dialog.name);
        EXPECT_FALSE(dialog.controls.empty()) << dialog.name << ": no controls read";
    }
    EXPECT_EQ(found, declared);
}

TEST_F(HelpMap, EveryInputControlHasAPopupText) {
    int inputs = 0;
    for (const Dialog& dialog : dialogs) {
        const unsigned templateId = static_cast<unsigned>(ids.at(dialog.name));
        for (const Control& control : dialog.controls) {
            if (!TakesInput(control)) continue;
            ++inputs;
            const unsigned textId = help::PopupTextId(templateId, static_cast<int>(ids.at(control.name)));
            ASSERT_NE(textId, 0u) << dialog.name << " / " << control.name << " has no popup text";
            ASSERT_TRUE(textById.count(textId)) << control.name << ": string " << textId << " is not in the table";
            EXPECT_GE(textById[textId].size(), 20u) << control.name << ": the popup text says too little";
        }
    }
    // The pages' check boxes, radios, lists and track bars and the dialogs' boxes and buttons.
    EXPECT_GE(inputs, 25);
}

TEST_F(HelpMap, NamesOnlyControlsThatExist) {
    std::set<std::pair<long, long>> present;
    std::set<long> anywhere;
    for (const Dialog& dialog : dialogs)
        for (const Control& control : dialog.controls) {
            present.insert({ids.at(dialog.name), ids.at(control.name)});
            anywhere.insert(ids.at(control.name));
        }
    for (std::size_t i = 0; i < help::kControlHelpCount; ++i) {
        const help::ControlHelp& entry = help::kControlHelp[i];
        if (entry.templateId == help::kAnyDialog)
            EXPECT_TRUE(anywhere.count(entry.controlId)) << "control " << entry.controlId << " is in no dialog";
        else
            EXPECT_TRUE(present.count({entry.templateId, entry.controlId}))
                << "control " << entry.controlId << " is not in template " << entry.templateId;
    }
}

TEST_F(HelpMap, EachPopupTextIsWrittenOnce) {
    std::map<std::string, unsigned> seen;
    std::vector<unsigned> textIds;
    for (std::size_t i = 0; i < help::kControlHelpCount; ++i) textIds.push_back(help::kControlHelp[i].textId);
    for (std::size_t i = 0; i < help::kSheetControlHelpCount; ++i) textIds.push_back(help::kSheetControlHelp[i].textId);
    for (const unsigned textId : textIds) {
        EXPECT_FALSE(textById[textId].empty()) << "string " << textId << " is not in the script";
        const std::string& text = textById[textId];
        const auto [at, added] = seen.emplace(text, textId);
        EXPECT_TRUE(added || at->second == textId) << "strings " << at->second << " and " << textId << " say the same";
    }
}

TEST_F(HelpMap, TheSheetsOwnButtonsAndTabsEachHaveTheirText) {
    for (const char* name : {"IDOK", "IDCANCEL", "IDC_SHEET_APPLY", "IDC_SHEET_HELP", "IDC_SHEET_TABS"}) {
        ASSERT_TRUE(ids.count(name)) << name;
        EXPECT_NE(help::SheetPopupTextId(static_cast<int>(ids.at(name))), 0u) << name;
    }
    // The sheet's OK is not a dialog's OK: it writes every page.
    EXPECT_NE(help::SheetPopupTextId(static_cast<int>(ids.at("IDOK"))),
              help::PopupTextId(help::kAnyDialog, static_cast<int>(ids.at("IDOK"))));
    EXPECT_EQ(help::SheetPopupTextId(static_cast<int>(ids.at("IDC_INFO_LIST"))), 0u);
}

TEST_F(HelpMap, ADialogsOwnTextWinsOverTheSharedOne) {
    const int ok = static_cast<int>(ids.at("IDOK"));
    const unsigned shared = help::PopupTextId(help::kAnyDialog, ok);
    ASSERT_NE(shared, 0u);
    // The About box has no OK text of its own; the restart prompt's OK is "Yes".
    EXPECT_EQ(help::PopupTextId(static_cast<unsigned>(ids.at("IDD_ABOUT")), ok), shared);
    EXPECT_NE(help::PopupTextId(static_cast<unsigned>(ids.at("IDD_RESTART")), ok), shared);
    // A static text, a picture and an unknown id have none.
    EXPECT_EQ(help::PopupTextId(static_cast<unsigned>(ids.at("IDD_POST_PAGE")), static_cast<int>(ids.at("IDC_PAGE_TITLE"))), 0u);
    EXPECT_EQ(help::PopupTextId(static_cast<unsigned>(ids.at("IDD_POST_PAGE")), static_cast<int>(ids.at("IDC_POST_PICTURE"))), 0u);
    EXPECT_EQ(help::PopupTextId(static_cast<unsigned>(ids.at("IDD_POST_PAGE")), 0x7FFF), 0u);
}

// The help project's [MAP] gives each page and dialog the context the program
// passes, and its [ALIAS] leads that context to a topic file that exists.
TEST_F(HelpMap, EveryPageAndDialogHasATopic) {
    const std::string project = ReadFile("docs/help/tlw.hhp");
    std::map<std::string, std::string> topicOf;
    std::map<unsigned long, std::string> nameOf;
    const std::regex alias(R"((IDH_\w+)=(\S+))");
    const std::regex define(R"(#define\s+(IDH_\w+)\s+(0x[0-9A-Fa-f]+|[0-9]+))");
    for (std::sregex_iterator it(project.begin(), project.end(), alias), end; it != end; ++it)
        topicOf[(*it)[1]] = (*it)[2];
    for (std::sregex_iterator it(project.begin(), project.end(), define), end; it != end; ++it)
        nameOf[std::strtoul((*it)[2].str().c_str(), nullptr, 0)] = (*it)[1];
    ASSERT_FALSE(nameOf.empty());
    for (const Dialog& dialog : dialogs) {
        const unsigned long context = help::DialogContext(static_cast<unsigned>(ids.at(dialog.name)));
        ASSERT_TRUE(nameOf.count(context)) << dialog.name << ": context " << context << " is not in [MAP]";
        const std::string& name = nameOf[context];
        ASSERT_TRUE(topicOf.count(name)) << name << " is not in [ALIAS]";
        std::ifstream topic(std::string(TALLOWIN_SOURCE_DIR) + "/docs/help/" + topicOf[name]);
        EXPECT_TRUE(topic.good()) << dialog.name << ": topic " << topicOf[name] << " is missing";
    }
}

// The rules that pick the input controls, on statements written here: a new
// kind of control must not slip through as "no input".
TEST(HelpMapRules, TellInputControlsFromTheRest) {
    const std::vector<Dialog> parsed = Dialogs(
        "X DIALOGEX 0, 0, 10, 10\nBEGIN\n"
        "    CONTROL \"a\", A, \"Button\", BS_AUTOCHECKBOX | WS_TABSTOP, 1, 1, 1, 1\n"
        "    CONTROL \"b\", B, \"Button\",\n            BS_GROUPBOX, 1, 1, 1, 1\n"
        "    CONTROL \"\", C, \"Button\", BS_PUSHBUTTON | WS_DISABLED | WS_TABSTOP, 1, 1, 1, 1\n"
        "    CONTROL \"d\", D, \"Button\", BS_PUSHBUTTON | WS_TABSTOP, 1, 1, 1, 1\n"
        "    CONTROL \"e\", E, \"Edit\", ES_PASSWORD | WS_DISABLED, 1, 1, 1, 1\n"
        "    CONTROL \"f\", F, \"Button\", BS_AUTOCHECKBOX | NOT WS_VISIBLE, 1, 1, 1, 1\n"
        "    CONTROL \"g\", G, \"Static\", SS_LEFT, 1, 1, 1, 1\n"
        "    CONTROL \"h\", H, \"Button\", BS_PUSHBUTTON | BS_BITMAP, 1, 1, 1, 1\n"
        "END\n");
    ASSERT_EQ(parsed.size(), 1u);
    std::string inputs;
    for (const Control& control : parsed[0].controls)
        if (TakesInput(control)) inputs += control.name;
    ASSERT_EQ(parsed[0].controls.size(), 8u);
    EXPECT_EQ(inputs, "ADE");
}

}  // namespace
