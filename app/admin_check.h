#pragma once

// True when the process may enable the debug privilege, which only an
// administrator's token allows. The privilege is put back as it was at once,
// so neither the program nor the tools it starts carry it enabled.
bool IsAdministrator();

// The status RtlAdjustPrivilege returned means administrator rights.
inline bool PrivilegeStatusMeansAdministrator(long status) { return status == 0; }
