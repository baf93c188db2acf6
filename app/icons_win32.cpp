#include "app/icons.h"

HICON LoadSmallIconImage(int iconSet)
{
    const int size = 16;
    const HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(iconSet), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    const HGLOBAL groupData = group != nullptr ? LoadResource(nullptr, group) : nullptr;
    const PBYTE directory = groupData != nullptr ? static_cast<PBYTE>(LockResource(groupData)) : nullptr;
    if (directory == nullptr)
        return nullptr;
    const int imageId = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
    const HRSRC image = FindResourceA(nullptr, MAKEINTRESOURCEA(imageId), MAKEINTRESOURCEA(3));  // RT_ICON
    const HGLOBAL imageData = image != nullptr ? LoadResource(nullptr, image) : nullptr;
    const PBYTE bits = imageData != nullptr ? static_cast<PBYTE>(LockResource(imageData)) : nullptr;
    if (bits == nullptr)
        return nullptr;
    return CreateIconFromResourceEx(bits, SizeofResource(nullptr, image), TRUE, 0x00030000, size, size,
                                    LR_DEFAULTCOLOR);
}
