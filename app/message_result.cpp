#include "app/message_result.h"

MessageResult MessageResultFromBoxId(int boxId)
{
    // IDOK 1, IDCANCEL 2, IDABORT 3, IDRETRY 4, IDIGNORE 5, IDYES 6, IDNO 7.
    static const MessageResult byId[] = {
        MessageResult::Ok,     MessageResult::Ok,    MessageResult::Cancel, MessageResult::Abort,
        MessageResult::Retry,  MessageResult::Ignore, MessageResult::Yes,   MessageResult::No,
    };
    if (boxId < 1 || boxId > 7)
        return MessageResult::Ok;
    return byId[boxId];
}
