#include "iconbutton/theme_functions.h"

#include <string>

#include "app/system_folder.h"

namespace {

const char* const ThemeLibrary = "UxTheme.dll";
constexpr int PushButtonPart = 1;  // BP_PUSHBUTTON

typedef HANDLE(WINAPI* OpenThemeDataFunction)(HWND, LPCWSTR);
typedef HRESULT(WINAPI* DrawThemeBackgroundFunction)(HANDLE, HDC, int, int, const RECT*, const RECT*);
typedef HRESULT(WINAPI* CloseThemeDataFunction)(HANDLE);

// Set while the fatal error box is up. Its message loop still paints the
// button; those paintings find no theme function and draw the classic face
// rather than asking again.
bool gBindingFailed = false;

FARPROC BindOrDie(const char* functionName)
{
    if (gBindingFailed)
        return nullptr;
    // By full path from the system folder, so a planted copy beside the
    // program is never the one loaded.
    static HMODULE library = nullptr;
    if (library == nullptr)
        library = LoadLibraryA((SystemFolder() + ThemeLibrary).c_str());
    const FARPROC function = library != nullptr ? GetProcAddress(library, functionName) : nullptr;
    if (function == nullptr) {
        gBindingFailed = true;
        const std::string message = std::string("无法在 ") + ThemeLibrary + " 中找到函数 " + functionName;
        MessageBoxA(nullptr, message.c_str(), "错误", MB_OK | MB_ICONERROR | MB_TASKMODAL);
        ExitProcess(static_cast<UINT>(-1));
    }
    return function;
}

// Bound at the first call and kept for later ones; null only while the
// fatal error box is up.
template <typename Function>
Function Bound(Function& kept, const char* functionName)
{
    if (kept == nullptr)
        kept = reinterpret_cast<Function>(reinterpret_cast<void*>(BindOrDie(functionName)));
    return kept;
}

OpenThemeDataFunction gOpenThemeData = nullptr;
DrawThemeBackgroundFunction gDrawThemeBackground = nullptr;
CloseThemeDataFunction gCloseThemeData = nullptr;

}  // namespace

ThemeHandle OpenButtonTheme(HWND button)
{
    const OpenThemeDataFunction openThemeData = Bound(gOpenThemeData, "OpenThemeData");
    return openThemeData != nullptr ? openThemeData(button, L"BUTTON") : nullptr;
}

void DrawButtonThemeBackground(ThemeHandle theme, HDC dc, int themeState, const RECT& rect)
{
    const DrawThemeBackgroundFunction drawThemeBackground = Bound(gDrawThemeBackground, "DrawThemeBackground");
    if (drawThemeBackground != nullptr)
        drawThemeBackground(theme, dc, PushButtonPart, themeState, &rect, nullptr);
}

void CloseButtonTheme(ThemeHandle theme)
{
    const CloseThemeDataFunction closeThemeData = Bound(gCloseThemeData, "CloseThemeData");
    if (closeThemeData != nullptr)
        closeThemeData(theme);
}
