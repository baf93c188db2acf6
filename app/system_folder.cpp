#include "app/system_folder.h"

Text SystemFolderFromPath(const Text& path)
{
    if (path.empty())
        return Text();
    return path + "\\";
}

Text NtdllPath(const Text& systemFolder)
{
    return systemFolder + "ntdll.dll";
}
