#include "iconbutton/theme_functions.h"

#include <string>

#include "app/system_folder.h"

namespace {

const char* const ThemeLibrary = "UxTheme.dll";
constexpr int PushButtonPart = 1;  // BP_PUSHBUTTON

typedef HANDLE(WINAPI* OpenThemeDataFunction)(HWND, LPCWSTR);
typedef HRESULT(WINAPI* DrawThemeBackgroundFunction)(HANDLE, HDC, int, int, const RECT*, const RECT*);
typedef HRESULT(WINAPI* CloseThemeDataFunction)(HANDLE);

FARPROC BindOrDie(const char* functionName)
{
    // By full path from the system folder, so a planted copy beside the
    // program is never the one loaded.
    static HMODULE library = nullptr;
    if (library == nullptr)
        library = LoadLibraryA((SystemFolder() + ThemeLibrary).c_str());
    const FARPROC function = library != nullptr ? GetProcAddress(library, functionName) : nullptr;
    if (function == nullptr) {
        const std::string message = std::string("无法在 ") + ThemeLibrary + " 中找到函数 " + functionName;
        MessageBoxA(nullptr, message.c_str(), "错误", MB_OK | MB_ICONERROR | MB_TASKMODAL);
        ExitProcess(static_cast<UINT>(-1));
    }
    return function;
}

template <typename Function>
Function Bound(const char* functionName)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(BindOrDie(functionName)));
}

}  // namespace

ThemeHandle OpenButtonTheme(HWND button)
{
    static const OpenThemeDataFunction openThemeData = Bound<OpenThemeDataFunction>("OpenThemeData");
    return openThemeData(button, L"BUTTON");
}

void DrawButtonThemeBackground(ThemeHandle theme, HDC dc, int themeState, const RECT& rect)
{
    static const DrawThemeBackgroundFunction drawThemeBackground =
        Bound<DrawThemeBackgroundFunction>("DrawThemeBackground");
    drawThemeBackground(theme, dc, PushButtonPart, themeState, &rect, nullptr);
}

void CloseButtonTheme(ThemeHandle theme)
{
    static const CloseThemeDataFunction closeThemeData = Bound<CloseThemeDataFunction>("CloseThemeData");
    closeThemeData(theme);
}
