// The dialog layer's dispatch: where answers go, exceptions stopped at the
// window manager, the object untied from its window at the end.
#include <gtest/gtest.h>

#include <stdexcept>

#include "res/resource.h"
#include "win/dialog.h"

namespace {

constexpr UINT kRunChecks = WM_APP + 1;
constexpr UINT kAnswer42 = WM_APP + 2;
constexpr UINT kThrow = WM_APP + 3;

class ProbeDialog : public win::Dialog {
public:
    ProbeDialog() : win::Dialog(IDD_ABOUT) {}
    ~ProbeDialog() override { ::DeleteObject(brush); }

    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    LRESULT colourAnswer = 0, plainAnswer = 0, thrownAnswer = -1;
    HWND window = nullptr;
    bool initialised = false;

protected:
    bool OnInit() override {
        initialised = true;
        window = *this;
        Post(kRunChecks);
        return true;
    }
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        switch (message) {
            case WM_CTLCOLORSTATIC:
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            case kAnswer42:
                result = 42;
                return true;
            case kThrow:
                throw std::runtime_error("a handler failed");
            case kRunChecks: {
                HWND text = Item(IDC_ABOUT_NAME);
                HDC dc = ::GetDC(text);
                colourAnswer = Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text));
                ::ReleaseDC(text, dc);
                plainAnswer = Send(kAnswer42);
                thrownAnswer = Send(kThrow);
                End(IDOK);
                return true;
            }
            default:
                return false;
        }
    }
};

TEST(Dialog, AnswersGoWhereTheDialogManagerReadsThemAndExceptionsStopAtTheWindow) {
    ProbeDialog dialog;
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    EXPECT_TRUE(dialog.initialised);
    EXPECT_EQ(dialog.colourAnswer, reinterpret_cast<LRESULT>(dialog.brush)) << "a colour brush is returned directly";
    EXPECT_EQ(dialog.plainAnswer, 42) << "other answers go through DWLP_MSGRESULT";
    EXPECT_EQ(dialog.thrownAnswer, 0) << "a throwing handler counts as unhandled";
    EXPECT_FALSE(::IsWindow(dialog.window));
    EXPECT_EQ(static_cast<HWND>(dialog), nullptr) << "the object is untied from its destroyed window";
}

TEST(Dialog, MissingTemplateReportsFailure) {
    class Missing : public win::Dialog {
    public:
        Missing() : win::Dialog(4242) {}
    } missing;
    EXPECT_EQ(missing.DoModal(nullptr), -1);
}

}  // namespace
