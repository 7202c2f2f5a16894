// What a screen reader learns about each control through Active Accessibility
// (AccessibleObjectFromWindow, get_accName, get_accRole): every control that
// takes input has a name that says what it is, and the page pictures are
// graphics, not buttons named "~" or "Button1".
//
// Wine's oleacc names an edit by the static text before it in the Tab order,
// as Windows does, and every other control by its own window text; it does
// not look for the label of a list box or a track bar. Where it gives no name,
// the name Windows' oleacc gives is shown the way Windows finds it: the
// nearest static text before the control in the Tab order, the search ending
// at a control that starts a group and takes the focus.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/password_prompt_dlg.h"
#include "pages/info/asset_tag_dlg.h"
#include "pages/info/asset_tag_entry.h"
#include "pages/password/change_password_dlg.h"
#include "res/resource.h"
#include "tests/wine/app/sheet_fixture.h"

namespace {

using namespace wt;

std::string ClassOf(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Narrow(const BSTR text) {
    std::string narrow;
    for (const wchar_t* c = text; c && *c; ++c) narrow += static_cast<char>(*c);
    return narrow;
}

// What Active Accessibility says of a window's client area.
struct Answer {
    bool object = false;  // AccessibleObjectFromWindow gave one
    std::string name;     // empty when it gives none
    long role = 0;
};

Answer Ask(HWND window) {
    Answer answer;
    IAccessible* accessible = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&accessible))) ||
        !accessible) {
        return answer;
    }
    answer.object = true;
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (accessible->get_accName(self, &name) == S_OK) answer.name = Narrow(name);
    if (name) ::SysFreeString(name);
    VARIANT role;
    ::VariantInit(&role);
    if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4) answer.role = role.lVal;
    accessible->Release();
    return answer;
}

// The label Windows' oleacc names a control by that shows no text of its own.
std::string LabelBefore(HWND control) {
    for (HWND before = ::GetWindow(control, GW_HWNDPREV); before; before = ::GetWindow(before, GW_HWNDPREV)) {
        const LONG_PTR style = ::GetWindowLongPtrA(before, GWL_STYLE);
        const LONG_PTR kind = style & SS_TYPEMASK;
        if (lstrcmpiA(ClassOf(before).c_str(), "Static") == 0 && kind != SS_ICON && kind != SS_BITMAP) {
            return TextOf(before);
        }
        if ((style & (WS_GROUP | WS_TABSTOP)) == (WS_GROUP | WS_TABSTOP)) break;
    }
    return "";
}

struct Named {
    std::string where;
    int id;
    std::string expected;
};

// Checks each control's name; `shown` collects how each was found.
class Names {
public:
    void Check(HWND window, const std::string& where, int id, const std::string& expected) {
        HWND control = ::GetDlgItem(window, id);
        if (!control) return ADD_FAILURE() << where << ": no control " << id;
        const Answer answer = Ask(control);
        EXPECT_TRUE(answer.object) << where << " " << id << ": no accessible object";
        std::string name = answer.name;
        std::string how = "get_accName";
        if (name.empty()) {
            name = LabelBefore(control);
            how = "the static text before it";
        }
        EXPECT_EQ(name, expected) << where << " control " << id << " (found by " << how << ")";
        if (ClassOf(control) == "Edit") {
            EXPECT_EQ(answer.name, expected) << where << " " << id << ": Wine's oleacc names an edit by its label";
        }
        shown_ += "  " + where + " " + std::to_string(id) + ": \"" + name + "\" by " + how + "\n";
    }

    void Picture(HWND window, const std::string& where, int id) {
        const Answer answer = Ask(::GetDlgItem(window, id));
        EXPECT_TRUE(answer.object) << where;
        EXPECT_EQ(answer.role, ROLE_SYSTEM_GRAPHIC) << where << ": the picture is not announced as a graphic";
        EXPECT_EQ(answer.name, "") << where << ": a picture that only decorates has no name";
        shown_ += "  " + where + " picture: role " + std::to_string(answer.role) + ", name \"" + answer.name + "\"\n";
    }

    const std::string& shown() const { return shown_; }

private:
    std::string shown_;
};

class Accessibility : public SheetFixture {
protected:
    // Runs `dialog` modally here while `check` names its controls from
    // another thread, then cancels it.
    template <typename Dialog>
    void InDialog(Dialog& dialog, const char* title, const std::function<void(HWND)>& check) {
        std::thread user([&] {
            ::CoInitialize(nullptr);
            HWND shown = WaitForDialog(title);
            if (shown) check(shown);
            else ADD_FAILURE() << "no dialog \"" << title << "\"";
            if (shown) Click(shown, IDCANCEL);
            ::CoUninitialize();
        });
        dialog.DoModal();
        user.join();
    }

    Names names_;
};

TEST_F(Accessibility, EveryInputControlIsNamedByItsLabelAndThePicturesAreGraphics) {
    // A second hard disk, so that the boot page offers its hard disk box too.
    OpenNotebook("ide_type_82 = 01 01\nhdd_boot = 0\n");
    const bool bootPageCanBeMade = WhyWow64HasNoDisplay().empty();
    const struct {
        unsigned page;  // its template
        int id;
        const char* name;
    } controls[] = {
        {IDD_INFO_PAGE, IDC_INFO_LIST, "This page shows you the basic system configuration:"},
        {IDD_INFO_PAGE, IDC_CHANGE_ASSET_TAG, "Change Asset Tag Number"},
        {IDD_POST_PAGE, IDC_POST_SIMPLE_BOOT, "Enable Fast Boot"},
        {IDD_POST_PAGE, IDC_POST_FAN_ALWAYS_ON, "Fan always on enabled"},
        {IDD_PASSWORD_PAGE, IDC_CHANGE_POWER_ON_PASSWORD, "Change Power-On Password"},
        {IDD_PASSWORD_PAGE, IDC_CHANGE_SETUP_PASSWORD, "Change Setup Password"},
        {IDD_DISPLAY_PAGE, IDC_BOOT_DISPLAY_AUTO, "Auto"},
        {IDD_DISPLAY_PAGE, IDC_BOOT_DISPLAY_BOTH, "Both"},
        {IDD_DISPLAY_PAGE, IDC_DISPLAY_LCD_ONLY, "LCD Panel Only"},
        {IDD_DISPLAY_PAGE, IDC_DISPLAY_EXTERNAL_ONLY, "External monitor"},
        {IDD_DISPLAY_PAGE, IDC_DISPLAY_BOTH, "Both"},
        {IDD_DISPLAY_PAGE, IDC_BRIGHTNESS_TRACKBAR, "Brightness for LCD Panel (5)"},
        {IDD_DISPLAY_PAGE, IDC_CONTRAST_TRACKBAR, "Contrast for LCD Panel (8)"},
        {IDD_BOOT_PAGE, IDC_BOOT_ORDER_LIST, "Boot Sequence"},
        {IDD_BOOT_PAGE, IDC_HDD_BOOT_COMBO, "Setting of Hard Disk Boot"},
    };
    RunSheet([&](HWND sheet) {
        ::CoInitialize(nullptr);
        for (int index : PagesBootPageLast(bootPageCanBeMade)) {
            HWND page = ShowPage(sheet, index);
            const std::string where = "page " + std::to_string(index);
            for (const auto& c : controls) {
                if (tlw::PageIndexOf(c.page) == index) names_.Check(page, where, c.id, c.name);
            }
            names_.Picture(page, where, tlw::PageTable()[index].pictureControl);
        }
        ::CoUninitialize();
    });

    tlw::AssetTagEntry entry;
    CAssetTagDlg assetTag(entry);
    InDialog(assetTag, "Change Asset Tag Number", [&](HWND dialog) {
        names_.Check(dialog, "asset tag", IDC_NEW_ASSET_TAG, "New Asset Tag Number");
        names_.Check(dialog, "asset tag", IDC_CONFIRM_ASSET_TAG, "Confirm Asset Tag Number");
    });
    CChangePasswordDlg password;
    password.SetMode(PasswordMode::PowerOn);
    password.SetRecord(tlw::PasswordRecord::State(true));
    InDialog(password, "Change Power-On Password", [&](HWND dialog) {
        names_.Check(dialog, "change password", IDC_ENABLE_PASSWORD, "Enable Power-On Password");
        names_.Check(dialog, "change password", IDC_NEW_PASSWORD, "New Password:");
        names_.Check(dialog, "change password", IDC_CONFIRM_PASSWORD, "Confirm Password:");
    });
    CPasswordPromptDlg prompt;
    InDialog(prompt, "Tallowin", [&](HWND dialog) {
        names_.Check(dialog, "password prompt", IDC_PROMPT_PASSWORD, "Password");
    });
    std::printf("The names screen readers get:\n%s", names_.shown().c_str());
    if (!bootPageCanBeMade) {
        GTEST_SKIP() << "the other pages and the dialogs passed; the boot page could not be made: "
                     << WhyWow64HasNoDisplay();
    }
}

}  // namespace
