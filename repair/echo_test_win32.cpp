#include <winsock2.h>

#include "repair/echo_test.h"

#include <cstring>
#include <type_traits>

#include "app/system_folder.h"

namespace {

// icmp.dll is bound by name at run time, so the program imports nothing
// beyond the system's core libraries.
typedef HANDLE(WINAPI* IcmpCreateFileProc)();
typedef DWORD(WINAPI* IcmpSendEchoProc)(HANDLE icmp, ULONG address, LPVOID requestData, WORD requestSize,
                                        LPVOID options, LPVOID replyBuffer, DWORD replySize, DWORD timeoutMs);
typedef BOOL(WINAPI* IcmpCloseHandleProc)(HANDLE icmp);

class LiveEchoPlatform : public EchoPlatform {
public:
    bool StartWinsock() override
    {
        WSADATA data;
        return WSAStartup(MAKEWORD(1, 1), &data) == 0;
    }

    Text SystemFolder() override { return ::SystemFolder(); }

    ModuleHandle LoadLibraryAt(const Text& path) override { return LoadLibraryA(path.c_str()); }

    void* FindFunction(ModuleHandle library, const char* name) override
    {
        return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
    }

    unsigned long DottedAddress(const Text& host) override { return inet_addr(host.c_str()); }

    bool ResolveHost(const Text& host, unsigned long* address) override
    {
        const hostent* entry = gethostbyname(host.c_str());
        if (entry == nullptr || entry->h_addrtype != AF_INET || entry->h_length != 4 ||
            entry->h_addr_list[0] == nullptr)
            return false;
        ULONG first;
        std::memcpy(&first, entry->h_addr_list[0], sizeof first);
        *address = first;
        return true;
    }

    IcmpHandle CreateIcmpFile(const IcmpFunctions& icmp) override
    {
        return reinterpret_cast<IcmpCreateFileProc>(icmp.createFile)();
    }

    unsigned long SendEcho(const IcmpFunctions& icmp, IcmpHandle handle, unsigned long address,
                           unsigned char* reply, unsigned long replyBytes, unsigned long timeoutMs) override
    {
        return reinterpret_cast<IcmpSendEchoProc>(icmp.sendEcho)(handle, address, nullptr, 0, nullptr, reply,
                                                                 replyBytes, timeoutMs);
    }

    void CloseIcmpHandle(const IcmpFunctions& icmp, IcmpHandle handle) override
    {
        reinterpret_cast<IcmpCloseHandleProc>(icmp.closeHandle)(handle);
    }

    void Pause() override { Sleep(1); }
};

// Constant-initialised and without a destructor: the process may end while
// another thread is still inside an echo test.
EchoTestState gEchoTestState;
static_assert(std::is_trivially_destructible<EchoTestState>::value,
              "nothing may be torn down under an echo test still running at exit");

}  // namespace

int EchoTest(const Text& host, unsigned long timeoutMs)
{
    LiveEchoPlatform platform;
    return EchoTest(platform, gEchoTestState, host, timeoutMs);
}
