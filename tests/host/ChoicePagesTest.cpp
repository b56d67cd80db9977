// The run-time choice pages on the main window: page 2 (cable or infrared),
// page 4 (automatic or manual port search) and page 5 (port list): geometry
// with wrapped texts, faces, clicks and keys, the choice kept across a rebuild.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "choice/CreateComChoice.h"
#include "choice/CreateComList.h"
#include "choice/CreateIRDAChoice.h"
#include "choice/OptionGroups.h"
#include "core/frmMain.h"
#include "fakes/FakeUi.h"
#include "localisation/ResHandling.h"
#include "platform/RegAccess.h"
#include "platform/progress.h"

namespace {

constexpr sys::Handle kLibrary = 0x5000;
using Box = std::vector<float>;

class ChoicePagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::FreshWorld();
        // At 10 px a character and 20 px a line, the heading (409 px) wraps
        // after 40 characters, an option text (360 px) after 36.
        fake::W().modules[kLibrary].strings = {
            {2010, L"How is your phone connected to this computer, by cable or infrared?"},
            {2011, L"By a serial cable on one of the COM ports of this computer"},
            {2012, L"By infrared (IrDA)"},
            {2006, L"Windows 2000 needs a hotfix and a restart."},
            {2020, L"How shall the wizard find the port of your phone, please?"},
            {2021, L"Search all ports automatically"},
            {2022, L"Let me choose the port from a list of ports"},
            {2030, L"Choose the port"}};
        Rs.LanguageLibrary = kLibrary;
        Rs.OsName = L"Win98";
        Rs.IrDAPresent = true;
        Rs.CurrentForm = &frmMain::Instance();
        Rs.CurrentForm->Load();
    }
    ui::Control& Item(const wchar_t* name) { return Rs.CurrentForm->Item(name); }
    bool Exists(const wchar_t* name) { return Rs.CurrentForm->Find(name) != nullptr; }
    // Left, top, width, height of a control on picPage.
    Box BoxOf(const wchar_t* name) {
        ui::Control& c = Item(name);
        EXPECT_EQ(c.Container(), &Item(L"picPage")) << name;
        return {c.Left(), c.Top(), c.Width(), c.Height()};
    }
    void ExpectFaces(int cable, int infrared) {
        EXPECT_EQ(Item(L"optNoIRDA").Picture(), cable);
        EXPECT_EQ(Item(L"optIRDA").Picture(), infrared);
    }
};

TEST_F(ChoicePagesTest, ConnectionPageLayoutFacesAndClicks) {
    CreateIRDAChoice::BuildIRDAChoice();
    const auto& kids = Item(L"picPage").Children();
    std::vector<std::wstring> created;
    for (size_t i = kids.size() - 6; i < kids.size(); ++i) created.push_back(kids[i]->Name());
    EXPECT_EQ(created,
              (std::vector<std::wstring>{L"lblNext", L"OptNoIRDA", L"lblNoIRDA", L"OptIRDA", L"lblIRDA", L"lblText"}));
    // Two-line heading and cable text; the texts are centred on their images
    // by their wrapped heights.
    EXPECT_EQ(BoxOf(L"lblNext"), (Box{30, 112, 409, 40}));
    EXPECT_EQ(BoxOf(L"optNoIRDA"), (Box{30, 172, 14, 14}));
    EXPECT_EQ(BoxOf(L"lblNoIRDA"), (Box{49, 159, 360, 40}));
    EXPECT_EQ(BoxOf(L"optIRDA"), (Box{30, 229, 14, 14}));
    EXPECT_EQ(BoxOf(L"lblIRDA"), (Box{49, 226, 360, 20}));
    EXPECT_EQ(BoxOf(L"lblText"), (Box{49, 266, 360, 40}));
    ui::Control& text = Item(L"lblNoIRDA");
    EXPECT_EQ(text.GetFont(), (ui::Font{L"MS Sans Serif", 10, false, false, 0}));
    EXPECT_TRUE(text.AutoSize() && text.WordWrap() && text.BackStyle() == 0 && text.ForeColor() == ui::kBlack);
    // Cable by default.
    ExpectFaces(202, 201);
    EXPECT_FALSE(Rs.UseIrDA);
    EXPECT_EQ(Rs.ConnectionChoiceName, L"OptNoIRDA");
    EXPECT_FALSE(Item(L"lblText").Visible());
    // A text clicks as its image; the note shows on Windows 2000 only.
    fake::Click(Item(L"lblIRDA"));
    ExpectFaces(201, 202);
    EXPECT_TRUE(Rs.UseIrDA);
    EXPECT_EQ(Rs.ConnectionChoiceName, L"OptIRDA");
    EXPECT_FALSE(Item(L"lblText").Visible());
    Rs.OsName = L"Win2K";
    fake::Click(Item(L"optIRDA"));
    EXPECT_TRUE(Item(L"lblText").Visible());
    fake::Click(Item(L"lblNoIRDA"));
    ExpectFaces(202, 201);
    EXPECT_FALSE(Rs.UseIrDA);
    EXPECT_FALSE(Item(L"lblText").Visible());
}

TEST_F(ChoicePagesTest, TheConnectionChoiceSurvivesRebuildsEvenOnADisabledOption) {
    CreateIRDAChoice::RemoveIRDAChoice();  // never built: nothing happens
    EXPECT_TRUE(Exists(L"Label"));
    Rs.OsName = L"Win2K";
    CreateIRDAChoice::BuildIRDAChoice();
    fake::Click(Item(L"optIRDA"));
    CreateIRDAChoice::RemoveIRDAChoice();
    CreateIRDAChoice::RemoveIRDAChoice();
    for (const wchar_t* name : {L"lblNext", L"optIRDA", L"lblIRDA", L"optNoIRDA", L"lblNoIRDA", L"lblText"})
        EXPECT_FALSE(Exists(name)) << name;
    // The device has gone since: the remembered choice stands on the greyed option.
    Rs.IrDAPresent = false;
    CreateIRDAChoice::BuildIRDAChoice();
    ExpectFaces(201, 202);
    EXPECT_FALSE(Item(L"optIRDA").Enabled() || Item(L"lblIRDA").Enabled());
    EXPECT_TRUE(Item(L"lblText").Visible());
    EXPECT_TRUE(Rs.UseIrDA);
    // Disabled: clicks on the option and its text do nothing.
    Rs.UseIrDA = false;
    fake::Click(Item(L"optIRDA"));
    fake::Click(Item(L"lblIRDA"));
    EXPECT_FALSE(Rs.UseIrDA);
    // A fresh run with no device: cable, the infrared option grey.
    CreateIRDAChoice::RemoveIRDAChoice();
    Rs.ConnectionChoiceName.clear();
    CreateIRDAChoice::BuildIRDAChoice();
    ExpectFaces(202, 200);
    EXPECT_FALSE(Rs.UseIrDA || Item(L"lblText").Visible());
}

TEST_F(ChoicePagesTest, PortSearchPageLayoutDefaultClicksAndRebuild) {
    CreateComChoice::BuildComChoice();
    EXPECT_EQ(BoxOf(L"lblNext"), (Box{30, 112, 409, 40}));
    EXPECT_EQ(BoxOf(L"optCom"), (Box{30, 182, 14, 14}));
    EXPECT_EQ(BoxOf(L"lblCom"), (Box{49, 179, 360, 20}));
    EXPECT_EQ(BoxOf(L"optManCom"), (Box{30, 219, 14, 14}));
    EXPECT_EQ(BoxOf(L"lblManCom"), (Box{49, 206, 360, 40}));
    // The manual selection by default; a text clicks as its image.
    EXPECT_EQ(Item(L"optCom").Picture(), 201);
    EXPECT_EQ(Item(L"optManCom").Picture(), 202);
    EXPECT_FALSE(Rs.AutoPortSearch);
    EXPECT_EQ(Rs.PortChoiceName, L"OptManCom");
    fake::Click(Item(L"lblCom"));
    EXPECT_TRUE(Rs.AutoPortSearch);
    EXPECT_EQ(Rs.PortChoiceName, L"OptCom");
    CreateComChoice::RemoveComChoice();
    CreateComChoice::RemoveComChoice();
    EXPECT_FALSE(Exists(L"lblNext") || Exists(L"optCom") || Exists(L"lblManCom"));
    CreateComChoice::BuildComChoice();
    EXPECT_EQ(Item(L"optCom").Picture(), 202);
    EXPECT_EQ(Item(L"optManCom").Picture(), 201);
    EXPECT_TRUE(Rs.AutoPortSearch);
}

// The focus opens on the chosen option's text; arrows select at once but
// pass over a disabled option and stop at the ends; what keys chose is
// remembered by the next build like a click's choice.
TEST_F(ChoicePagesTest, OptionKeysSkipADisabledOptionStopAtTheEndsAndAreRemembered) {
    ui::Form& form = *Rs.CurrentForm;
    auto open = [](void (*build)()) {
        build();
        OptionGroups::Focus();
    };
    Rs.IrDAPresent = false;
    open(CreateIRDAChoice::BuildIRDAChoice);
    EXPECT_EQ(form.Focused(), &Item(L"lblNoIRDA"));
    for (int key : {ui::kKeyDown, ui::kKeyRight, ui::kKeyUp, ui::kKeyLeft}) fake::Key(form, key);
    ExpectFaces(202, 200);
    EXPECT_FALSE(Rs.UseIrDA);

    CreateIRDAChoice::RemoveIRDAChoice();
    Rs.IrDAPresent = true;
    open(CreateIRDAChoice::BuildIRDAChoice);
    fake::Key(form, ui::kKeyUp);  // already the first
    ExpectFaces(202, 201);
    fake::Key(form, ui::kKeyRight);
    ExpectFaces(201, 202);
    EXPECT_TRUE(Rs.UseIrDA);
    fake::Key(form, ui::kKeyDown);  // already the last
    ExpectFaces(201, 202);
    EXPECT_EQ(form.Focused(), &Item(L"lblIRDA"));
    // A screen reader hears the option and Forward as the default button; Tab and Shift+Tab go round.
    EXPECT_EQ(form.AccessibleFocus(), &Item(L"lblIRDA"));
    ui::AccessibleItem forward;
    EXPECT_TRUE(form.AccessibleItemOf(&Item(L"Forward"), &forward) && (forward.state & ui::kAccDefault));
    fake::Key(form, ui::kKeyTab);
    EXPECT_NE(form.Focused(), &Item(L"lblIRDA"));
    fake::Key(form, ui::kKeyTab, ui::kShiftMask);  // back: the mark below is its
    // Marked around the text, a pixel wider on either side (18 characters).
    ui::Rect text = Item(L"lblIRDA").FormRect();
    std::wstring mark = L"focus " + fake::RectText({text.left - 1, text.top, text.left + 181, text.top + 20});
    std::vector<std::wstring> paint = fake::PaintLog(form);
    EXPECT_EQ(std::count(paint.begin(), paint.end(), mark), 1) << mark;

    // Remembered on a disabled option: the focus rests on the first enabled
    // one, where Space selects.
    CreateIRDAChoice::RemoveIRDAChoice();
    Rs.IrDAPresent = false;
    open(CreateIRDAChoice::BuildIRDAChoice);
    ExpectFaces(201, 202);
    EXPECT_EQ(form.Focused(), &Item(L"lblNoIRDA"));
    fake::Key(form, ui::kKeySpace);
    EXPECT_EQ(Item(L"optNoIRDA").Picture(), 202);
    EXPECT_FALSE(Rs.UseIrDA);
    CreateIRDAChoice::RemoveIRDAChoice();

    open(CreateComChoice::BuildComChoice);
    EXPECT_EQ(form.Focused(), &Item(L"lblManCom"));
    fake::Key(form, ui::kKeyUp);
    EXPECT_TRUE(Rs.AutoPortSearch);
    EXPECT_EQ(Rs.PortChoiceName, L"OptCom");
    CreateComChoice::RemoveComChoice();
    open(CreateComChoice::BuildComChoice);
    EXPECT_EQ(Item(L"optCom").Picture(), 202);
    EXPECT_EQ(form.Focused(), &Item(L"lblCom"));
}

// High Contrast draws no picture, the faces and buttons as the system draws its own (infrared unavailable here), every
// colour a system one; with it off, none is.
TEST_F(ChoicePagesTest, HighContrastDrawsTheSystemsOwnButtonsInItsColours) {
    Rs.IrDAPresent = false;
    CreateIRDAChoice::BuildIRDAChoice();
    std::vector<std::wstring> usual = fake::PaintLog(*Rs.CurrentForm);
    fake::Ui().highContrast = true;
    std::vector<std::wstring> log = fake::PaintLog(*Rs.CurrentForm);
    auto has = [](const std::vector<std::wstring>& log, const std::wstring& start) {
        return std::any_of(log.begin(), log.end(), [&](const std::wstring& l) { return l.rfind(start, 0) == 0; });
    };
    EXPECT_TRUE(has(usual, L"picture ") && !has(log, L"picture ") && has(log, L"fill 0,0,1024,768 sys5"));
    EXPECT_TRUE(has(log, L"radio " + fake::RectText(Item(L"optNoIRDA").FormRect()) + L" checked"));
    EXPECT_TRUE(has(log, L"radio " + fake::RectText(Item(L"optIRDA").FormRect()) + L" disabled"));
    EXPECT_TRUE(has(log, L"button " + fake::RectText(Item(L"Forward").FormRect())));
    for (const std::wstring& line : log)
        EXPECT_TRUE(line.rfind(L"text ", 0) != 0 || line.find(L" sys") != std::wstring::npos) << line;
    for (const std::wstring& line : usual) EXPECT_EQ(line.find(L"sys"), std::wstring::npos) << line;
}

// A library written right to left mirrors the page: the panel stays on the
// background's shadow, Forward left of Cancel, the hover where it is drawn,
// faces right of their texts, lines read right to left against the right
// edge, Left choosing the next option, the bar filling from the right.
TEST_F(ChoicePagesTest, ARightToLeftLibraryMirrorsThePage) {
    ui::Form& form = *Rs.CurrentForm;
    form.Unload();
    fake::W().modules[kLibrary].strings[ResHandling::kDirectionId] = L"rtl";
    ui::Rect page = Item(L"picPage").FormRect(), forward = Item(L"Forward").FormRect();
    fake::MouseMoveOver(Item(L"Forward"));
    EXPECT_EQ((std::vector<int>{page.left - Item(L"imgFullscreen").FormRect().left, forward.left - page.left,
                                Rs.HoverLeft, Rs.HoverRight}),
              (std::vector<int>{196, 132, forward.left, forward.right}));
    CreateIRDAChoice::BuildIRDAChoice();
    OptionGroups::Focus();
    ui::Rect face = Item(L"optIRDA").FormRect(), text = Item(L"lblIRDA").FormRect();
    EXPECT_EQ((std::vector<int>{face.right - page.left, face.left - text.right}), (std::vector<int>{430, 5}));
    fake::Key(form, ui::kKeyLeft);
    ExpectFaces(201, 202);
    Item(L"Progressbar").SetVisible(true);
    int16_t value = 50;
    progress::ShowProgress(Item(L"Progressbar"), value, 0, 100);
    std::wstring line = L"text " + std::to_wstring(text.right - 180) + L"," + std::to_wstring(text.top) +
                        L" #000000 \"By infrared (IrDA)\" MS Sans Serif 10 rtl";
    std::wstring fill = L"fill " + std::to_wstring(page.left + 224) + L"," + std::to_wstring(page.top + 329) + L"," +
                        std::to_wstring(page.left + 429) + L",";
    std::vector<std::wstring> paint = fake::PaintLog(form);
    EXPECT_EQ(std::count(paint.begin(), paint.end(), line), 1) << line;
    EXPECT_EQ(std::count_if(paint.begin(), paint.end(), [&](auto& p) { return p.rfind(fill, 0) == 0; }), 1) << fill;
}

TEST_F(ChoicePagesTest, PortListOffersEveryPresentPort) {
    const wchar_t* map = L"Hardware\\DeviceMap\\SerialComm";
    Rs.OsPlatformId = 2;
    fake::SetString(RegAccess::kLocalMachine, map, L"\\Device\\Serial0", L"COM1");
    fake::SetString(RegAccess::kLocalMachine, map, L"\\Device\\Serial2", L"COM3");
    fake::SetString(RegAccess::kLocalMachine, map, L"\\Device\\Serial11", L"COM12");
    CreateComList::BuildComList();
    EXPECT_EQ(BoxOf(L"lblNext"), (Box{30, 112, 409, 20}));
    EXPECT_EQ(BoxOf(L"lstCom"), (Box{30, 162, 409, 100}));
    CreateComList::FillComList();
    EXPECT_EQ(Item(L"lstCom").Items(), (std::vector<std::wstring>{L"COM1", L"COM3", L"COM12"}));
    EXPECT_TRUE(Rs.ComPortsFound);
    Item(L"lblForward").SetVisible(false);
    fake::SelectListEntry(Item(L"lstCom"), 1);  // the list is wired to the main window
    EXPECT_TRUE(Item(L"lblForward").Visible());
    CreateComList::RemoveComList();
    CreateComList::RemoveComList();
    EXPECT_FALSE(Exists(L"lblNext") || Exists(L"lstCom"));
    // No port at all: an empty list.
    SetUp();
    Rs.ComPortsFound = true;
    CreateComList::BuildComList();
    CreateComList::FillComList();
    EXPECT_EQ(Item(L"lstCom").ListCount(), 0);
    EXPECT_FALSE(Rs.ComPortsFound);
}

}  // namespace
