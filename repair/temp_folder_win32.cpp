#include "repair/temp_folder.h"

#include <windows.h>

Text TempFolder()
{
    char buffer[TempPathBufferChars] = {};
    const DWORD length = GetTempPathA(TempPathBufferChars, buffer);
    return TempFolderFromReport(buffer, length);
}
