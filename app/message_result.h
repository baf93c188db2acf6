#pragma once

// What a message box ended with, as the rest of the program sees it.
enum class MessageResult { Ok = 0, Cancel = 1, Abort = 2, Retry = 3, Ignore = 4, Yes = 5, No = 6 };

// Maps a MessageBoxA return value (IDOK 1 ... IDNO 7) to a MessageResult;
// anything else, the 0 of a box that failed to appear included, is Ok (0).
MessageResult MessageResultFromBoxId(int boxId);
