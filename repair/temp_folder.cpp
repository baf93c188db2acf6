#include "repair/temp_folder.h"

Text TempFolderFromReport(const char* buffer, unsigned reportedLength)
{
    // A length of the buffer size or more is the size the path would need.
    if (reportedLength == 0 || reportedLength >= TempPathBufferChars)
        return Text();
    Text folder(buffer, reportedLength);
    if (!EndsInBackslash(folder))
        folder += '\\';
    return folder;
}

bool EndsInBackslash(const Text& text)
{
    bool backslash = false;
    for (Text::size_type at = 0; at < text.size(); ++at) {
        const unsigned char byte = static_cast<unsigned char>(text[at]);
        backslash = byte == '\\';
        if (byte >= 0x80)
            ++at;  // the second byte belongs to this character
    }
    return backslash;
}
