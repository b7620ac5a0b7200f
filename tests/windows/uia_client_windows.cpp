// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a Windows screen reader (Narrator, NVDA) gets from a window through
// UI Automation: the top-level window found by its title, its element, and
// every element below it. Each line read from the standard input is a
// window title; for each the client prints one line per element,
// tab-separated, in UTF-8:
//   depth  control type  name  full description  help text  access key  enabled|disabled
// (depth 0 the window, 1 everything below it), then a line ".". Where it
// fails, a line starting with "!" says why, before the ".".
//
// The tree is read twice: with IUIAutomation (ElementFromHandle, FindAll),
// as screen readers ask, which gives each element's control type and name;
// and with UI Automation's own functions (UiaNodeFromHandle, UiaFind with a
// cache request), which give the rest: Wine's IUIAutomationElement answers
// only names, control types and rectangles. The two readings must agree.
//
// The client stays connected between requests, as a screen reader does: Qt
// tells UI Automation of changes only once a client has asked it for a
// window.
//   uia_client.exe < TITLES      (exit code 1 when any request failed)

#include <windows.h>
#include <ole2.h>
#include <uiautomation.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// UI Automation's control types, from UIA_ButtonControlTypeId on.
const char *const controlTypes[] = {
    "Button", "Calendar", "CheckBox", "ComboBox", "Edit", "Hyperlink", "Image", "ListItem",
    "List", "Menu", "MenuBar", "MenuItem", "ProgressBar", "RadioButton", "ScrollBar", "Slider",
    "Spinner", "StatusBar", "Tab", "TabItem", "Text", "ToolBar", "ToolTip", "Tree", "TreeItem",
    "Custom", "Group", "Thumb", "DataGrid", "DataItem", "Document", "SplitButton", "Window",
    "Pane", "Header", "HeaderItem", "Table", "TitleBar", "Separator", "SemanticZoom", "AppBar",
};

// What the client prints of one element.
struct Element {
    int type = 0;
    std::wstring name, description, help, accessKey;
    bool enabled = false;
};

// Asked of every element in the second reading, in this order.
const PROPERTYID properties[] = {
    UIA_ControlTypePropertyId, UIA_NamePropertyId, UIA_FullDescriptionPropertyId,
    UIA_HelpTextPropertyId, UIA_AccessKeyPropertyId, UIA_IsEnabledPropertyId,
};
constexpr int propertyCount = sizeof properties / sizeof *properties;

std::wstring text(const VARIANT &value)
{
    return value.vt == VT_BSTR && value.bstrVal ? std::wstring(value.bstrVal) : std::wstring();
}

// A text as one field of a line: UTF-8, with tabs and line breaks as spaces.
void putField(const std::wstring &field)
{
    std::putchar('\t');
    if (field.empty())
        return;
    const int size = WideCharToMultiByte(CP_UTF8, 0, field.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return;
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, field.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(static_cast<size_t>(size - 1));
    for (char &c : utf8)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    std::fputs(utf8.c_str(), stdout);
}

void putElement(const Element &element, int depth)
{
    std::printf("%d\t", depth);
    const int index = element.type - UIA_ButtonControlTypeId;
    if (index >= 0 && index < static_cast<int>(sizeof controlTypes / sizeof *controlTypes))
        std::fputs(controlTypes[index], stdout);
    else
        std::printf("%d", element.type);
    putField(element.name);
    putField(element.description);
    putField(element.help);
    putField(element.accessKey);
    std::printf("\t%s\n", element.enabled ? "enabled" : "disabled");
}

struct Search {
    const wchar_t *title;
    HWND found;
};

BOOL CALLBACK visibleTitled(HWND window, LPARAM data)
{
    auto *search = reinterpret_cast<Search *>(data);
    wchar_t title[256];
    if (IsWindowVisible(window) && GetWindowTextW(window, title, 256) > 0 &&
        std::wcscmp(title, search->title) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of that title, waited for up to 10 s.
HWND findWindow(const wchar_t *title)
{
    Search search = {title, nullptr};
    for (int i = 0; i < 100 && !search.found; ++i) {
        EnumWindows(visibleTitled, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(100);
    }
    return search.found;
}

// The first reading: the window's element and all below it, as a screen
// reader finds them, with their control types and names.
bool readElements(IUIAutomation *automation, HWND window, std::vector<Element> &out)
{
    IUIAutomationElement *root = nullptr;
    if (FAILED(automation->ElementFromHandle(window, &root)) || !root) {
        std::puts("! ElementFromHandle gave no element for the window");
        return false;
    }
    IUIAutomationCondition *all = nullptr;
    IUIAutomationElementArray *below = nullptr;
    bool ok = SUCCEEDED(automation->CreateTrueCondition(&all)) &&
              SUCCEEDED(root->FindAll(TreeScope_Descendants, all, &below)) && below;
    int count = 0;
    if (ok)
        below->get_Length(&count);
    else
        std::puts("! FindAll gave no elements below the window");
    for (int i = -1; ok && i < count; ++i) {
        IUIAutomationElement *element = root;
        if (i >= 0 && (FAILED(below->GetElement(i, &element)) || !element)) {
            std::printf("! FindAll's element %d cannot be had\n", i + 1);
            ok = false;
            break;
        }
        Element e;
        BSTR name = nullptr;
        ok = SUCCEEDED(element->get_CurrentControlType(&e.type)) &&
             SUCCEEDED(element->get_CurrentName(&name));
        if (!ok)
            std::printf("! element %d has no control type or name\n", i + 1);
        e.name = name ? name : L"";
        SysFreeString(name);
        out.push_back(e);
        if (i >= 0)
            element->Release();
    }
    if (below)
        below->Release();
    if (all)
        all->Release();
    root->Release();
    return ok;
}

// The second reading, the window first: every property asked for, from the
// cache request UiaFind fills in.
bool readProperties(HWND window, std::vector<Element> &out)
{
    HUIANODE node = nullptr;
    if (FAILED(UiaNodeFromHandle(window, &node)) || !node) {
        std::puts("! UiaNodeFromHandle gave no node for the window");
        return false;
    }
    UiaCondition all{ConditionType_True};
    UiaFindParams params{-1, FALSE, FALSE, &all};
    UiaCacheRequest request{&all, TreeScope_Element, const_cast<PROPERTYID *>(properties), propertyCount,
                            nullptr, 0, AutomationElementMode_Full};
    SAFEARRAY *data = nullptr, *offsets = nullptr, *structures = nullptr;
    const bool ok = SUCCEEDED(UiaFind(node, &params, &request, &data, &offsets, &structures)) && data;
    if (ok) {
        // One row per element: the element itself, then its properties.
        LONG first = 0, last = -1;
        SafeArrayGetLBound(data, 1, &first);
        SafeArrayGetUBound(data, 1, &last);
        for (LONG row = first; row <= last; ++row) {
            VARIANT value[propertyCount];
            for (int p = 0; p < propertyCount; ++p) {
                VariantInit(&value[p]);
                LONG at[2] = {row, p + 1};
                SafeArrayGetElement(data, at, &value[p]);
            }
            Element e;
            e.type = value[0].vt == VT_I4 ? value[0].lVal : 0;
            e.name = text(value[1]);
            e.description = text(value[2]);
            e.help = text(value[3]);
            e.accessKey = text(value[4]);
            e.enabled = value[5].vt == VT_BOOL && value[5].boolVal != VARIANT_FALSE;
            out.push_back(e);
            for (VARIANT &v : value)
                VariantClear(&v);
        }
    } else {
        std::puts("! UiaFind failed");
    }
    for (SAFEARRAY *array : {data, offsets, structures})
        if (array)
            SafeArrayDestroy(array);
    UiaNodeRelease(node);
    return ok;
}

// The tree of one window, as a screen reader reads it; false where there
// was none to read, or the two readings differ.
bool printTree(IUIAutomation *automation, const wchar_t *title)
{
    HWND window = findWindow(title);
    if (!window) {
        std::fputs("! no window", stdout);
        putField(title);
        std::putchar('\n');
        return false;
    }
    std::vector<Element> elements, described;
    if (!readElements(automation, window, elements) || !readProperties(window, described))
        return false;
    if (described.size() != elements.size()) {
        std::printf("! FindAll found %u elements, UiaFind %u\n", static_cast<unsigned>(elements.size()),
                    static_cast<unsigned>(described.size()));
        return false;
    }
    bool ok = true;
    for (size_t i = 0; i < elements.size(); ++i) {
        if (described[i].type != elements[i].type || described[i].name != elements[i].name) {
            std::printf("! element %u differs between FindAll and UiaFind\n", static_cast<unsigned>(i));
            ok = false;
        }
        putElement(described[i], i == 0 ? 0 : 1);
    }
    return ok;
}

} // namespace

int main()
{
    // Multithreaded, as screen readers' UI Automation threads are: no
    // message loop is needed while the client waits for its next request.
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)))
        return 2;
    IUIAutomation *automation = nullptr;
    if (FAILED(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IUIAutomation), reinterpret_cast<void **>(&automation)))) {
        std::puts("! no UI Automation");
        return 2;
    }
    // Lines end in \n alone, as the test's shell reads them.
    _setmode(_fileno(stdout), _O_BINARY);
    bool failed = false;
    char line[512];
    while (std::fgets(line, sizeof line, stdin)) {
        line[std::strcspn(line, "\r\n")] = '\0';
        if (!*line)
            continue;
        wchar_t title[256];
        if (MultiByteToWideChar(CP_UTF8, 0, line, -1, title, 256) == 0)
            title[0] = L'\0';
        if (!printTree(automation, title))
            failed = true;
        std::puts(".");
        std::fflush(stdout);
    }
    automation->Release();
    CoUninitialize();
    return failed ? 1 : 0;
}
