// The Repair button as the program paints it: taken over at start, its
// looks as the pointer rests on it, presses it and lets go, disabled and
// enabled again, and still painting after more paintings than a process
// could hold GDI objects for, had one painting leaked one.  The pictures of
// the four looks are kept in build/e2e-artefacts for a person to look at.
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/inprocess.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/msgbox.h"
#include "tests/e2e/driver/picture.h"
#include "tests/e2e/driver/quorvan.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/ui.h"
#include "tests/e2e/driver/wait.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRepairButton = 1011;
// Inside the button's frame, where only the icon and the caption are drawn.
constexpr int kFaceInset = 3;
constexpr int kIconSize = 16, kGap = 5;

enum { kNormal = 0, kHot = 2, kPressed = 3, kDisabled = 4 };

int DrawStateOf(HWND button) {
    return int(reinterpret_cast<INT_PTR>(PropOf(button, "Vornex_DrawState")));
}

bool Reaches(HWND button, int drawState) {
    return WaitUntil(kUiTimeoutMs, [&] { return DrawStateOf(button) == drawState; });
}

// Off the button; the leave notice that follows sets the normal look.
void MovePointerOff(HWND button) {
    MovePointerTo(0, 0);
    CHECK(Reaches(button, kNormal));
}

// Enables or disables the button and returns the picture of the look that follows.
std::string LookAfterEnable(HWND button, bool enable) {
    EnableWindow(button, enable ? TRUE : FALSE);
    CHECK(Reaches(button, enable ? kNormal : kDisabled));
    return ClientAreaBmp(button);
}

// The program started and in front, the pointer away from the Repair button.
HWND StartAndFindRepairButton(Quorvan& app) {
    HWND button = GetDlgItem(app.StartInForeground(), kRepairButton);
    REQUIRE(button != nullptr);
    MovePointerTo(0, 0);
    return button;
}

bool Bluish(COLORREF c) { return GetBValue(c) > GetRValue(c) + 40; }
bool Dark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128; }

// Icon and caption side by side as one group, centred in the button: the
// blue globe on the left, the caption's dark strokes right of the gap.
void CheckIconAndCaptionCentred(const std::string& bmp) {
    const Picture picture(bmp);
    const RECT ink = InkOf(picture, kFaceInset);
    REQUIRE(ink.right > ink.left);
    // Glyphs and the icon's own transparent rim leave a pixel or two of
    // their measured boxes blank.
    CHECK(std::abs(ink.left - (picture.width - ink.right)) <= 3);
    CHECK(std::abs(ink.top - (picture.height - ink.bottom)) <= 3);
    bool blueIcon = false, darkCaption = false, blueCaption = false;
    for (int y = ink.top; y < ink.bottom; ++y) {
        for (int x = ink.left; x < ink.left + kIconSize; ++x) blueIcon = blueIcon || Bluish(picture.At(x, y));
        for (int x = ink.left + kIconSize + kGap; x < ink.right; ++x) {
            darkCaption = darkCaption || Dark(picture.At(x, y));
            blueCaption = blueCaption || Bluish(picture.At(x, y));
        }
    }
    CHECK(blueIcon);
    CHECK(darkCaption);
    CHECK(!blueCaption);
}

}  // namespace

SCENARIO(repair_button_is_taken_over_at_start, "online") {
    Quorvan app;
    HWND button = StartAndFindRepairButton(app);
    HWND main = GetParent(button);

    CHECK_EQ(check::Hex(BS_OWNERDRAW), check::Hex(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK));
    CHECK(PropOf(button, "ButtonIcon_Proc") != nullptr);
    CHECK(PropOf(button, "ButtonIcon_Proc") != reinterpret_cast<HANDLE>(GetWindowLongPtrA(button, GWLP_WNDPROC)));
    CHECK_EQ(check::Hex(0xFFFFFFFF), check::Hex(UINT_PTR(PropOf(button, "ButtonIcon_TextColor1"))));
    CHECK_EQ(check::Hex(0xFFFFFFFF), check::Hex(UINT_PTR(PropOf(button, "ButtonIcon_TextColor2"))));
    CHECK(PropOf(main, "ButtonIcon_ParentProc") != nullptr);
    // The button has the focus from the start; focus leaves the look alone.
    CHECK_EQ(kRepairButton, app.FocusedId());
    CHECK(PropOf(button, "Vornex_DrawState") == nullptr);

    // The check boxes and the group box are buttons without an icon.
    for (const Control& c : ChildrenOf(main)) {
        if (c.id == kRepairButton) continue;
        check::Context row("control " + std::to_string(c.id));
        CHECK(PropOf(c.hwnd, "ButtonIcon_Proc") == nullptr);
        CHECK(PropOf(c.hwnd, "ButtonIcon_ParentProc") == nullptr);
    }
    CHECK(PropOf(main, "ButtonIcon_Proc") == nullptr);

    const std::string normal = ClientAreaBmp(button);
    SaveArtefact("normal", normal);
    CheckIconAndCaptionCentred(normal);
}

SCENARIO(repair_button_looks_follow_hover_press_release_and_enabling, "online") {
    Quorvan app;
    HWND button = StartAndFindRepairButton(app);
    const std::string normal = ClientAreaBmp(button);

    // The hot look comes once the pointer has rested on the button.
    MovePointerTo(button);
    CHECK(Reaches(button, kHot));
    const std::string hot = ClientAreaBmp(button);
    SaveArtefact("hot", hot);
    CheckIconAndCaptionCentred(hot);

    // Pressed: icon and caption both one pixel right and one down.
    PressLeft();
    CHECK(Reaches(button, kPressed));
    const std::string pressed = ClientAreaBmp(button);
    SaveArtefact("pressed", pressed);
    const RECT inkNormal = InkOf(Picture(normal), kFaceInset), inkPressed = InkOf(Picture(pressed), kFaceInset);
    CHECK_EQ(inkNormal.left + 1, inkPressed.left);
    CHECK_EQ(inkNormal.top + 1, inkPressed.top);
    CHECK_EQ(inkNormal.right + 1, inkPressed.right);
    CHECK_EQ(inkNormal.bottom + 1, inkPressed.bottom);

    // The release clicks; the click asks first, since the computer is
    // online.  While that box is open the release is not yet decided, so
    // the press's look stays; once it is answered the pointer still rests
    // on the button and the look turns hot.
    ReleaseLeft();
    HWND box = WaitForMessageBox(app.Pid(), kUiTimeoutMs);
    REQUIRE(box != nullptr);
    RECT boxRect{}, buttonRect{};
    GetWindowRect(box, &boxRect);
    GetWindowRect(button, &buttonRect);
    RECT overlap{};
    REQUIRE(!IntersectRect(&overlap, &boxRect, &buttonRect));
    Sleep(200);
    CHECK_EQ(kPressed, DrawStateOf(button));
    PostMessageA(box, WM_COMMAND, IDNO, 0);
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return MessageBoxesOf(app.Pid()).empty(); }));
    CHECK(Reaches(button, kHot));

    MovePointerOff(button);
    CHECK(ClientAreaBmp(button) == normal);

    // Disabled and enabled again, by whoever does it.
    const std::string disabled = LookAfterEnable(button, false);
    SaveArtefact("disabled", disabled);
    CHECK(disabled != normal);
    CHECK(LookAfterEnable(button, true) == normal);
    CHECK(LookAfterEnable(button, false) == disabled);
    LookAfterEnable(button, true);
}

SCENARIO(repair_button_still_paints_after_40000_paintings, "online") {
    Quorvan app;
    HWND button = StartAndFindRepairButton(app);
    const std::string normal = ClientAreaBmp(button);
    const std::string disabled = LookAfterEnable(button, false);
    REQUIRE(LookAfterEnable(button, true) == normal);

    // With room for only 10,000 more GDI objects, a painting that kept one
    // would run out long before the last of these.
    int painted = 0;
    CHECK(RepaintInProcess(button, 40000, &painted));
    CHECK_EQ(40000, painted);

    // Each new look must still reach the screen.
    CHECK(LookAfterEnable(button, false) == disabled);
    CHECK(LookAfterEnable(button, true) == normal);
    CHECK(app.Answers(kUiTimeoutMs));
}

SCENARIO(repair_button_has_the_classic_face_without_visual_styles, "online") {
    // Visual styles switched off for the user, as the Windows Classic theme does.
    HKEY key = nullptr;
    REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", 0,
                            nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS);
    RegSetValueExA(key, "ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>("0"), 2);
    RegCloseKey(key);

    Quorvan app;
    HWND button = StartAndFindRepairButton(app);
    const std::string normal = ClientAreaBmp(button);
    SaveArtefact("classic-normal", normal);
    CheckIconAndCaptionCentred(normal);
    // The classic face is plain button face inside a raised edge.
    const Picture face(normal);
    CHECK_EQ(check::Hex(GetSysColor(COLOR_BTNFACE)), check::Hex(face.At(kFaceInset, kFaceInset)));
    CHECK_EQ(check::Hex(GetSysColor(COLOR_BTNHIGHLIGHT)), check::Hex(face.At(0, 0)));

    // Pressed on the classic face: icon and caption moved one pixel right
    // and one down, pixel for pixel.  The pointer rests first, so the hover
    // notice is used up before the press.
    MovePointerTo(button);
    CHECK(Reaches(button, kHot));
    PressLeft();
    CHECK(Reaches(button, kPressed));
    const std::string pressed = ClientAreaBmp(button);
    SaveArtefact("classic-pressed", pressed);
    CHECK(SameInkMovedBy(Picture(normal), Picture(pressed), 1, 1, kFaceInset));

    // Let go elsewhere: no click, and the look ends normal once the leave
    // notice is in, before or after the release.
    MovePointerTo(0, 0);
    ReleaseLeft();
    CHECK(Reaches(button, kNormal));
    CHECK(MessageBoxesOf(app.Pid()).empty());
    CHECK(ClientAreaBmp(button) == normal);

    const std::string disabled = LookAfterEnable(button, false);
    SaveArtefact("classic-disabled", disabled);
    CHECK(disabled != normal);
}

SCENARIO(missing_theme_library_ends_the_program_with_an_error_box, "online") {
    // Wine's own UxTheme disabled for the program: loading it fails.
    HKEY key = nullptr;
    REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\quorvan.exe\\DllOverrides", 0, nullptr,
                            0, KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS);
    RegSetValueExA(key, "uxtheme", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    RegCloseKey(key);
    Quorvan app;
    REQUIRE(app.Start());

    // The first painting of the Repair button needs the theme functions.
    HWND box = WaitForMessageBox(app.Pid(), kStartTimeoutMs);
    REQUIRE(box != nullptr);
    const MessageBoxInfo info = DescribeMessageBox(box);
    CHECK(info.text.find("UxTheme.dll") != std::string::npos);
    CHECK(info.text.find("OpenThemeData") != std::string::npos);
    CHECK_EQ(std::vector<int>{IDOK}, info.buttons);
    // Only one box, however often the window asks to be painted meanwhile.
    HWND main = FindTopLevel(app.Pid(), "QuorvanMainWindow");
    if (main != nullptr)
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(500);
    CHECK_EQ(size_t(1), MessageBoxesOf(app.Pid()).size());

    CHECK(PressMessageBoxButton(box, IDOK));
    DWORD code = 0;
    REQUIRE(app.WaitForExit(kUiTimeoutMs, &code));
    CHECK_EQ(check::Hex(0xFFFFFFFF), check::Hex(code));
}
