#include "app/help.h"

// The item numbers count the check boxes from the top of the window down.
const char* const HelpText =
    "如果1,2,3,项已全部开启,但还不能成功连接互联网，请执行4,5项,执行完毕后重启电脑。"
    "如果仍然不能连接到互联网,请执行最后一项,之后重启电脑。";
const char* const HelpCaption = "帮助";
