// Active Accessibility of the toolkit's windows. Each form window answers
// WM_GETOBJECT for its client area with an IAccessible whose children are
// the items of the model (Form::AccessibleItems): static texts, push buttons,
// radio buttons, a progress bar, and the list box as an object of its own
// with its entries. A keyboard proxy answers for the picture button it
// stands for, where that is drawn, so that the system's focus event on the
// proxy reads the button and not a place at x = -10000. The model's changes
// become WinEvents, and a hidden caret follows the focus for magnifiers.
//
// oleacc, ole32 and oleaut32 come with Windows 98, 2000 and XP, on 95 and NT 4
// only with the Active Accessibility redistributable: they are loaded at the
// first WM_GETOBJECT, NotifyWinEvent is looked up in user32, and without them
// nothing is answered and nothing raised. The calls of other programs arrive
// as messages of the window thread (COM's single-threaded apartment), so
// they wait while a search blocks it, as every other message does.
#include <oleacc.h>

#include <string>
#include <vector>

#include "platform/win32/UiWin32.h"

namespace ui {
namespace win32ui {

namespace {

// Named here: the SDK's come from a library that would bring data of its own.
const GUID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidEnumVariant = {0x00020404, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// A default action asked for by another program runs from the message loop,
// as a click would, not inside its call: the page it opens may take long.
constexpr UINT kDoDefaultAction = WM_APP + 1;

template <class F>
bool Find(HMODULE module, const char* name, F* f) {
    *f = module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
    return *f != nullptr;
}

struct Ole {
    LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, LPUNKNOWN) = nullptr;
    HRESULT(WINAPI* objectFromWindow)(HWND, DWORD, REFIID, void**) = nullptr;
    BSTR(WINAPI* sysAllocString)(const OLECHAR*) = nullptr;
};

// Loaded at the first request and kept: the objects handed out live in them.
// COM is initialised on the window thread, whose messages carry the calls.
const Ole* LoadOle() {
    static Ole ole;
    static int state = 0;  // 1 loaded, -1 missing
    if (state == 0) {
        state = -1;
        HMODULE ole32 = ::win32::LoadSystemLibrary("ole32.dll");
        HMODULE oleaut = ::win32::LoadSystemLibrary("oleaut32.dll");
        HMODULE oleacc = ::win32::LoadSystemLibrary("oleacc.dll");
        HRESULT(WINAPI * coInitialize)(LPVOID) = nullptr;
        if (Find(oleacc, "LresultFromObject", &ole.lresultFromObject) &&
            Find(oleacc, "AccessibleObjectFromWindow", &ole.objectFromWindow) &&
            Find(oleaut, "SysAllocString", &ole.sysAllocString) && Find(ole32, "CoInitialize", &coInitialize) &&
            SUCCEEDED(coInitialize(nullptr)))
            state = 1;
    }
    return state > 0 ? &ole : nullptr;
}

void Notify(DWORD event, HWND hwnd, LONG object, LONG child) {
    static void(WINAPI * notify)(DWORD, HWND, LONG, LONG) = nullptr;
    static bool looked = false;
    if (!looked) {
        looked = true;
        Find(GetModuleHandleA("user32.dll"), "NotifyWinEvent", &notify);
    }
    if (notify) notify(event, hwnd, object, child);
}

// The code page a character set draws in (what TranslateCharsetInfo would
// say, which 95 and NT 4 may lack); 0 for one this table does not know.
UINT CodePageOf(int16_t charset) {
    static const struct {
        int16_t charset;
        UINT codePage;
    } kTable[] = {{0, 1252},   {128, 932},  {129, 949},  {134, 936},  {136, 950},  {161, 1253}, {162, 1254},
                  {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}};
    for (const auto& e : kTable)
        if (e.charset == charset) return e.codePage;
    return 0;
}

// A text as the screen shows it: its bytes in the ANSI code page, which
// TextOutA draws through the font's character set. Where that set's code
// page is another, its characters are what the reader must hear.
BSTR Bstr(const std::wstring& text, int16_t charset = -1) {
    const Ole* ole = LoadOle();
    if (!ole) return nullptr;
    UINT cp = charset < 0 ? 0 : CodePageOf(charset);
    if (cp == 0 || cp == GetACP() || text.empty()) return ole->sysAllocString(text.c_str());
    sys::Ansi bytes = sys::ToAnsi(text);
    int n = MultiByteToWideChar(cp, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(cp, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], n);
    return ole->sysAllocString(wide.c_str());
}

LONG RoleOf(Role r) {
    switch (r) {
        case Role::Text: return ROLE_SYSTEM_STATICTEXT;
        case Role::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
        case Role::RadioButton: return ROLE_SYSTEM_RADIOBUTTON;
        case Role::ProgressBar: return ROLE_SYSTEM_PROGRESSBAR;
        case Role::List: return ROLE_SYSTEM_LIST;
        case Role::Dialog: return ROLE_SYSTEM_DIALOG;
        case Role::Alert: return ROLE_SYSTEM_ALERT;
        default: return ROLE_SYSTEM_CLIENT;
    }
}

LONG StateOf(uint32_t s) {
    static const struct {
        uint32_t ours;
        LONG system;
    } kStates[] = {{kAccUnavailable, STATE_SYSTEM_UNAVAILABLE}, {kAccFocused, STATE_SYSTEM_FOCUSED},
                   {kAccFocusable, STATE_SYSTEM_FOCUSABLE},     {kAccChecked, STATE_SYSTEM_CHECKED},
                   {kAccDefault, STATE_SYSTEM_DEFAULT},         {kAccInvisible, STATE_SYSTEM_INVISIBLE},
                   {kAccReadOnly, STATE_SYSTEM_READONLY}};
    LONG out = 0;
    for (const auto& e : kStates)
        if (s & e.ours) out |= e.system;
    return out;
}

// The keyboard is in this window or one of its children.
bool FocusIn(HWND top) {
    HWND focus = GetFocus();
    return focus && (focus == top || GetParent(focus) == top);
}

// What a reader asks of one object or child.
struct Node {
    LONG role = 0;
    std::wstring name, value;
    int16_t charset = 0;
    LONG state = 0;
    RECT rect{0, 0, 0, 0};  // screen
    const wchar_t* action = nullptr;
    int itemId = 0;  // the model's item that carries out the action
};

RECT ToScreen(HWND hwnd, const Rect& r) {
    POINT a{r.left, r.top}, b{r.right, r.bottom};
    ::ClientToScreen(hwnd, &a);
    ::ClientToScreen(hwnd, &b);
    return RECT{a.x, a.y, b.x, b.y};
}

void FromItem(HWND top, const AccessibleItem& it, Node* n) {
    n->role = RoleOf(it.role);
    n->name = it.name;
    n->charset = it.charset;
    n->value = it.value;
    n->state = StateOf(FocusIn(top) ? it.state : it.state & ~kAccFocused);
    n->rect = ToScreen(top, it.rect);
    n->action = it.action;
    n->itemId = it.id;
}

// The object of a window: a form's client area, a keyboard proxy, or a list
// box. Checked against the model at every call: a window or control that
// went answers nothing.
enum class Root { Form, Proxy, List };

class Accessible final : public IAccessible, public IEnumVARIANT {
public:
    Accessible(HWND hwnd, Root root) : hwnd_(hwnd), root_(root) {}

    // IUnknown, for both interfaces.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualGUID(iid, kIidUnknown) || IsEqualGUID(iid, kIidDispatch) || IsEqualGUID(iid, kIidAccessible))
            *out = static_cast<IAccessible*>(this);
        else if (IsEqualGUID(iid, kIidEnumVariant))
            *out = static_cast<IEnumVARIANT*>(this);
        else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG n = --refs_;
        if (n == 0) delete this;
        return n;
    }

    // IDispatch: none; the interface is marshalled by its type library,
    // which calls the methods below directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        if (n) *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        const Ole* ole = LoadOle();
        if (!ole || !Top()) return E_FAIL;
        return ole->objectFromWindow(hwnd_, OBJID_WINDOW, kIidDispatch, reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count) return E_POINTER;
        *count = static_cast<LONG>(Children().size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        Node n;
        if (child.vt != VT_I4 || child.lVal == CHILDID_SELF || !NodeOf(child, &n)) return E_INVALIDARG;
        *out = ChildObject(child.lVal);
        return *out ? S_OK : S_FALSE;  // S_FALSE: an element without an object of its own
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        return Text(child, out, [](const Node& n) { return n.name; });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        return Text(child, out, [](const Node& n) { return n.value; });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override { return Nothing(child, out); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        return Number(child, out, [](const Node& n) { return n.role; });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        return Number(child, out, [](const Node& n) { return n.state; });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override { return Nothing(child, out); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        if (topic) *topic = 0;
        return Nothing(child, file);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override { return Nothing(child, out); }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        Form* f = Top();
        if (!f) return E_FAIL;
        // A form's focus may be in a proxy's window, which stands for its
        // picture button, an item of the form.
        if (root_ == Root::Form) {
            if (!FocusIn(hwnd_)) return S_FALSE;
            Control* item = f->AccessibleFocus();
            return Set(out, item ? item->ChildId() : CHILDID_SELF);
        }
        if (GetFocus() != hwnd_) return S_FALSE;
        LONG id = CHILDID_SELF;
        if (root_ == Root::List) {
            LRESULT caret = SendMessageA(hwnd_, LB_GETCARETINDEX, 0, 0);
            if (caret >= 0 && caret < SendMessageA(hwnd_, LB_GETCOUNT, 0, 0)) id = static_cast<LONG>(caret) + 1;
        }
        return Set(out, id);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        Control* list = root_ == Root::List ? Own() : nullptr;
        if (!list || list->ListIndex() < 0) return S_FALSE;
        out->vt = VT_I4;
        out->lVal = list->ListIndex() + 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        Node n;
        if (!NodeOf(child, &n)) return E_INVALIDARG;
        if (!n.action) return S_FALSE;
        *out = Bstr(n.action);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        Node n;
        if (!NodeOf(child, &n)) return E_INVALIDARG;
        if (flags != SELFLAG_TAKEFOCUS || root_ == Root::List) return DISP_E_MEMBERNOTFOUND;
        Form* f = Top();
        return f && f->FocusAccessible(n.itemId) ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT child) override {
        if (!x || !y || !w || !h) return E_POINTER;
        Node n;
        if (!NodeOf(child, &n)) return E_INVALIDARG;
        *x = n.rect.left;
        *y = n.rect.top;
        *w = n.rect.right - n.rect.left;
        *h = n.rect.bottom - n.rect.top;
        return S_OK;
    }
    // In reading order, among a form's items.
    HRESULT STDMETHODCALLTYPE accNavigate(LONG dir, VARIANT start, VARIANT* out) override {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        Node n;
        if (!NodeOf(start, &n)) return E_INVALIDARG;
        std::vector<LONG> ids = Children();
        LONG from = start.lVal;
        size_t at = 0;
        while (at < ids.size() && ids[at] != from) ++at;
        size_t to = ids.size();
        if (from == CHILDID_SELF && dir == NAVDIR_FIRSTCHILD && !ids.empty()) to = 0;
        if (from == CHILDID_SELF && dir == NAVDIR_LASTCHILD && !ids.empty()) to = ids.size() - 1;
        if (from != CHILDID_SELF && at < ids.size()) {
            if ((dir == NAVDIR_NEXT || dir == NAVDIR_DOWN) && at + 1 < ids.size()) to = at + 1;
            if ((dir == NAVDIR_PREVIOUS || dir == NAVDIR_UP) && at > 0) to = at - 1;
        }
        if (to >= ids.size()) return S_FALSE;
        return Set(out, ids[to]);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        if (!Top()) return E_FAIL;
        POINT p{x, y};
        for (LONG id : Children()) {
            Node n;
            VARIANT v;
            v.vt = VT_I4;
            v.lVal = id;
            if (NodeOf(v, &n) && PtInRect(&n.rect, p)) return Set(out, id);
        }
        RECT r;
        GetWindowRect(hwnd_, &r);
        return PtInRect(&r, p) ? Set(out, CHILDID_SELF) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        Node n;
        if (!NodeOf(child, &n)) return E_INVALIDARG;
        if (!n.action || (n.state & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE))) return DISP_E_MEMBERNOTFOUND;
        Form* f = Top();
        PostMessageA(H(f->HandleIfLoaded()), kDoDefaultAction, static_cast<WPARAM>(n.itemId), 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    // IEnumVARIANT over the children, as AccessibleChildren reads them: the
    // ids of windowless items are not 1 to n.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* out, ULONG* fetched) override {
        if (!out) return E_POINTER;
        std::vector<LONG> ids = Children();
        ULONG n = 0;
        for (; n < count && cursor_ < ids.size(); ++n, ++cursor_) {
            LONG id = ids[cursor_];
            if (IDispatch* object = ChildObject(id)) {
                out[n].vt = VT_DISPATCH;
                out[n].pdispVal = object;
            } else {
                out[n].vt = VT_I4;
                out[n].lVal = id;
            }
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        cursor_ += count;
        return cursor_ <= Children().size() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        cursor_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
        if (!out) return E_POINTER;
        auto* copy = new Accessible(hwnd_, root_);
        copy->cursor_ = cursor_;
        *out = copy;
        return S_OK;
    }

private:
    ~Accessible() = default;

    // The form of the window, while it is the one the window stands for.
    Form* Top() const {
        if (!IsWindow(hwnd_)) return nullptr;
        HWND top = root_ == Root::Form ? hwnd_ : GetParent(hwnd_);
        Form* f = FormOf(top);
        return f && f->HandleIfLoaded() == S(top) ? f : nullptr;
    }
    // The proxy or list box of the window.
    Control* Own() const {
        Form* f = Top();
        Control* c = f && root_ != Root::Form ? ControlOf(hwnd_) : nullptr;
        return c && c->IsAlive() && c->Owner() == f ? c : nullptr;
    }

    std::vector<LONG> Children() const {
        std::vector<LONG> ids;
        Form* f = Top();
        if (!f) return ids;
        if (root_ == Root::Form)
            for (const AccessibleItem& it : f->AccessibleItems()) ids.push_back(it.id);
        else if (root_ == Root::List)
            if (Control* list = Own())
                for (int i = 1; i <= list->ListCount(); ++i) ids.push_back(i);
        return ids;
    }

    // The object of a child that is a window of its own (the list box).
    IDispatch* ChildObject(LONG id) const {
        Form* f = Top();
        Control* c = f && root_ == Root::Form ? f->ByChildId(id) : nullptr;
        if (!c || !c->IsAlive() || c->GetKind() != Kind::ListBox || !c->ChildWindow()) return nullptr;
        return new Accessible(H(c->ChildWindow()), Root::List);
    }

    bool NodeOf(const VARIANT& child, Node* n) const {
        if (child.vt != VT_I4) return false;
        Form* f = Top();
        if (!f) return false;
        HWND top = H(f->HandleIfLoaded());
        LONG id = child.lVal;
        AccessibleItem it;
        if (root_ == Root::Form) {
            if (id != CHILDID_SELF) {
                if (!f->AccessibleItemOf(f->ByChildId(id), &it)) return false;
                FromItem(top, it, n);
                return true;
            }
            n->role = RoleOf(f->GetRole());
            n->name = f->Caption();
            n->state = STATE_SYSTEM_FOCUSABLE | (GetFocus() == hwnd_ ? STATE_SYSTEM_FOCUSED : 0);
            RECT r;
            GetClientRect(hwnd_, &r);
            n->rect = ToScreen(hwnd_, Rect{r.left, r.top, r.right, r.bottom});
            return true;
        }
        Control* c = Own();
        if (!c) return false;
        if (root_ == Root::Proxy) {
            if (id != CHILDID_SELF || !f->AccessibleItemOf(f->AccessibleOwner(c->FocusShownOn()), &it)) return false;
            FromItem(top, it, n);
            return true;
        }
        if (id == CHILDID_SELF) {
            if (!f->AccessibleItemOf(c, &it)) return false;
            FromItem(top, it, n);
            return true;
        }
        if (id < 1 || id > c->ListCount()) return false;
        n->role = ROLE_SYSTEM_LISTITEM;
        n->name = c->Items()[static_cast<size_t>(id - 1)];
        n->charset = c->GetFont().charset;
        n->state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
        if (c->ListIndex() == id - 1) n->state |= STATE_SYSTEM_SELECTED;
        if (GetFocus() == hwnd_ && SendMessageA(hwnd_, LB_GETCARETINDEX, 0, 0) == id - 1)
            n->state |= STATE_SYSTEM_FOCUSED;
        RECT r{0, 0, 0, 0};
        SendMessageA(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(id - 1), reinterpret_cast<LPARAM>(&r));
        n->rect = ToScreen(hwnd_, Rect{r.left, r.top, r.right, r.bottom});
        return true;
    }

    template <class Get>
    HRESULT Text(const VARIANT& child, BSTR* out, Get get) const {
        if (!out) return E_POINTER;
        *out = nullptr;
        Node n;
        if (!NodeOf(child, &n)) return E_INVALIDARG;
        std::wstring text = get(n);
        if (text.empty()) return S_FALSE;
        *out = Bstr(text, n.charset);
        return *out ? S_OK : E_OUTOFMEMORY;
    }
    template <class Get>
    HRESULT Number(const VARIANT& child, VARIANT* out, Get get) const {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        Node n;
        if (!NodeOf(child, &n)) return E_INVALIDARG;
        return Set(out, get(n));
    }
    HRESULT Nothing(const VARIANT& child, BSTR* out) const {
        if (out) *out = nullptr;
        Node n;
        return NodeOf(child, &n) ? S_FALSE : E_INVALIDARG;
    }
    // A child as a reader takes it: its own object where it has one.
    HRESULT Set(VARIANT* out, LONG value) const {
        IDispatch* object = value != CHILDID_SELF ? ChildObject(value) : nullptr;
        if (object) {
            out->vt = VT_DISPATCH;
            out->pdispVal = object;
        } else {
            out->vt = VT_I4;
            out->lVal = value;
        }
        return S_OK;
    }

    ULONG refs_ = 1;
    HWND hwnd_;
    Root root_;
    size_t cursor_ = 0;
};

// The hidden caret of a form window: where the focus is marked, while the
// keyboard is in the window or one of its proxies. One caret per thread, so
// a window destroys only the one it made.
HWND caretOwner = nullptr;

void PlaceCaret(HWND top, const Form& form) {
    Rect r;
    if (FocusIn(top) && form.FocusMarkRect(&r)) {
        if (CreateCaret(top, nullptr, r.Width(), r.Height())) {
            caretOwner = top;
            SetCaretPos(r.left, r.top);
        }
    } else if (caretOwner == top) {
        DestroyCaret();
        caretOwner = nullptr;
    }
}

// The system tells of a window's focus itself; a windowless item's focus is
// told once the keyboard is in its form's window (on WM_SETFOCUS, after the
// system's event for the window) and no window of the form holds it.
void NotifyItemFocus(HWND top, const Form& form, const Control* item) {
    if (item && !item->IsWindowed() && GetFocus() == top && !(form.Focused() && form.Focused()->IsWindowed()))
        Notify(EVENT_OBJECT_FOCUS, top, OBJID_CLIENT, item->ChildId());
}

}  // namespace

LRESULT AnswerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam, Control* control) {
    // OBJID_CLIENT as a DWORD: 64-bit Windows may pass it sign-extended or not.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
    Root root = Root::Form;
    if (control) {
        if (!control->IsAlive()) return 0;
        if (control->GetKind() == Kind::ListBox)
            root = Root::List;
        else if (control->GetKind() == Kind::CommandButton && control->FocusShownOn())
            root = Root::Proxy;
        else
            return 0;
    }
    const Ole* ole = LoadOle();
    if (!ole) return 0;
    auto* object = new Accessible(hwnd, root);
    LRESULT result = ole->lresultFromObject(kIidAccessible, wParam, static_cast<IAccessible*>(object));
    object->Release();
    return result;
}

bool DoDefaultAction(Form& form, UINT msg, WPARAM wParam) {
    if (msg != kDoDefaultAction) return false;
    form.DoAccessibleAction(static_cast<int>(wParam));
    return true;
}

void Announce(Form& form, Control& item, AccessEvent what) {
    HWND top = H(form.HandleIfLoaded());
    if (!top) return;
    if (what == AccessEvent::Focus || what == AccessEvent::LocationChange) PlaceCaret(top, form);
    if (!IsWindowVisible(top)) return;
    HWND hwnd = item.IsWindowed() ? H(item.ChildWindow()) : top;
    LONG child = item.IsWindowed() ? CHILDID_SELF : item.ChildId();
    switch (what) {
        case AccessEvent::Focus: NotifyItemFocus(top, form, &item); break;
        case AccessEvent::Show: Notify(EVENT_OBJECT_SHOW, hwnd, OBJID_CLIENT, child); break;
        case AccessEvent::Hide: Notify(EVENT_OBJECT_HIDE, hwnd, OBJID_CLIENT, child); break;
        case AccessEvent::Destroy: Notify(EVENT_OBJECT_DESTROY, hwnd, OBJID_CLIENT, child); break;
        case AccessEvent::NameChange: Notify(EVENT_OBJECT_NAMECHANGE, hwnd, OBJID_CLIENT, child); break;
        case AccessEvent::StateChange: Notify(EVENT_OBJECT_STATECHANGE, hwnd, OBJID_CLIENT, child); break;
        case AccessEvent::ValueChange: Notify(EVENT_OBJECT_VALUECHANGE, hwnd, OBJID_CLIENT, child); break;
        case AccessEvent::LocationChange: Notify(EVENT_OBJECT_LOCATIONCHANGE, hwnd, OBJID_CLIENT, child); break;
    }
}

void FocusCameToWindow(HWND top, Form& form) {
    PlaceCaret(top, form);
    NotifyItemFocus(top, form, form.AccessibleFocus());
}

void FocusLeftWindow(HWND top, HWND to) {
    if (caretOwner == top && to != top && GetParent(to) != top) {
        DestroyCaret();
        caretOwner = nullptr;
    }
}

void AnnounceWindow(HWND top, Form& form, bool shown) {
    if (form.GetRole() == Role::Client) return;
    Notify(shown ? EVENT_SYSTEM_DIALOGSTART : EVENT_SYSTEM_DIALOGEND, top, OBJID_WINDOW, CHILDID_SELF);
    if (shown && form.GetRole() == Role::Alert) Notify(EVENT_SYSTEM_ALERT, top, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace win32ui
}  // namespace ui
