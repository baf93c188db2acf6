#include "app/more_page.h"

// Percent-encoded, so the address is plain ASCII whatever the code page.
const char* const MorePageAddress =
    "https://support.microsoft.com/zh-cn/windows/"
    "%E4%BF%AE%E5%A4%8D-windows-%E4%B8%AD%E7%9A%84%E4%BB%A5%E5%A4%AA%E7%BD%91%E8%BF%9E%E6%8E%A5%E9%97%AE%E9%A2%98-"
    "2311254e-cab8-42d6-90f3-cb0b9f63645f";
