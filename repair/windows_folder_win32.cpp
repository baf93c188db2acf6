#include "repair/windows_folder.h"

#include <windows.h>

Text WindowsFolder()
{
    char buffer[WindowsFolderBufferChars] = {};
    const UINT length = GetWindowsDirectoryA(buffer, WindowsFolderBufferChars);
    return WindowsFolderFromReport(buffer, length);
}
