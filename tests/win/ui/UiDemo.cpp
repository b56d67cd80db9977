// A small form built with the toolkit, driven from outside by run.sh with real
// mouse and keyboard input. Every event it sees goes as one line into the file
// named by its first argument.
#include <cstdio>
#include <string>

#include "localisation/Functions.h"
#include "platform/TopMost.h"
#include "platform/progress.h"
#include "platform/ui/Ui.h"
#include "platform/win32/Win32.h"

namespace {

FILE* gEvents = nullptr;

void Event(const std::string& line) {
    if (!gEvents) return;
    std::fputs((line + "\n").c_str(), gEvents);
    std::fflush(gEvents);
}

ui::Form& Demo() {
    static ui::Form form(L"frmDemo");
    return form;
}

void Design(ui::Form& f) {
    f.SetCaption(L"UiDemo");
    f.SetBorderStyle(0);
    f.Move(100, 80);
    f.SetClientSize(460, 447);
    f.SetBackColor(ui::kBlack);
    f.SetMouseIcon(300);

    ui::Control* back = f.Add(ui::Kind::Image, L"Image1");
    back->SetStretch(true);
    back->Move(0, 0, 460, 447);
    back->SetPicture(101);

    ui::Control* label = f.Add(ui::Kind::Label, L"Label");
    label->Move(30, 40, 400, 10);
    label->SetFont(ui::Font{L"MS Sans Serif", 9.75f, false, false, 0});
    label->SetAutoSize(true);
    label->SetWordWrap(true);
    label->SetAlignment(ui::kAlignCenter);

    ui::Control* ticks = f.Add(ui::Kind::Label, L"lblTicks");
    ticks->Move(30, 250, 400, 20);
    ticks->SetAlignment(ui::kAlignCenter);

    ui::Control* bar = f.Add(ui::Kind::PictureBox, L"Progressbar");
    bar->Move(30, 290, 400, 25);
    bar->SetBackColor(ui::kWhite);
    bar->SetBorderStyle(1);
    bar->SetForeColor(ui::kBlack);

    ui::Control* ok = f.Add(ui::Kind::Image, L"Ok");
    ok->Move(182, 340, 96, 23);
    ok->SetPicture(120);
    ok->SetMousePointer(ui::kPointerCustom);
    ui::Control* lblOk = f.Add(ui::Kind::Label, L"lblOk");
    lblOk->Move(182, 345, 96, 18);
    lblOk->SetAlignment(ui::kAlignCenter);
    lblOk->SetForeColor(ui::kWhite);
    lblOk->SetMousePointer(ui::kPointerCustom);

    ui::Control* debug = f.Add(ui::Kind::Image, L"DebugImg");
    debug->Move(0, 0, 33, 113);

    ui::Control* list = f.Add(ui::Kind::ListBox, L"lstCom");
    list->Move(30, 160, 400, 70);

    ui::Control* def = f.Add(ui::Kind::CommandButton, L"DefaultButton");
    def->Move(0, -10000, 81, 33);
    def->SetDefault(true);
    def->SetTabIndex(1);
    ui::Control* can = f.Add(ui::Kind::CommandButton, L"CancelButton");
    can->Move(100, -10000, 81, 33);
    can->SetCancel(true);
    can->SetTabIndex(2);

    ui::Control* timer = f.Add(ui::Kind::Timer, L"Timer");
    timer->SetInterval(100);
}

void Load() {
    ui::Form& f = Demo();
    ui::Control& label = f.Item(L"Label");
    label.SetCaption(
        L"Toolkit demo: a label measured with the real font, wrapped at its width and centred over a "
        L"stretched bitmap. Enter and Esc reach buttons that sit off-screen.");
    Event("label height " + std::to_string(static_cast<int>(label.Height())));
    Event("label lines " + std::to_string(label.Lines().size()));
    Event("measure " + std::to_string(static_cast<int>(f.TextWidth(L"Hello"))));
    Functions::SetLabelText(f.Item(L"lblOk"), L"&OK", f);
    Event("lblOk size " + std::to_string(f.Item(L"lblOk").GetFont().size));

    ui::Control& list = f.Item(L"lstCom");
    list.AddItem(L"COM1");
    list.AddItem(L"COM3");
    list.OnClick = [] { Event("list " + sys::ToAnsi(Demo().Item(L"lstCom").Text())); };

    int16_t value = 60;
    progress::ShowProgress(f.Item(L"Progressbar"), value, 0, 100);

    f.Item(L"Ok").OnMouseMove = [](const ui::MouseArgs& a) {
        ui::Control& ok = Demo().Item(L"Ok");
        if (ok.Picture() != 121) {
            ok.SetPicture(121);
            Event("hover Ok " + std::to_string(static_cast<int>(a.x)) + "," + std::to_string(static_cast<int>(a.y)));
        }
    };
    f.Item(L"lblOk").OnMouseMove = f.Item(L"Ok").OnMouseMove;
    f.Item(L"Ok").OnClick = [] { Event("click Ok"); };
    f.Item(L"lblOk").OnClick = [] { Event("click lblOk"); };
    f.Item(L"Image1").OnMouseMove = [](const ui::MouseArgs&) {
        ui::Control& ok = Demo().Item(L"Ok");
        if (ok.Picture() == 121) {
            ok.SetPicture(120);
            Event("unhover Ok");
        }
    };
    f.Item(L"DebugImg").OnMouseDown = [](const ui::MouseArgs& a) {
        Event("debug down " + std::to_string(a.button) + " " + std::to_string(a.shift));
    };
    f.Item(L"DefaultButton").OnClick = [] { Event("default"); };
    f.Item(L"CancelButton").OnClick = [] { Event("cancel"); };

    static int ticks = 0;
    ui::Control& timer = f.Item(L"Timer");
    timer.OnTimer = [] {
        ++ticks;
        Demo().Item(L"lblTicks").SetCaption(L"Timer ticks: " + std::to_wstring(ticks));
        if (ticks <= 3) Event("tick " + std::to_string(ticks));
    };
    timer.SetEnabled(true);

    f.OnQueryUnload = [](bool&, int mode) { Event("queryunload " + std::to_string(mode)); };
    f.OnUnload = [](bool&) {
        Event("unload");
        PostQuitMessage(0);
    };

    f.Show();
    f.Item(L"lstCom").SetFocus();
    TopMost::SetTopMost(f.Handle());
    Event("ready");
}

}  // namespace

int main(int argc, char** argv) {
    gEvents = std::fopen(argc > 1 ? argv[1] : "ui_events.txt", "w");
    Demo().OnDesign = Design;
    Demo().OnLoad = Load;
    Demo().Load();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    Event("end");
    if (gEvents) std::fclose(gEvents);
    return 0;
}
