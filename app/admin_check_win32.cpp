#include "app/admin_check.h"

#include <windows.h>

#include "app/system_folder.h"

namespace {
typedef LONG(WINAPI* AdjustPrivilegeFunction)(ULONG privilege, BOOLEAN enable, BOOLEAN currentThread,
                                              BOOLEAN* previousState);
constexpr ULONG DebugPrivilege = 20;  // SE_DEBUG_PRIVILEGE
}

bool IsAdministrator()
{
    // Loaded from the system folder by full path and kept loaded for the run.
    const HMODULE ntdll = LoadLibraryA(NtdllPath(SystemFolder()).c_str());
    const AdjustPrivilegeFunction adjustPrivilege =
        ntdll != nullptr ? reinterpret_cast<AdjustPrivilegeFunction>(
                               reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlAdjustPrivilege")))
                         : nullptr;
    // Without the function the rights cannot be told: warn rather than promise success.
    if (adjustPrivilege == nullptr)
        return false;

    BOOLEAN previous = FALSE;
    const LONG status = adjustPrivilege(DebugPrivilege, TRUE, FALSE, &previous);
    if (PrivilegeStatusMeansAdministrator(status)) {
        BOOLEAN ignored = FALSE;
        adjustPrivilege(DebugPrivilege, previous, FALSE, &ignored);
    }
    return PrivilegeStatusMeansAdministrator(status);
}
