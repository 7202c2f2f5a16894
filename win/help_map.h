// Which help belongs to which window: a topic for every page and dialog (its
// help context), a short popup text for every control that takes input.
// Portable: the resource ids only, no windows.h.
#pragma once

#include <cstddef>

namespace help {

// Help contexts of dialog templates start here; the help project (tlw.hhp)
// maps each context to its topic.
constexpr unsigned long kDialogContextBase = 0x20000;
constexpr unsigned long DialogContext(unsigned templateId) { return kDialogContextBase + templateId; }

// Template 0 stands for every dialog: the OK and Cancel buttons that mean the
// same wherever they are.
constexpr unsigned kAnyDialog = 0;

struct ControlHelp {
    unsigned templateId;
    int controlId;
    unsigned textId;  // the popup text in the string table
};

extern const ControlHelp kControlHelp[];
extern const std::size_t kControlHelpCount;

// The settings sheet's own controls below and above its pages: OK, Cancel,
// Apply, Help and the tabs.
extern const ControlHelp kSheetControlHelp[];
extern const std::size_t kSheetControlHelpCount;

// The popup text of the sheet's own control `controlId`; 0 when it has none.
unsigned SheetPopupTextId(int controlId);

// The popup text of control `controlId` in dialog `templateId`: the dialog's
// own entry, else the one for every dialog; 0 when the control has none.
unsigned PopupTextId(unsigned templateId, int controlId);

}  // namespace help
