// An accessibility client in a process of its own, as a screen reader is:
//   a11yclient listen FILE   appends "listening" to FILE once hooked, then
//                            each WinEvent of the wizard's windows with the
//                            object it names, until killed
//   a11yclient note TEXT     "== TEXT", a step of the transcript
//   a11yclient dump          the topmost wizard window's object and children
//   a11yclient do NAME       accDoDefaultAction on its child named NAME
// One line per object: role "name" [states] value action @left,top,width,height;
// a dump ends with the caret of the wizard's thread. While a listener runs,
// the others hand it what they say and it writes that in its turn among the
// events: FILE has one writer, so no line overwrites another.
#include <oleacc.h>
#include <stdio.h>
#include <windows.h>

#include <deque>
#include <string>

namespace {

// Not the import library's IID_IAccessible: linked statically, that name
// is a thunk into oleacc.dll, not the GUID.
const GUID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

std::string Utf8(const std::wstring& w) {
    int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string s(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, &s[0], n, nullptr, nullptr);
    return s;
}

std::wstring Take(BSTR b) {
    std::wstring s = b ? b : L"";
    SysFreeString(b);
    return s;
}

std::string Describe(IAccessible* acc, VARIANT child) {
    BSTR b = nullptr;
    acc->get_accName(child, &b);
    std::wstring name = Take(b);
    VARIANT v;
    VariantInit(&v);
    wchar_t text[128] = L"?";
    if (acc->get_accRole(child, &v) == S_OK && v.vt == VT_I4) GetRoleTextW(v.lVal, text, 128);
    std::string line = Utf8(text) + " \"" + Utf8(name) + "\" [";
    VariantInit(&v);
    if (acc->get_accState(child, &v) == S_OK && v.vt == VT_I4)
        for (DWORD bit = 1; bit; bit <<= 1)
            if ((v.lVal & bit) && GetStateTextW(bit, text, 128)) line += Utf8(text) + ",";
    if (line.back() == ',') line.pop_back();
    line += "]";
    b = nullptr;
    if (acc->get_accValue(child, &b) == S_OK) line += " value \"" + Utf8(Take(b)) + "\"";
    b = nullptr;
    if (acc->get_accDefaultAction(child, &b) == S_OK) line += " action \"" + Utf8(Take(b)) + "\"";
    long x = 0, y = 0, w = 0, h = 0;
    if (acc->accLocation(&x, &y, &w, &h, child) == S_OK)
        line += " @" + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(w) + "," + std::to_string(h);
    return line;
}

VARIANT Self() {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}

// Calls back for each child: its object and id (a child with an object of
// its own comes as that object and CHILDID_SELF).
template <class F>
void EachChild(IAccessible* acc, F f) {
    long count = 0;
    acc->get_accChildCount(&count);
    VARIANT kids[64];
    long got = 0;
    if (count <= 0 || count > 64 || FAILED(AccessibleChildren(acc, 0, count, kids, &got))) return;
    for (long i = 0; i < got; ++i) {
        if (kids[i].vt == VT_DISPATCH) {
            IAccessible* sub = nullptr;
            if (kids[i].pdispVal && SUCCEEDED(kids[i].pdispVal->QueryInterface(kIidAccessible, (void**)&sub))) {
                f(sub, Self());
                sub->Release();
            }
            kids[i].pdispVal->Release();
        } else if (kids[i].vt == VT_I4) {
            f(acc, kids[i]);
        }
    }
}

void Dump(IAccessible* acc, VARIANT child, int depth, std::string* out) {
    *out += std::string(static_cast<size_t>(depth) * 2, ' ') + Describe(acc, child) + "\n";
    if (child.vt == VT_I4 && child.lVal == CHILDID_SELF)
        EachChild(acc, [&](IAccessible* a, VARIANT c) { Dump(a, c, depth + 1, out); });
}

IAccessible* TopWindow() {
    HWND hwnd = FindWindowA("WizardForm", nullptr);
    IAccessible* acc = nullptr;
    if (!hwnd || FAILED(AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, kIidAccessible, (void**)&acc))) return nullptr;
    return acc;
}

// An event heard, or (event 0) a text handed to the listener.
struct Event {
    DWORD event;
    HWND hwnd;
    LONG object, child;
    std::string text;
};
std::deque<Event> queued;

const char kListener[] = "A11yListener";

// Takes a text from another client (WM_COPYDATA) into the queue.
LRESULT CALLBACK ListenerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_COPYDATA) return DefWindowProcA(hwnd, msg, wParam, lParam);
    const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    queued.push_back({0, nullptr, 0, 0, std::string(static_cast<const char*>(data->lpData), data->cbData)});
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    return TRUE;
}

// Hands text to the listener, or prints it where none runs.
void Say(const std::string& text) {
    HWND listener = FindWindowA(kListener, nullptr);
    COPYDATASTRUCT data = {0, static_cast<DWORD>(text.size()), const_cast<char*>(text.data())};
    if (!listener || !SendMessageA(listener, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)))
        fputs(text.c_str(), stdout);
}

// Out of context: called while this thread waits for a message, and read
// once the wait is over (a message posted ends it).
void CALLBACK Heard(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    char cls[64] = "";
    if (!hwnd || object == OBJID_CURSOR) return;
    GetClassNameA(GetAncestor(hwnd, GA_ROOT), cls, sizeof cls);
    if (strcmp(cls, "WizardForm") != 0) return;
    queued.push_back({event, hwnd, object, child, ""});
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

const DWORD kEventIds[] = {EVENT_SYSTEM_ALERT,         EVENT_SYSTEM_DIALOGSTART, EVENT_SYSTEM_DIALOGEND,
                           EVENT_OBJECT_CREATE,        EVENT_OBJECT_DESTROY,     EVENT_OBJECT_SHOW,
                           EVENT_OBJECT_HIDE,          EVENT_OBJECT_FOCUS,       EVENT_OBJECT_SELECTION,
                           EVENT_OBJECT_STATECHANGE,   EVENT_OBJECT_NAMECHANGE,  EVENT_OBJECT_VALUECHANGE,
                           EVENT_OBJECT_LOCATIONCHANGE};
const char* const kEventNames[] = {"ALERT",      "DIALOGSTART", "DIALOGEND",     "CREATE",    "DESTROY",
                                   "SHOW",       "HIDE",        "FOCUS",         "SELECTION", "STATECHANGE",
                                   "NAMECHANGE", "VALUECHANGE", "LOCATIONCHANGE"};

int Listen(const char* path) {
    SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Heard, 0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    WNDCLASSA wc{};
    wc.lpfnWndProc = ListenerProc;
    wc.lpszClassName = kListener;
    RegisterClassA(&wc);
    CreateWindowA(kListener, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    FILE* out = fopen(path, "ab");
    if (!out) return 2;
    fprintf(out, "listening\n");
    fflush(out);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageA(&msg);
        while (!queued.empty()) {
            Event e = queued.front();
            queued.pop_front();
            if (!e.event) {
                fputs(e.text.c_str(), out);
                fflush(out);
                continue;
            }
            char name[64];
            snprintf(name, sizeof name, "0x%04lx", e.event);
            for (size_t i = 0; i < sizeof kEventIds / sizeof kEventIds[0]; ++i)
                if (kEventIds[i] == e.event) snprintf(name, sizeof name, "%s", kEventNames[i]);
            std::string what = "(gone)";
            IAccessible* acc = nullptr;
            VARIANT child;
            VariantInit(&child);
            if (SUCCEEDED(AccessibleObjectFromEvent(e.hwnd, e.object, e.child, &acc, &child)) && acc) {
                what = Describe(acc, child);
                acc->Release();
            }
            fprintf(out, "event %s %s\n", name, what.c_str());
            fflush(out);
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CoInitialize(nullptr);
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "listen" && argc > 2) return Listen(argv[2]);
    if (mode == "note" && argc > 2) {
        Say("== " + std::string(argv[2]) + "\n");
        return 0;
    }
    IAccessible* top = TopWindow();
    if (!top) {
        Say("no wizard window answers\n");
        return 1;
    }
    std::string said;
    if (mode == "dump") {
        Dump(top, Self(), 0, &said);
        // Where a magnifier that follows the caret looks.
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        if (GetGUIThreadInfo(GetWindowThreadProcessId(FindWindowA("WizardForm", nullptr), nullptr), &gui) &&
            gui.hwndCaret) {
            POINT p{gui.rcCaret.left, gui.rcCaret.top};
            ClientToScreen(gui.hwndCaret, &p);
            said += "caret @" + std::to_string(p.x) + "," + std::to_string(p.y) + "," +
                    std::to_string(gui.rcCaret.right - gui.rcCaret.left) + "," +
                    std::to_string(gui.rcCaret.bottom - gui.rcCaret.top) + "\n";
        }
    } else if (mode == "do" && argc > 2) {
        wchar_t want[256];
        MultiByteToWideChar(CP_ACP, 0, argv[2], -1, want, 256);
        EachChild(top, [&](IAccessible* a, VARIANT c) {
            BSTR b = nullptr;
            if (a->get_accName(c, &b) == S_OK && Take(b) == want) {
                char line[320];
                snprintf(line, sizeof line, "do \"%s\": 0x%08lx\n", argv[2], a->accDoDefaultAction(c));
                said += line;
            }
        });
    }
    top->Release();
    Say(said);
    return 0;
}
