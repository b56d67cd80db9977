// The window toolkit's model against the fake backend (characters x size wide,
// 2 x size high).
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "fakes/Fakes.h"
#include "platform/ui/Ui.h"

using ui::Control;
using ui::Form;
using ui::Kind;

namespace {

class UiModelTest : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
    void TearDown() override { fake::Reset(); }

    // A page-like form: a picture box "picPage" at (100, 50) holding a
    // stretched background image and a label.
    Form& PageForm() {
        form.OnDesign = [](Form& f) {
            f.SetBorderStyle(0);
            f.SetClientSize(800, 600);
            Control* pic = f.Add(Kind::PictureBox, L"picPage");
            pic->Move(100, 50, 460, 447);
            Control* img = f.Add(Kind::Image, L"Image1", pic);
            img->SetStretch(true);
            img->Move(0, 0, 460, 447);
            img->SetPicture(101);
            Control* lbl = f.Add(Kind::Label, L"Label", pic);
            lbl->Move(30, 112, 409, 217);
        };
        return form;
    }

    Form form{L"frmTest"};
};

TEST_F(UiModelTest, NamesAreFoundAddedAndRemovedWithoutRegardToCase) {
    form.Load();
    Control* opt = form.Add(Kind::Image, L"OptIRDA");
    ASSERT_NE(opt, nullptr);
    EXPECT_EQ(form.Find(L"optIRDA"), opt);
    EXPECT_EQ(form.Find(L"OPTIRDA"), opt);
    EXPECT_EQ(opt->Name(), L"OptIRDA");  // kept as created
    EXPECT_EQ(form.Add(Kind::Label, L"optirda"), nullptr) << "name in use, any case";
    EXPECT_TRUE(form.Remove(L"optIRDA"));
    EXPECT_FALSE(form.Remove(L"optIRDA")) << "removing twice does nothing";
    EXPECT_FALSE(form.Remove(L"neverThere"));
    EXPECT_EQ(form.Find(L"OptIRDA"), nullptr);
    EXPECT_NE(form.Add(Kind::Label, L"optIrda"), nullptr) << "the name is free again";
}

// Each property loads the form and reaches its window (syncs besides the load's, repaints, pointer); Unload destroys
// it.
TEST_F(UiModelTest, EveryFormPropertyLoadsTheFormAndReachesItsWindow) {
    std::pair<std::function<void()>, std::string> setters[] = {
        {[&] { form.SetCaption(L"c"); }, "100"},
        {[&] { form.SetBorderStyle(0); }, "100"},
        {[&] { form.Move(5, 6); }, "100"},
        {[&] { form.SetClientSize(50, 60); }, "110"},
        {[&] { form.SetRightToLeft(true); }, "010"},
        {[&] { form.SetBackColor(ui::Rgb(1, 2, 3)); }, "010"},
        {[&] { form.SetEnabled(false); }, "110"},
        {[&] { form.SetWindowState(ui::kStateMinimized); }, "100"},
        {[&] { form.SetMousePointer(ui::kPointerHourglass); }, "001"},
        {[&] { form.SetMouseIcon(7); }, "001"}};
    for (size_t i = 0; i < std::size(setters); ++i) {
        form.Unload();
        setters[i].first();
        const fake::UiWindow& w = fake::Ui().windows[form.HandleIfLoaded()];
        std::string got = std::to_string(w.syncs - 1) + std::to_string(w.repaints) + std::to_string(w.pointerChanges);
        EXPECT_EQ(got, setters[i].second) << i;
        form.Unload();
        EXPECT_TRUE(w.destroyed) << i;
    }
}

TEST_F(UiModelTest, RemovedControlStaysSafeToTouchButIsInert) {
    form.Load();
    Control* lbl = form.Add(Kind::Label, L"lblNext");
    int clicks = 0;
    lbl->OnClick = [&] { ++clicks; };
    lbl->Move(0, 0, 50, 20);
    form.Remove(L"lblNext");
    EXPECT_FALSE(lbl->IsAlive());
    lbl->SetCaption(L"late");  // no effect, no crash
    EXPECT_EQ(lbl->Caption(), L"");
    form.DispatchMouse(Form::MouseEvent::Down, 1, 0, 10, 10);
    form.DispatchMouse(Form::MouseEvent::Up, 1, 0, 10, 10);
    EXPECT_EQ(clicks, 0);

    testsupport::ExpectMissingControls misses;
    Control& missing = form.Item(L"nothing");
    EXPECT_FALSE(missing.IsAlive());
    missing.SetWidth(300);
    EXPECT_EQ(missing.Width(), 0);
    // The miss is reported, a question with Find is not.
    EXPECT_EQ(form.Find(L"nothing"), nullptr);
    EXPECT_EQ(misses.Names(), std::vector<std::wstring>{L"nothing"});
}

TEST_F(UiModelTest, ContainerMustBeALivePictureBoxOfTheSameForm) {
    Form other(L"frmOther");
    form.Load();
    Control* lbl = form.Add(Kind::Label, L"lbl");
    Control* otherPic = other.Add(Kind::PictureBox, L"pic");
    EXPECT_EQ(form.Add(Kind::Label, L"a", lbl), nullptr);
    EXPECT_EQ(form.Add(Kind::Label, L"b", otherPic), nullptr);
    other.Unload();
}

TEST_F(UiModelTest, RemovingAPictureBoxRemovesItsChildren) {
    PageForm().Load();
    Control* label = form.Find(L"label");
    ASSERT_TRUE(form.Remove(L"PICPAGE"));
    EXPECT_FALSE(label->IsAlive());
    EXPECT_TRUE(form.Controls().empty());
}

TEST_F(UiModelTest, GeometryAddsContainerOffsetsAndFrames) {
    PageForm().Load();
    Control& pic = form.Item(L"picPage");
    Control& lbl = form.Item(L"Label");
    ui::Rect r = lbl.FormRect();
    EXPECT_EQ(r.left, 130);
    EXPECT_EQ(r.top, 162);
    EXPECT_EQ(r.Width(), 409);
    pic.SetBorderStyle(1);  // one pixel frame shifts the inner area
    EXPECT_EQ(lbl.FormRect().left, 131);
    EXPECT_EQ(pic.ScaleWidth(), 458);
    form.Move(5, 7);
    int32_t sx = 0, sy = 0;
    pic.ClientToScreen(0, 0, &sx, &sy);
    EXPECT_EQ(sx, 5 + 101);
    EXPECT_EQ(sy, 7 + 51);
    // Fractional positions are kept as assigned and rounded only for drawing.
    lbl.SetTop(112.5f);
    EXPECT_FLOAT_EQ(lbl.Top(), 112.5f);
}

TEST_F(UiModelTest, HitTestTakesTheTopmostVisibleControlInZOrder) {
    PageForm().Load();
    Control* pic = form.Find(L"picPage");
    Control* img = form.Find(L"Image1");
    Control* lbl = form.Find(L"Label");
    // Inside the label: the label lies above the background image.
    EXPECT_EQ(form.HitTest(140, 170), lbl);
    lbl->ZOrder(1);  // to the back: now behind Image1
    EXPECT_EQ(form.HitTest(140, 170), img);
    img->SetVisible(false);
    EXPECT_EQ(form.HitTest(140, 170), lbl);
    lbl->SetVisible(false);
    EXPECT_EQ(form.HitTest(140, 170), pic) << "the picture box itself when no child is hit";
    EXPECT_EQ(form.HitTest(50, 20), nullptr) << "the form's own area";
    // An image without a picture still takes the mouse (the minimise gesture).
    Control* debug = form.Add(Kind::Image, L"DebugImg", pic);
    debug->Move(0, 0, 33, 113);
    EXPECT_EQ(form.HitTest(100, 50), debug);
    // Children are clipped to their picture box.
    Control* outside = form.Add(Kind::Label, L"outside", pic);
    outside->Move(470, 0, 50, 20);
    EXPECT_EQ(form.HitTest(575, 55), nullptr);
}

TEST_F(UiModelTest, ClickNeedsDownAndUpOnTheSameEnabledControl) {
    PageForm().Load();
    Control* lbl = form.Find(L"Label");
    std::vector<std::string> seen;
    lbl->OnMouseDown = [&](const ui::MouseArgs&) { seen.push_back("down"); };
    lbl->OnMouseMove = [&](const ui::MouseArgs&) { seen.push_back("move"); };
    lbl->OnClick = [&] { seen.push_back("click"); };
    fake::Click(*lbl);
    EXPECT_EQ(seen, (std::vector<std::string>{"move", "down", "click"}));

    seen.clear();
    form.DispatchMouse(Form::MouseEvent::Down, ui::kLeftButton, 0, 140, 170);
    form.DispatchMouse(Form::MouseEvent::Move, ui::kLeftButton, 0, 20, 20);  // dragged off the label
    form.DispatchMouse(Form::MouseEvent::Up, ui::kLeftButton, 0, 20, 20);    // released elsewhere
    EXPECT_EQ(seen, (std::vector<std::string>{"down", "move"})) << "the captured control gets the moves, no click";

    seen.clear();
    form.DispatchMouse(Form::MouseEvent::Down, ui::kRightButton, 0, 140, 170);
    form.DispatchMouse(Form::MouseEvent::Up, ui::kRightButton, 0, 140, 170);
    EXPECT_EQ(seen, (std::vector<std::string>{"down"})) << "only the left button clicks";

    seen.clear();
    lbl->SetEnabled(false);
    fake::Click(*lbl);
    EXPECT_TRUE(seen.empty());
}

TEST_F(UiModelTest, MouseArgumentsCarryButtonShiftAndBothCoordinates) {
    PageForm().Load();
    Control* debug = form.Add(Kind::Image, L"DebugImg", form.Find(L"picPage"));
    debug->Move(0, 0, 33, 113);
    ui::MouseArgs got;
    debug->OnMouseDown = [&](const ui::MouseArgs& a) { got = a; };
    form.DispatchMouse(Form::MouseEvent::Down, ui::kRightButton, ui::kShiftMask, 110, 60);
    EXPECT_EQ(got.button, ui::kRightButton);
    EXPECT_EQ(got.shift, ui::kShiftMask);
    EXPECT_EQ(got.x, 10);  // in picPage's coordinates
    EXPECT_EQ(got.y, 10);
    form.DispatchMouse(Form::MouseEvent::Up, ui::kRightButton, ui::kShiftMask, 110, 60);
    Control* lbl = form.Find(L"Label");
    lbl->OnMouseMove = [&](const ui::MouseArgs& a) { got = a; };
    form.DispatchMouse(Form::MouseEvent::Move, 0, 0, 135, 165);
    EXPECT_EQ(got.x, 35);
    EXPECT_EQ(got.y, 115);
}

TEST_F(UiModelTest, EnterAndEscapePressDefaultAndCancelButtonsOffScreen) {
    form.Load();
    Control* fwd = form.Add(Kind::CommandButton, L"ForwardButton");
    Control* fin = form.Add(Kind::CommandButton, L"FinishButton");
    Control* can = form.Add(Kind::CommandButton, L"CancelButton");
    Control* list = form.Add(Kind::ListBox, L"lstCom");
    for (Control* b : {fwd, fin, can}) b->Move(-10000, 0, 81, 33);
    int forward = 0, finish = 0, cancel = 0;
    fwd->OnClick = [&] { ++forward; };
    fin->OnClick = [&] { ++finish; };
    can->OnClick = [&] { ++cancel; };
    fwd->SetDefault(true);
    can->SetCancel(true);
    list->SetFocus();
    fake::Key(form, ui::kKeyReturn);
    fake::Key(form, ui::kKeyEscape);
    EXPECT_EQ(forward, 1);
    EXPECT_EQ(cancel, 1);
    // Making another button the default takes it from the first.
    fin->SetDefault(true);
    EXPECT_FALSE(fwd->Default());
    EXPECT_FALSE(fake::ChildOf(*fwd)->isDefault);
    EXPECT_TRUE(fake::ChildOf(*fin)->isDefault);
    fin->SetEnabled(false);
    fake::Key(form, ui::kKeyReturn);
    EXPECT_EQ(finish, 0) << "a disabled default button does nothing";
    EXPECT_EQ(forward, 1);
    EXPECT_FALSE(form.DispatchKey('A'));
}

TEST_F(UiModelTest, TimersRunOnlyWhileEnabledWithAnInterval) {
    form.Load();
    Control* t = form.Add(Kind::Timer, L"Timer");
    int ticks = 0;
    t->OnTimer = [&] { ++ticks; };
    t->SetInterval(100);
    EXPECT_FALSE(fake::TimerRunning(*t)) << "timers are created disabled";
    t->SetEnabled(true);
    EXPECT_EQ(fake::TimerInterval(*t), 100u);
    EXPECT_TRUE(fake::Tick(*t));
    t->SetInterval(0);
    EXPECT_FALSE(fake::Tick(*t));
    t->SetInterval(50);
    EXPECT_TRUE(fake::Tick(*t));
    EXPECT_EQ(ticks, 2);
    // A timer stopping itself from its own tick, then a form unloaded from a tick.
    t->OnTimer = [&] {
        t->SetEnabled(false);
        form.Unload();
    };
    EXPECT_TRUE(fake::Tick(*t));
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_TRUE(fake::Ui().timers.empty());
}

TEST_F(UiModelTest, LoadRunsDesignThenLoadOnceAndUnloadReasonsReachQueryUnload) {
    std::vector<std::string> seen;
    std::vector<int> modes;
    form.OnDesign = [&](Form& f) {
        seen.push_back("design");
        f.Add(Kind::Label, L"Label");
    };
    form.OnLoad = [&] { seen.push_back("load"); };
    form.OnQueryUnload = [&](bool& cancel, int mode) {
        modes.push_back(mode);
        cancel = (mode == ui::kUnloadControlMenu);
    };
    form.OnUnload = [&](bool&) { seen.push_back("unload"); };
    Control& first = form.Item(L"label");  // touching a control loads the form
    form.Show();
    EXPECT_EQ(seen, (std::vector<std::string>{"design", "load"}));
    EXPECT_TRUE(fake::WindowVisible(form));

    EXPECT_FALSE(fake::CloseByUser(form));  // Alt+F4 / close box: cancelled by the handler
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(modes, (std::vector<int>{ui::kUnloadControlMenu, ui::kUnloadFormCode}));
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(first.IsAlive());
    // Loaded afresh: new controls, design and load run again.
    Control& second = form.Item(L"Label");
    EXPECT_NE(&first, &second);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "load"), 2);
}

TEST_F(UiModelTest, AQueryUnloadHandlerMayUnloadTheFormItself) {
    // The abort path: a user close runs code that unloads every form.
    form.OnQueryUnload = [&](bool&, int mode) {
        if (mode != ui::kUnloadFormCode) form.Unload();
    };
    form.Load();
    EXPECT_TRUE(fake::CloseByUser(form, ui::kUnloadAppWindows));
    EXPECT_FALSE(form.IsLoaded());
}

TEST_F(UiModelTest, ClickHandlerMayUnloadItsOwnForm) {
    form.Load();
    Control* ok = form.Add(Kind::Image, L"Ok");
    ok->Move(0, 0, 96, 23);
    ok->OnClick = [&] {
        form.Unload();
        ok->SetPicture(121);  // touching the detached control afterwards is harmless
    };
    fake::Click(*ok);
    EXPECT_FALSE(form.IsLoaded());
}

TEST_F(UiModelTest, ShowModalBlocksOtherFormsUntilUnloadedWhileTheirTimersTick) {
    Form main(L"frmMain");
    main.Load();
    Control* t = main.Add(Kind::Timer, L"dummyTimer");
    int ticks = 0;
    t->OnTimer = [&] { ++ticks; };
    t->SetInterval(2000);
    t->SetEnabled(true);
    bool blockedDuring = false, blockedAfterUnload = true;
    fake::Script([&] { fake::Tick(*t); });
    fake::Script([&] {
        blockedDuring = fake::Ui().windows[main.HandleIfLoaded()].blocked;
        EXPECT_FALSE(fake::Ui().windows[form.HandleIfLoaded()].blocked);  // never the modal form itself
        form.Unload();
        // Unblocked before the modal window went, so the system can activate it.
        blockedAfterUnload = fake::Ui().windows[main.HandleIfLoaded()].blocked;
    });
    fake::Script([&] { ADD_FAILURE() << "the modal loop should have ended"; });
    form.ShowModal();
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(blockedDuring);
    EXPECT_FALSE(blockedAfterUnload);
    EXPECT_FALSE(fake::Ui().windows[main.HandleIfLoaded()].blocked);
    EXPECT_FALSE(form.IsLoaded());
    fake::Ui().script.clear();
    main.Unload();
}

TEST_F(UiModelTest, NestedModalFormsKeepTheOuterBlockUntilTheOuterEnds) {
    Form main(L"frmMain"), inner(L"frmInner");
    main.Load();
    bool mainBlockedAfterInner = false;
    fake::Script([&] {
        fake::Script([&] { inner.Unload(); });
        inner.ShowModal();
        mainBlockedAfterInner = fake::Ui().windows[main.HandleIfLoaded()].blocked;
        form.Unload();
    });
    form.ShowModal();
    EXPECT_TRUE(mainBlockedAfterInner) << "the outer modal form still holds it";
    EXPECT_FALSE(fake::Ui().windows[main.HandleIfLoaded()].blocked);
    main.Unload();
}

TEST_F(UiModelTest, AutoSizeLabelsFollowTheirText) {
    form.Load();
    Control* lbl = form.Add(Kind::Label, L"lblNoIRDA");
    lbl->SetFontSize(10);  // 10 px per character, 20 px per line
    lbl->SetAutoSize(true);
    lbl->SetWordWrap(true);
    lbl->SetWidth(100);
    lbl->SetCaption(L"aaaa bbbb cccc");
    EXPECT_EQ(lbl->Lines(), (std::vector<std::wstring>{L"aaaa bbbb", L"cccc"}));
    EXPECT_EQ(lbl->Height(), 40);
    EXPECT_EQ(lbl->Width(), 100) << "word wrap keeps the width";
    lbl->SetWidth(140);  // re-wrapped at the new width: exactly fits
    EXPECT_EQ(lbl->Height(), 20);
    lbl->SetFontSize(5);
    EXPECT_EQ(lbl->Height(), 10);

    // AutoSize set before WordWrap, then the width, then the text.
    Control* late = form.Add(Kind::Label, L"lblNext");
    late->SetFontSize(10);
    late->SetWidth(100);
    late->SetAutoSize(true);
    late->SetWordWrap(true);
    late->SetCaption(L"aaaa bbbb cccc");
    EXPECT_EQ(late->Width(), 100);
    EXPECT_EQ(late->Height(), 40);

    Control* cap = form.Add(Kind::Label, L"lblOk");
    cap->SetFontSize(10);
    cap->SetAutoSize(true);
    cap->SetCaption(L"&OK\r\nlonger");
    EXPECT_EQ(cap->Width(), 60) << "widest line; the mnemonic '&' is not measured";
    EXPECT_EQ(cap->Height(), 40);
}

TEST_F(UiModelTest, ImagesWithoutStretchTakeTheSizeOfTheirPicture) {
    form.Load();
    Control* opt = form.Add(Kind::Image, L"OptCom");
    EXPECT_TRUE(opt->SetPicture(200));
    EXPECT_EQ(opt->Width(), 14);
    EXPECT_EQ(opt->Height(), 14);
    EXPECT_FALSE(opt->SetPicture(999));
    EXPECT_EQ(opt->Picture(), 200) << "a missing bitmap leaves the picture";
    Control* bg = form.Add(Kind::Image, L"Image1");
    bg->SetStretch(true);
    bg->Move(0, 0, 300, 200);
    bg->SetPicture(101);
    EXPECT_EQ(bg->Width(), 300);
}

TEST_F(UiModelTest, ListBoxSelectionRaisesClick) {
    form.Load();
    Control* list = form.Add(Kind::ListBox, L"lstCom");
    int clicks = 0;
    list->OnClick = [&] { ++clicks; };
    list->AddItem(L"COM1");
    list->AddItem(L"COM3");
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->Text(), L"");
    fake::SelectListEntry(*list, 1);
    EXPECT_EQ(list->Text(), L"COM3");
    fake::SelectListEntry(*list, 1);  // the same entry again: a click all the same
    EXPECT_EQ(clicks, 2);
    list->AddItem(L"COM4");  // re-synced: the window keeps the selection
    EXPECT_EQ(fake::ChildOf(*list)->items, (std::vector<std::wstring>{L"COM1", L"COM3", L"COM4"}));
    EXPECT_EQ(fake::ChildOf(*list)->selected, 1);
    list->SetEnabled(false);
    fake::SelectListEntry(*list, 0);
    EXPECT_EQ(clicks, 2) << "a disabled list takes no selection";
    EXPECT_EQ(list->ListIndex(), 1);
}

TEST_F(UiModelTest, PaintsBackToFrontWithTransparentLabelsAndPictureBoxDrawing) {
    PageForm().Load();
    Control& lbl = form.Item(L"Label");
    lbl.SetCaption(L"Hi");
    lbl.SetAlignment(ui::kAlignCenter);
    Control* bar = form.Add(Kind::PictureBox, L"Progressbar", form.Find(L"picPage"));
    bar->Move(30, 328, 409, 25);
    bar->SetBackColor(ui::kWhite);
    bar->LineBox(0, 0, 10, 24, ui::Rgb(6, 154, 154));
    auto log = fake::PaintLog(form);
    auto pos = [&](const std::wstring& prefix) {
        auto it = std::find_if(log.begin(), log.end(), [&](const std::wstring& l) { return l.rfind(prefix, 0) == 0; });
        return it == log.end() ? -1 : static_cast<int>(it - log.begin());
    };
    int background = pos(L"picture 101 100,50,560,497 stretch");
    int text = pos(L"text 326,162 #000000 \"Hi\"");  // centred: 130 + (409 - 16.5) / 2
    int box = pos(L"fill 130,378,141,403 #069A9A");  // both corners inclusive
    ASSERT_GE(background, 0);
    ASSERT_GE(text, 0);
    ASSERT_GE(box, 0);
    EXPECT_LT(background, text);
    EXPECT_LT(text, box);
    EXPECT_EQ(pos(L"fill 130,162"), -1) << "labels are transparent";
    lbl.SetEnabled(false);
    log = fake::PaintLog(form);
    EXPECT_GE(pos(L"text 326,162 #808080"), 0) << "disabled labels are grey";
    lbl.SetVisible(false);
    log = fake::PaintLog(form);
    EXPECT_EQ(pos(L"text 326,162"), -1);
}

TEST_F(UiModelTest, HourglassOfTheFormWinsOverControlPointers) {
    PageForm().Load();
    form.SetMouseIcon(300);
    Control& lbl = form.Item(L"Label");
    lbl.SetMousePointer(ui::kPointerCustom);
    int pointer = 0, icon = 0;
    form.CursorAt(140, 170, &pointer, &icon);
    EXPECT_EQ(pointer, ui::kPointerCustom);
    EXPECT_EQ(icon, 300) << "the form's cursor resource when the control has none";
    form.CursorAt(5, 5, &pointer, &icon);
    EXPECT_EQ(pointer, ui::kPointerDefault);
    form.SetMousePointer(ui::kPointerHourglass);
    form.CursorAt(140, 170, &pointer, &icon);
    EXPECT_EQ(pointer, ui::kPointerHourglass);
}

TEST_F(UiModelTest, FormTextWidthMeasuresTheWidestLine) {
    form.SetFontSize(2);
    EXPECT_EQ(form.TextWidth(L"abc\r\nabcdef\nab"), 12);
    EXPECT_EQ(form.TextWidth(L"&OK"), 6) << "the form measures the literal text";
}

TEST_F(UiModelTest, ResetOfTheFakeWorldUnloadsFormsQuietly) {
    int queries = 0;
    form.OnQueryUnload = [&](bool&, int) { ++queries; };
    form.Load();
    fake::Reset();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(queries, 0);
}

}  // namespace
