// What a Windows screen reader finds of the calculator, read as one does, through UI
// Automation's client functions, and checked against the control table and the table of
// answers. Run under Wine 10 or later (Wine 8 hangs a client); usage:
//   uia_client window SCALE        the window's elements: names, types, ids, focus stops,
//                                  enabled, and each place where it is drawn at SCALE (1, 2)
//   uia_client focus               Tab and Shift+Tab round the window, followed by a focus
//                                  listener: every stop in tab order
//   uia_client box greeting|fault SCALE
//                                  the box that opens: its title, its text, its OK button
//                                  with the focus, and their places; then Enter closes it
//   uia_client answers TRACE       presses and typing, each answered by a notification that
//                                  the program asked Windows to raise, read from TRACE, the
//                                  program's own +uiautomation trace: its text, kind,
//                                  processing and activity id
// Wine 10 implements no pattern (Invoke, Value) and no value property, and its
// UiaRaiseNotificationEvent only writes its arguments to the trace, which reaches no
// listener: so presses are the pointer's and keys', as a user's, and notifications are read
// where Wine writes them. Each check says what it saw; exit status 1 when one failed.
#include "accessibility/answer_kinds.h"
#include "layout/control_table.h"
#include "system/system_libraries.h"

#include <windows.h>
#include <oleauto.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using kometa::window::Controls;
using kometa::window::ControlSpec;

// The client functions, which MinGW-w64's headers lack, as UIAutomationCore.dll exports them.
using Node = void *;
enum Direction { Parent, NextSibling, PreviousSibling, FirstChild, LastChild };
struct Condition
{
    int type; // 0: every element
};
struct CacheRequest
{
    Condition *view;
    int scope; // 1: the element itself
    int *properties;
    int propertyCount;
    int *patterns;
    int patternCount;
    int mode; // 1: full
};
struct EventArgs
{
    int type;
    int eventId;
};
using EventCallback = void(WINAPI *)(EventArgs *, SAFEARRAY *, BSTR);

struct Api
{
    HRESULT(WINAPI *nodeFromHandle)(HWND, Node *);
    HRESULT(WINAPI *navigate)(Node, Direction, Condition *, CacheRequest *, SAFEARRAY **, BSTR *);
    HRESULT(WINAPI *propertyValue)(Node, int, VARIANT *);
    HRESULT(WINAPI *nodeFromVariant)(VARIANT *, Node *);
    BOOL(WINAPI *release)(Node);
    HRESULT(WINAPI *addEvent)(Node, int, EventCallback, int, int *, int, CacheRequest *, void **);
    HRESULT(WINAPI *removeEvent)(void *);
} api;

enum Property {
    BoundingRectangle = 30001,
    ControlType = 30003,
    Name = 30005,
    HasKeyboardFocus = 30008,
    IsKeyboardFocusable = 30009,
    IsEnabled = 30010,
    AutomationId = 30011,
};
enum Type { Button = 50000, Edit = 50004, Text = 50020, Window = 50032 };
const int FocusChangedEvent = 20005;

int failures = 0;

void Check(bool good, const std::string &what)
{
    std::printf("%s %s\n", good ? "ok:  " : "FAIL:", what.c_str());
    std::fflush(stdout);
    failures += good ? 0 : 1;
}

template <typename Function>
void Resolve(Function &function, const char *name)
{
    function = reinterpret_cast<Function>(
            kometa::window::SystemFunction(L"UIAutomationCore.dll", name));
    if (!function) {
        std::printf("UIAutomationCore.dll has no %s\n", name);
        std::exit(2);
    }
}

std::string Utf8(std::wstring_view text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

std::wstring Wide(std::string_view text)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size);
    return out;
}

// One element as a screen reader reads it.
struct Element
{
    std::string name;
    int type = 0;
    std::string id;
    bool focusable = false;
    bool enabled = false;
    bool focused = false;
    RECT place {}; // in the screen's pixels
};

// The longest a single call kept the client waiting for the program.
std::chrono::steady_clock::duration longestCall {};

template <typename Call>
HRESULT Timed(Call call)
{
    const auto start = std::chrono::steady_clock::now();
    const HRESULT result = call();
    longestCall = std::max(longestCall, std::chrono::steady_clock::now() - start);
    return result;
}

long long Milliseconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(duration).count();
}

VARIANT Value(Node node, int property)
{
    VARIANT value;
    VariantInit(&value);
    if (FAILED(Timed([&] { return api.propertyValue(node, property, &value); })))
        VariantInit(&value);
    return value;
}

std::string TextOf(Node node, int property)
{
    VARIANT value = Value(node, property);
    std::string text = value.vt == VT_BSTR ? Utf8(value.bstrVal) : std::string();
    VariantClear(&value);
    return text;
}

int NumberOf(Node node, int property)
{
    VARIANT value = Value(node, property);
    const int number = value.vt == VT_I4 ? value.lVal : 0;
    VariantClear(&value);
    return number;
}

bool TruthOf(Node node, int property)
{
    VARIANT value = Value(node, property);
    const bool truth = value.vt == VT_BOOL && value.boolVal;
    VariantClear(&value);
    return truth;
}

Element Read(Node node)
{
    Element element { TextOf(node, Name), NumberOf(node, ControlType), TextOf(node, AutomationId),
                      TruthOf(node, IsKeyboardFocusable), TruthOf(node, IsEnabled),
                      TruthOf(node, HasKeyboardFocus) };
    VARIANT value = Value(node, BoundingRectangle);
    if (value.vt == (VT_ARRAY | VT_R8)) {
        double *box = nullptr;
        SafeArrayAccessData(value.parray, reinterpret_cast<void **>(&box));
        element.place = { LONG(box[0]), LONG(box[1]), LONG(box[0] + box[2]),
                          LONG(box[1] + box[3]) };
        SafeArrayUnaccessData(value.parray);
    }
    VariantClear(&value);
    return element;
}

Node Navigate(Node node, Direction direction)
{
    Condition every { 0 };
    CacheRequest request { &every, 1, nullptr, 0, nullptr, 0, 1 };
    SAFEARRAY *data = nullptr;
    BSTR tree = nullptr;
    Node found = nullptr;
    const auto navigate = [&] {
        return api.navigate(node, direction, &every, &request, &data, &tree);
    };
    if (SUCCEEDED(Timed(navigate)) && data) {
        LONG first[2] = { 0, 0 };
        VARIANT value;
        VariantInit(&value);
        if (SUCCEEDED(SafeArrayGetElement(data, first, &value)))
            api.nodeFromVariant(&value, &found);
        VariantClear(&value);
        SafeArrayDestroy(data);
    }
    SysFreeString(tree);
    return found;
}

// The element of the window and those below it, in the order the tree gives them, each with
// its depth; and how long reading them took.
struct Tree
{
    std::vector<std::pair<int, Element>> elements;
    long long milliseconds = 0;
    long long longestCall = 0;
};

void Walk(Node node, int depth, Tree &tree)
{
    tree.elements.emplace_back(depth, Read(node));
    for (Node child = Navigate(node, FirstChild); child;) {
        Walk(child, depth + 1, tree);
        Node next = Navigate(child, NextSibling);
        api.release(child);
        child = next;
    }
}

HWND WindowTitled(const std::string &title)
{
    for (int tries = 0; tries < 100; ++tries) {
        if (HWND window = FindWindowW(nullptr, Wide(title).c_str()))
            return window;
        Sleep(100);
    }
    std::printf("no window is titled \"%s\"\n", title.c_str());
    std::exit(2);
}

Tree ReadWindow(HWND window)
{
    const auto start = std::chrono::steady_clock::now();
    longestCall = {};
    Node root = nullptr;
    Tree tree;
    if (SUCCEEDED(Timed([&] { return api.nodeFromHandle(window, &root); })) && root) {
        Walk(root, 0, tree);
        api.release(root);
    }
    tree.milliseconds = Milliseconds(std::chrono::steady_clock::now() - start);
    tree.longestCall = Milliseconds(longestCall);
    return tree;
}

// A screen reader asks one thing at a time; none may keep it waiting. Under Wine each call
// crosses to the program and back, so the whole tree takes seconds on a busy machine.
void CheckNoCallWaited(const Tree &tree, const std::string &what)
{
    Check(tree.longestCall < 1000,
          what + ": " + std::to_string(tree.elements.size()) + " elements read in "
                  + std::to_string(tree.milliseconds) + " ms, the longest call "
                  + std::to_string(tree.longestCall) + " ms");
}

std::string Place(const RECT &place)
{
    std::ostringstream text;
    text << '(' << place.left << ", " << place.top << ", " << place.right - place.left << "×"
         << place.bottom - place.top << ')';
    return text.str();
}

// The client area's top left corner on the screen, where the layout's places begin.
POINT ClientOrigin(HWND window)
{
    POINT origin { 0, 0 };
    ClientToScreen(window, &origin);
    return origin;
}

RECT Relative(const RECT &place, POINT origin)
{
    return { place.left - origin.x, place.top - origin.y, place.right - origin.x,
             place.bottom - origin.y };
}

bool Same(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A window's own element is where its client area is on the screen.
void CheckClientArea(HWND window, const Element &element)
{
    RECT client {};
    GetClientRect(window, &client);
    const POINT origin = ClientOrigin(window);
    const RECT area { origin.x, origin.y, origin.x + client.right, origin.y + client.bottom };
    Check(Same(element.place, area), "its element at " + Place(element.place)
                                             + ", its client area at " + Place(area));
}

int CheckWindow(int scale)
{
    const HWND window = WindowTitled(std::string(kometa::window::WindowTitle));
    const Tree tree = ReadWindow(window);
    CheckNoCallWaited(tree, "the window");
    if (tree.elements.empty())
        return 1;
    const Element &form = tree.elements[0].second;
    Check(form.type == Window && form.name == kometa::window::WindowAccessibleName,
          "the window: \"" + form.name + "\"");
    RECT drawn {};
    GetWindowRect(window, &drawn);
    const POINT origin = ClientOrigin(window);
    std::printf("note: the window's UI Automation place %s; Windows' own %s, its client area"
                " at (%ld, %ld)\n",
                Place(form.place).c_str(), Place(drawn).c_str(), origin.x, origin.y);
    CheckClientArea(window, form);
    const LONG width = scale * kometa::window::Pixels(kometa::window::ClientWidthTwips);
    const LONG height = scale * kometa::window::Pixels(kometa::window::ClientHeightTwips);
    Check(form.place.right - form.place.left == width
                  && form.place.bottom - form.place.top == height,
          "the window's size, " + std::to_string(width) + "×" + std::to_string(height)
                  + " at this scale");
    Check(tree.elements.size() == Controls.size() + 1,
          std::to_string(tree.elements.size() - 1) + " controls below it, "
                  + std::to_string(Controls.size()) + " in the control table");
    for (std::size_t index = 0; index < Controls.size() && index + 1 < tree.elements.size();
         ++index) {
        const ControlSpec &control = Controls[index];
        const auto &[depth, element] = tree.elements[index + 1];
        const bool box = control.kind == kometa::window::ControlKind::TextBox;
        const std::string id = "Form1." + std::string(control.name);
        const RECT expected { scale * kometa::window::Pixels(control.left),
                              scale * kometa::window::Pixels(control.top),
                              scale * kometa::window::Pixels(control.left + control.width),
                              scale * kometa::window::Pixels(control.top + control.height) };
        const RECT seen = Relative(element.place, origin);
        Check(depth == 1 && element.name == control.accessibleName
                      && element.type == (box ? Edit : Button) && element.id == id
                      && element.focusable && element.enabled,
              id + ": \"" + element.name + "\", " + (box ? "Edit" : "Button")
                      + (element.focusable ? ", a focus stop" : ", NOT a focus stop")
                      + (element.enabled ? ", enabled" : ", NOT enabled"));
        Check(Same(seen, expected),
              id + " at " + Place(seen) + " in the client area, drawn at " + Place(expected));
    }
    for (const auto &[depth, element] : tree.elements)
        Check(!element.name.empty() || element.id.empty(), "named: " + element.id);
    return failures ? 1 : 0;
}

// The keys, as the keyboard sends them to whatever has the focus.
void Press(WORD key, bool shift = false)
{
    std::vector<INPUT> inputs;
    auto add = [&](WORD code, bool up) {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (shift)
        add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (shift)
        add(VK_SHIFT, true);
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::vector<std::string> heardFocus;
CRITICAL_SECTION heardLock;

void WINAPI FocusChanged(EventArgs *, SAFEARRAY *data, BSTR)
{
    std::string name;
    if (data) {
        LONG first[2] = { 0, 0 };
        VARIANT value;
        VariantInit(&value);
        Node node = nullptr;
        if (SUCCEEDED(SafeArrayGetElement(data, first, &value))
            && SUCCEEDED(api.nodeFromVariant(&value, &node)) && node) {
            name = TextOf(node, Name);
            api.release(node);
        }
        VariantClear(&value);
    }
    EnterCriticalSection(&heardLock);
    heardFocus.push_back(name);
    LeaveCriticalSection(&heardLock);
}

std::size_t FocusHeard()
{
    EnterCriticalSection(&heardLock);
    const std::size_t count = heardFocus.size();
    LeaveCriticalSection(&heardLock);
    return count;
}

int CheckFocus()
{
    InitializeCriticalSection(&heardLock);
    const HWND window = WindowTitled(std::string(kometa::window::WindowTitle));
    SetForegroundWindow(window);
    Node root = nullptr;
    if (FAILED(api.nodeFromHandle(window, &root)) || !root)
        return 1;
    Condition every { 0 };
    CacheRequest request { &every, 1, nullptr, 0, nullptr, 0, 1 };
    void *listener = nullptr;
    const HRESULT added =
            api.addEvent(root, FocusChangedEvent, FocusChanged, 7, nullptr, 0, &request, &listener);
    Check(SUCCEEDED(added), "a focus listener on the window");
    if (FAILED(added))
        return 1;
    const std::size_t stops = Controls.size();
    // The first operand has the focus at start: Tab goes on from it, and round again.
    std::vector<std::string> expected;
    for (std::size_t tab = 1; tab <= stops; ++tab)
        expected.emplace_back(Controls[tab % stops].accessibleName);
    for (std::size_t back = stops; back-- > 0;)
        expected.emplace_back(Controls[back].accessibleName);
    for (std::size_t key = 0; key < 2 * stops; ++key) {
        const std::size_t before = FocusHeard();
        Press(VK_TAB, key >= stops);
        for (int wait = 0; wait < 50 && FocusHeard() == before; ++wait)
            Sleep(20);
    }
    Sleep(500);
    api.removeEvent(listener);
    api.release(root);
    EnterCriticalSection(&heardLock);
    const std::vector<std::string> heard = heardFocus;
    LeaveCriticalSection(&heardLock);
    Check(heard.size() == expected.size(),
          std::to_string(heard.size()) + " focus events for " + std::to_string(expected.size())
                  + " keys, Tab then Shift+Tab");
    for (std::size_t stop = 0; stop < expected.size(); ++stop) {
        const std::string seen = stop < heard.size() ? heard[stop] : "(none)";
        Check(seen == expected[stop], std::string(stop < stops ? "Tab " : "Shift+Tab ")
                                              + std::to_string(stop % stops + 1) + ": \"" + seen
                                              + "\", expected \"" + expected[stop] + "\"");
    }
    return failures ? 1 : 0;
}

int CheckBox(const std::string &which, int scale)
{
    const std::string title(which == "greeting" ? kometa::window::GreetingTitle
                                                : kometa::window::FaultTitle);
    const HWND box = WindowTitled(title);
    const Tree tree = ReadWindow(box);
    CheckNoCallWaited(tree, "the box \"" + title + "\"");
    if (tree.elements.empty())
        return 1;
    const Element &window = tree.elements[0].second;
    Check(window.type == Window && window.name == title, "a window: \"" + window.name + "\"");
    RECT drawn {};
    GetWindowRect(box, &drawn);
    const POINT origin = ClientOrigin(box);
    RECT client {};
    GetClientRect(box, &client);
    bool text = false, ok = false;
    for (std::size_t index = 1; index < tree.elements.size(); ++index) {
        const Element &element = tree.elements[index].second;
        const RECT seen = Relative(element.place, origin);
        const bool inside = seen.left >= 0 && seen.top >= 0 && seen.right <= client.right
                && seen.bottom <= client.bottom && seen.right > seen.left;
        if (element.type == Text && element.name.size() > 1) {
            text = true;
            Check(inside, "its text \"" + element.name + "\" at " + Place(seen) + ", inside its "
                                  + Place(client));
        }
        if (element.type == Button && element.name == "OK") {
            ok = true;
            Check(element.focused, "its OK button has the focus");
            Check(inside && (seen.bottom - seen.top) >= 20 * scale,
                  "its OK button at " + Place(seen) + ", inside its " + Place(client));
        }
    }
    Check(text, "the box has its text");
    Check(ok, "the box has an OK button");
    std::printf("note: the box's UI Automation place %s, Windows' own %s\n",
                Place(window.place).c_str(), Place(drawn).c_str());
    CheckClientArea(box, window);
    // Closed as a user would, with Enter on its OK button.
    SetForegroundWindow(box);
    Press(VK_RETURN);
    for (int wait = 0; wait < 100 && IsWindow(box); ++wait)
        Sleep(50);
    Check(!IsWindow(box), "Enter closes the box");
    return failures ? 1 : 0;
}

// The notifications the program asked Windows to raise, as Wine's trace writes each:
// UiaRaiseNotificationEvent (PROVIDER, KIND, PROCESSING, L"TEXT", L"ACTIVITY"), a character
// outside printable ASCII as a backslash and four hex digits.
struct Raised
{
    int kind = -1;
    int processing = -1;
    std::string text;
    std::string activity;
};

std::string Unescaped(std::string_view quoted)
{
    std::wstring out;
    for (std::size_t at = 0; at < quoted.size(); ++at) {
        if (quoted[at] != '\\' || at + 1 == quoted.size()) {
            out += wchar_t(static_cast<unsigned char>(quoted[at]));
            continue;
        }
        const char next = quoted[++at];
        if (next == 'n' || next == 'r' || next == 't') {
            out += next == 'n' ? L'\n' : next == 'r' ? L'\r' : L'\t';
        } else if (std::isxdigit(static_cast<unsigned char>(next))) {
            out += wchar_t(std::stoul(std::string(quoted.substr(at, 4)), nullptr, 16));
            at += 3;
        } else {
            out += wchar_t(next); // a quote or a backslash
        }
    }
    return Utf8(out);
}

std::vector<Raised> RaisedIn(const std::string &trace)
{
    std::ifstream file(trace, std::ios::binary);
    std::vector<Raised> raised;
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t call = line.find("UiaRaiseNotificationEvent (");
        if (call == std::string::npos)
            continue;
        Raised one;
        std::size_t at = line.find(", ", call);
        if (at == std::string::npos)
            continue;
        char *end = nullptr;
        one.kind = int(std::strtol(line.c_str() + at + 2, &end, 10));
        one.processing = int(std::strtol(end + 2, &end, 10));
        auto quoted = [&](std::size_t from, std::size_t &after) {
            const std::size_t open = line.find("L\"", from);
            if (open == std::string::npos) {
                after = std::string::npos;
                return std::string();
            }
            std::size_t close = open + 2;
            while (close < line.size() && (line[close] != '"' || line[close - 1] == '\\'))
                ++close;
            after = close + 1;
            return Unescaped(std::string_view(line).substr(open + 2, close - open - 2));
        };
        std::size_t after = 0;
        one.text = quoted(std::size_t(end - line.c_str()), after);
        if (after != std::string::npos)
            one.activity = quoted(after, after);
        raised.push_back(one);
    }
    return raised;
}

void ClickAt(HWND window, const ControlSpec &control, int scale)
{
    POINT centre { scale * kometa::window::Pixels(control.left + control.width / 2),
                   scale * kometa::window::Pixels(control.top + control.height / 2) };
    ClientToScreen(window, &centre);
    SetCursorPos(centre.x, centre.y);
    INPUT clicks[2] {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
}

const ControlSpec &Control(std::string_view name)
{
    for (const ControlSpec &control : Controls) {
        if (control.name == name)
            return control;
    }
    std::printf("no control %.*s in the control table\n", int(name.size()), name.data());
    std::exit(2);
}

std::string Heard(std::string_view control, std::string_view text)
{
    return std::string(Control(control).accessibleName) + ": " + std::string(text);
}

// Typed as characters, whatever the keyboard's layout.
void Type(std::string_view text)
{
    for (wchar_t character : Wide(text)) {
        INPUT keys[2] {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wScan = keys[1].ki.wScan = WORD(character);
        keys[0].ki.dwFlags = KEYEVENTF_UNICODE;
        keys[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
        Sleep(50);
    }
}

const char *KindName(int kind)
{
    static const char *const names[] { "ItemAdded", "ItemRemoved", "ActionCompleted",
                                       "ActionAborted", "Other" };
    return kind >= 0 && kind < 5 ? names[kind] : "?";
}

const char *ProcessingName(int processing)
{
    static const char *const names[] { "ImportantAll", "ImportantMostRecent", "All", "MostRecent",
                                       "CurrentThenMostRecent" };
    return processing >= 0 && processing < 5 ? names[processing] : "?";
}

int CheckAnswers(const std::string &trace)
{
    using kometa::window::AnswerKind;
    const HWND window = WindowTitled(std::string(kometa::window::WindowTitle));
    // A screen reader asks for the window first; the program answers from then on.
    Node root = nullptr;
    api.nodeFromHandle(window, &root);
    SetForegroundWindow(window);
    Sleep(300);
    wchar_t decimal[4] = L".";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 4);
    const std::string separator = Utf8(decimal);
    const std::string other = separator == "," ? "." : ",";
    // Each step clicks a control by its name, types ("type TEXT") into the focused field, or
    // closes the box that opened with Enter ("close").
    struct Act
    {
        std::string what;
        std::vector<std::string> steps;
        std::vector<std::pair<std::string, AnswerKind>> answers;
    };
    const std::vector<Act> acts {
        { "«7» into the first operand", { "C7" },
          { { Heard("Text1", "7"), AnswerKind::Operand } } },
        { "«1» «2» «3» quickly, each answered, the newest replacing the older",
          { "C1", "C2", "C3" },
          { { Heard("Text1", "71"), AnswerKind::Operand },
            { Heard("Text1", "712"), AnswerKind::Operand },
            { Heard("Text1", "7123"), AnswerKind::Operand } } },
        { "«+» with an empty second operand", { "Complus" },
          { { Heard("Text3", "7123"), AnswerKind::Result } } },
        { "«M1+»", { "Command9" }, { { Heard("Text4", "7123"), AnswerKind::Memory } } },
        { "«:» by zero", { "Text2", "Command18", "Comdel" },
          { { Heard("Text6", "2"), AnswerKind::Operand },
            { Heard("Text2", "0"), AnswerKind::Operand },
            { Heard("Text3", "на ноль неделится"), AnswerKind::Refusal } } },
        // Typed text is the screen reader's to speak. The product rewrites the second
        // operand in the desktop's decimal separator before it overflows, which is told once
        // the fault's box is closed.
        { "1E308 × 1E308" + other + "0: the fault box, then what the operation wrote",
          { "Text1", "type 1E308", "Text2", "type 1E308" + other + "0", "Comumn", "close" },
          { { Heard("Text1", "пусто") + ". " + Heard("Text6", "1"), AnswerKind::Operand },
            { Heard("Text2", "пусто") + ". " + Heard("Text6", "2"), AnswerKind::Operand },
            { Heard("Text2", "1E308" + separator + "0"), AnswerKind::Fault } } },
    };
    std::size_t seen = RaisedIn(trace).size();
    for (const Act &act : acts) {
        for (const std::string &step : act.steps) {
            if (step.starts_with("type ")) {
                Type(step.substr(5));
            } else if (step == "close") {
                const HWND box = WindowTitled(std::string(kometa::window::FaultTitle));
                SetForegroundWindow(box);
                Press(VK_RETURN);
                for (int wait = 0; wait < 100 && IsWindow(box); ++wait)
                    Sleep(50);
            } else {
                ClickAt(window, Control(step), 1);
            }
            Sleep(150);
        }
        std::vector<Raised> raised;
        for (int wait = 0; wait < 100; ++wait) {
            raised = RaisedIn(trace);
            if (raised.size() >= seen + act.answers.size())
                break;
            Sleep(50);
        }
        Sleep(300);
        raised = RaisedIn(trace);
        const std::vector<Raised> now(raised.begin() + long(std::min(seen, raised.size())),
                                      raised.end());
        seen = raised.size();
        Check(now.size() == act.answers.size(),
              act.what + ": " + std::to_string(now.size()) + " notifications raised, "
                      + std::to_string(act.answers.size()) + " answers expected");
        for (std::size_t index = 0; index < now.size() && index < act.answers.size(); ++index) {
            const auto &[text, kind] = act.answers[index];
            const kometa::window::UiaRaising raising = kometa::window::RaisingOf(kind);
            const Raised &one = now[index];
            Check(one.text == text && one.kind == int(raising.kind)
                          && one.processing == int(raising.processing)
                          && one.activity == Utf8(raising.activity),
                  "\"" + one.text + "\", " + KindName(one.kind) + ", "
                          + ProcessingName(one.processing) + ", \"" + one.activity
                          + "\"; expected \"" + text + "\", " + KindName(int(raising.kind))
                          + ", " + ProcessingName(int(raising.processing)) + ", \""
                          + Utf8(raising.activity) + "\"");
        }
    }
    if (root)
        api.release(root);
    return failures ? 1 : 0;
}

} // namespace

int main()
{
    // Places in the screen's own pixels at any scale, as UI Automation gives them.
    SetProcessDPIAware();
    // The arguments as they were typed: the ANSI ones lose a Cyrillic box title.
    int argc = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> argv;
    for (int index = 0; index < argc; ++index)
        argv.push_back(Utf8(wide[index]));
    LocalFree(wide);
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    Resolve(api.nodeFromHandle, "UiaNodeFromHandle");
    Resolve(api.navigate, "UiaNavigate");
    Resolve(api.propertyValue, "UiaGetPropertyValue");
    Resolve(api.nodeFromVariant, "UiaHUiaNodeFromVariant");
    Resolve(api.release, "UiaNodeRelease");
    Resolve(api.addEvent, "UiaAddEvent");
    Resolve(api.removeEvent, "UiaRemoveEvent");
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "window" && argc == 3)
        return CheckWindow(std::stoi(argv[2]));
    if (mode == "focus" && argc == 2)
        return CheckFocus();
    if (mode == "box" && argc == 4 && (argv[2] == "greeting" || argv[2] == "fault"))
        return CheckBox(argv[2], std::stoi(argv[3]));
    if (mode == "answers" && argc == 3)
        return CheckAnswers(argv[2]);
    std::puts("usage: uia_client window SCALE | focus | box greeting|fault SCALE | answers TRACE");
    return 2;
}
