// Help requests: a page's or dialog's topic (the Help button, F1) and a
// control's popup text (the caption's "?" button, Shift+F1).
//
// Topics go to WinHelp when the help file named after the executable with
// the extension .HLP lies beside it, else to HTML Help with the .chm of the
// same name; HTML Help (hhctrl.ocx) is looked up at run time, so the program
// still starts where it is missing. Where neither can show the topic, a
// message says where the help would be.
#pragma once

#include <windows.h>

#include <string>

namespace help {

// How a request was answered.
enum class Way {
    None,            // nothing was asked yet
    WinHelp,         // the .HLP file, through WinHelp
    HtmlHelpWindow,  // the .chm file or the popup, through HTML Help
    Popup,           // the popup text in the program's own popup window
    Message,         // a message saying where the help would be
};

// The last request, for the tests: what was asked and how it was answered.
struct Request {
    Way way = Way::None;
    std::string file;        // the help file asked, empty for popups and messages
    unsigned long context = 0;  // the topic's help context, 0 for popups
    unsigned textId = 0;     // the popup text's string id, 0 for topics
    HWND window = nullptr;   // the help or popup window shown, when known
};
const Request& LastRequest();

// The help files' path without extension; empty (the default) means the
// executable's own path. Tests point it at a folder of their own.
void SetFileBase(const std::string& base);

// Shows the topic of dialog template `templateId`.
void ShowTopic(HWND owner, UINT templateId);

// Answers WM_HELP in dialog `dialog` made from template `templateId`: F1
// shows the topic; the "?" button and Shift+F1 show the control's popup
// text, or the topic for a control that has none.
void Answer(HWND dialog, UINT templateId, const HELPINFO& info);

// Answers WM_HELP in a property sheet for its own controls (OK, Cancel,
// Apply, Help, the tabs): their popup texts, or for F1 the topic of the page
// in front, made from template `pageTemplateId`.
void AnswerForSheet(HWND sheet, UINT pageTemplateId, const HELPINFO& info);

// The program's popup window class, for the tests to find it.
extern const char kPopupClass[];

}  // namespace help

// Opens the topic of dialog template `templateId`.
inline void ShowHelp(HWND owner, UINT templateId) { help::ShowTopic(owner, templateId); }
