// The standard accessible object of a window with its role or name replaced,
// handed out through WM_GETOBJECT.
#include "win/accessible.h"

#include <oleacc.h>

#include <string>

#include "win/subclass.h"

namespace win {
namespace {

// oleacc's and oleaut32's functions, looked up once a screen reader asks:
// the program never loads them otherwise.
struct Oleacc {
    HRESULT(WINAPI* createStandard)(HWND, LONG, REFIID, void**) = nullptr;
    LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, LPUNKNOWN) = nullptr;
    BSTR(WINAPI* allocString)(const OLECHAR*, UINT) = nullptr;
    bool available() const { return createStandard && lresultFromObject && allocString; }
};

const Oleacc& OleaccFunctions() {
    static const Oleacc functions = [] {
        Oleacc found;
        HMODULE oleacc = ::LoadLibraryA("oleacc.dll");
        HMODULE oleaut = ::LoadLibraryA("oleaut32.dll");
        if (oleacc && oleaut) {
            found.createStandard = reinterpret_cast<decltype(found.createStandard)>(
                reinterpret_cast<void*>(::GetProcAddress(oleacc, "CreateStdAccessibleObject")));
            found.lresultFromObject = reinterpret_cast<decltype(found.lresultFromObject)>(
                reinterpret_cast<void*>(::GetProcAddress(oleacc, "LresultFromObject")));
            found.allocString = reinterpret_cast<decltype(found.allocString)>(
                reinterpret_cast<void*>(::GetProcAddress(oleaut, "SysAllocStringLen")));
        }
        return found;
    }();
    return functions;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The standard object of a window, with a role of its own, or a name taken
// from another window's text; every other question goes to the standard one.
class Replaced : public IAccessible {
public:
    Replaced(IAccessible* standard, HWND window, LONG role, HWND nameFrom)
        : standard_(standard), window_(window), role_(role), nameFrom_(nameFrom) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) {
            standard_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* wrong) override {
        return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, wrong);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (role_ != ROLE_SYSTEM_GRAPHIC) return standard_->get_accChildCount(count);
        *count = 0;  // a button's face is no part of a picture
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child) || (!nameFrom_ && role_ != ROLE_SYSTEM_GRAPHIC)) return standard_->get_accName(child, name);
        *name = nullptr;
        if (!nameFrom_) return S_FALSE;  // a picture that only decorates its page
        char text[512] = "";
        const int length = ::GetWindowTextA(nameFrom_, text, sizeof text);
        if (length <= 0) return S_FALSE;
        wchar_t wide[512];
        const int wideLength = ::MultiByteToWideChar(CP_ACP, 0, text, length, wide, 512);
        *name = OleaccFunctions().allocString(wide, static_cast<UINT>(wideLength));
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child) || role_ == 0) return standard_->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = role_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!IsSelf(child) || role_ != ROLE_SYSTEM_GRAPHIC) return standard_->get_accState(child, state);
        state->vt = VT_I4;
        state->lVal = STATE_SYSTEM_READONLY | (::IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        if (IsSelf(child) && role_ == ROLE_SYSTEM_GRAPHIC) {
            *shortcut = nullptr;
            return S_FALSE;
        }
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (IsSelf(child) && role_ == ROLE_SYSTEM_GRAPHIC) {
            *action = nullptr;  // nothing to press
            return S_FALSE;
        }
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return standard_->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (IsSelf(child) && role_ == ROLE_SYSTEM_GRAPHIC) return DISP_E_MEMBERNOTFOUND;
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return standard_->put_accName(child, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    virtual ~Replaced() = default;

    LONG references_ = 1;
    IAccessible* standard_;
    HWND window_;
    LONG role_;      // 0: the standard role
    HWND nameFrom_;  // null: the standard name, or none for a picture
};

// Answers WM_GETOBJECT for the client area of `window` with its standard
// object, the role or the name replaced; false when it cannot.
bool Answer(HWND window, WPARAM wParam, LPARAM lParam, LONG role, HWND nameFrom, LRESULT& result) {
    // The object id arrives as a 32-bit value, sign-extended on 64-bit Windows.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return false;
    const Oleacc& oleacc = OleaccFunctions();
    if (!oleacc.available()) return false;
    IAccessible* standard = nullptr;
    if (FAILED(oleacc.createStandard(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard))) ||
        !standard) {
        return false;
    }
    auto* replaced = new Replaced(standard, window, role, nameFrom);
    const LRESULT reference = oleacc.lresultFromObject(__uuidof(IAccessible), wParam, replaced);
    replaced->Release();  // the reference holds its own
    if (FAILED(reference)) return false;
    result = reference;
    return true;
}

LRESULT CALLBACK NamedProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR label) {
    LRESULT result = 0;
    if (message == WM_GETOBJECT && Answer(hwnd, wParam, lParam, 0, reinterpret_cast<HWND>(label), result)) {
        return result;
    }
    if (message == WM_NCDESTROY) RemoveSubclass(hwnd, NamedProcedure);
    return DefaultSubclass(hwnd, message, wParam, lParam);
}

}  // namespace

bool AnswerAsPicture(HWND window, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return Answer(window, wParam, lParam, ROLE_SYSTEM_GRAPHIC, nullptr, result);
}

void NameFromLabel(HWND control, HWND label) {
    if (control && label) SetSubclass(control, NamedProcedure, reinterpret_cast<DWORD_PTR>(label));
}

}  // namespace win
