#include "repair/windows_folder.h"

Text WindowsFolderFromReport(const char* buffer, unsigned reportedLength)
{
    // A length of the buffer size or more is the size the path would need.
    if (reportedLength == 0 || reportedLength >= WindowsFolderBufferChars)
        return Text();
    return Text(buffer, reportedLength) + "\\";
}
