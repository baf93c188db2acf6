#include "repair/echo_test.h"

#include <climits>

namespace {

constexpr char IcmpLibraryName[] = "icmp.dll";

// Starts Winsock and loads icmp.dll, once for the process. The guard keeps
// two threads from running the start-up at once; a thread that waited on
// it finds the work done, or tries again itself when it failed.
bool EnsureStarted(EchoPlatform& platform, EchoTestState& state)
{
    if (state.winsockStarted.load(std::memory_order_acquire))
        return true;
    while (state.startingUp.exchange(true, std::memory_order_acquire))
        platform.Pause();
    bool started = state.winsockStarted.load(std::memory_order_acquire);
    if (!started && platform.StartWinsock()) {
        // Only from the system folder: a planted icmp.dll beside the program
        // must never be the one loaded.
        const Text systemFolder = platform.SystemFolder();
        if (!systemFolder.empty())
            state.icmpLibrary.store(platform.LoadLibraryAt(systemFolder + IcmpLibraryName));
        // Set after the library, so a thread that sees the flag sees the library too.
        state.winsockStarted.store(true, std::memory_order_release);
        started = true;
    }
    state.startingUp.store(false, std::memory_order_release);
    return started;
}

bool FindIcmpFunctions(EchoPlatform& platform, ModuleHandle library, IcmpFunctions* icmp)
{
    icmp->createFile = platform.FindFunction(library, "IcmpCreateFile");
    icmp->sendEcho = platform.FindFunction(library, "IcmpSendEcho");
    icmp->closeHandle = platform.FindFunction(library, "IcmpCloseHandle");
    return icmp->createFile != nullptr && icmp->sendEcho != nullptr && icmp->closeHandle != nullptr;
}

bool AddressOf(EchoPlatform& platform, const Text& host, unsigned long* address)
{
    *address = platform.DottedAddress(host);
    if (*address != AddressNone)
        return true;
    return platform.ResolveHost(host, address);
}

// The reply record is laid out by the system in little-endian order.
unsigned long ReadField(const unsigned char* reply, unsigned long offset)
{
    return static_cast<unsigned long>(reply[offset]) | static_cast<unsigned long>(reply[offset + 1]) << 8 |
           static_cast<unsigned long>(reply[offset + 2]) << 16 | static_cast<unsigned long>(reply[offset + 3]) << 24;
}

}  // namespace

int EchoTest(EchoPlatform& platform, EchoTestState& state, const Text& host, unsigned long timeoutMs)
{
    if (!EnsureStarted(platform, state))
        return NoAnswer;
    const ModuleHandle library = state.icmpLibrary.load();
    if (library == nullptr)
        return NoAnswer;

    IcmpFunctions icmp;
    if (!FindIcmpFunctions(platform, library, &icmp))
        return NoAnswer;
    unsigned long address = 0;
    if (!AddressOf(platform, host, &address))
        return NoAnswer;

    unsigned char reply[EchoReplyBufferBytes] = {};
    const IcmpHandle handle = platform.CreateIcmpFile(icmp);
    const unsigned long replies = platform.SendEcho(icmp, handle, address, reply, sizeof reply, timeoutMs);
    platform.CloseIcmpHandle(icmp, handle);

    // The echo call also counts error replies, such as the "destination host
    // unreachable" that the computer itself gives when its gateway is gone:
    // only a successful echo is an answer.
    if (replies == 0 || ReadField(reply, ReplyStatusOffset) != IpSuccess)
        return NoAnswer;
    const unsigned long roundTripMs = ReadField(reply, ReplyRoundTripOffset);
    return roundTripMs > static_cast<unsigned long>(INT_MAX) ? INT_MAX : static_cast<int>(roundTripMs);
}
