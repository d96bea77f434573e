// What UI Automation, the interface of Windows screen readers, sees of the
// running calculator's window: each element's control type, name and the
// action patterns it offers, a line each. tests/e2e/wine.py runs it beside
// the program under Wine. Wine 10's client sees the elements with their names
// and types, but gets none of their patterns, nor the values those patterns
// carry as properties (toggle state, a text box's value): its
// GetCurrentPatternAs returns E_NOTIMPL, in another process as in the same one
// (tests/ui/UiAutomationActionsTest.cpp tries the actions from inside). Exits 1 with a line on
// standard error when the window or its elements are not there.
#include <uiautomation.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstdio>
#include <string>

namespace {

using Microsoft::WRL::ComPtr;

std::string utf8(BSTR text) {
    const int length = static_cast<int>(SysStringLen(text));
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "uia_probe: %s\n", what.c_str());
    std::exit(1);
}

struct Bstr {
    BSTR text = nullptr;
    ~Bstr() { SysFreeString(text); }
    std::string str() const { return utf8(text); }
};

std::string nameOf(IUIAutomationElement* element) {
    Bstr name;
    element->get_CurrentName(&name.text);
    return name.str();
}

template <class Pattern>
bool offers(IUIAutomationElement* element, PATTERNID id) {
    ComPtr<Pattern> pattern;
    return SUCCEEDED(element->GetCurrentPatternAs(id, IID_PPV_ARGS(&pattern))) && pattern;
}

struct Window {
    ComPtr<IUIAutomation> automation;
    ComPtr<IUIAutomationElement> root;

    Window() {
        if (FAILED(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(&automation))))
            fail("no UI Automation client");
        HWND window = FindWindowW(nullptr, L"Zorvane");
        if (window == nullptr)
            fail("no window titled Zorvane");
        if (FAILED(automation->ElementFromHandle(window, &root)) || !root)
            fail("UI Automation has no element for the window");
    }

    void list() {
        ComPtr<IUIAutomationCondition> everything;
        automation->CreateTrueCondition(&everything);
        ComPtr<IUIAutomationElementArray> all;
        root->FindAll(TreeScope_Descendants, everything.Get(), &all);
        if (!all)
            fail("UI Automation finds nothing in the window");
        int count = 0;
        all->get_Length(&count);
        for (int i = 0; i < count; ++i) {
            ComPtr<IUIAutomationElement> element;
            all->GetElement(i, &element);
            CONTROLTYPEID type = 0;
            element->get_CurrentControlType(&type);
            std::string patterns;
            if (offers<IUIAutomationInvokePattern>(element.Get(), UIA_InvokePatternId))
                patterns += " Invoke";
            if (offers<IUIAutomationTogglePattern>(element.Get(), UIA_TogglePatternId))
                patterns += " Toggle";
            if (offers<IUIAutomationValuePattern>(element.Get(), UIA_ValuePatternId))
                patterns += " Value";
            std::printf("%d\t%s\t%s\n", type, nameOf(element.Get()).c_str(), patterns.c_str());
        }
    }
};

}  // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    Window().list();
    CoUninitialize();
    return 0;
}
