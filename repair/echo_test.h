#pragma once
#include <atomic>
#include <functional>

#include "repair/text.h"

// The host whose answer to one ICMP echo means "connected to the internet":
// a public web host that answers echoes and is reachable from the networks
// of mainland China. A name, so every probe also tests name resolution.
constexpr char ProbeHost[] = "www.baidu.com";
constexpr char LoopbackAddress[] = "127.0.0.1";

constexpr int NoAnswer = -1;
constexpr unsigned long DefaultEchoTimeoutMs = 10000;

// One echo test as the diagnosis and the repair sequence see it: the
// round-trip milliseconds of the answer, or NoAnswer.
using EchoTester = std::function<int(const Text& host)>;

using ModuleHandle = void*;
using IcmpHandle = void*;

// The functions of icmp.dll, as found in the library for one call.
struct IcmpFunctions {
    void* createFile;
    void* sendEcho;
    void* closeHandle;
};

// Room for one reply record (28 bytes in the 32-bit layout) and the 8 bytes
// of ICMP error data the echo call needs beside it when no data is sent.
constexpr unsigned long EchoReplyBufferBytes = 36;
// Where the reply record keeps its status and its round-trip time.
constexpr unsigned long ReplyStatusOffset = 4;
constexpr unsigned long ReplyRoundTripOffset = 8;
constexpr unsigned long IpSuccess = 0;
// What inet_addr gives for a text that is not a dotted address.
constexpr unsigned long AddressNone = 0xFFFFFFFFul;

// The platform calls under an echo test; tests substitute them.
class EchoPlatform {
public:
    virtual ~EchoPlatform() = default;
    // WSAStartup for Winsock 1.1.
    virtual bool StartWinsock() = 0;
    // The system folder with a trailing backslash, or the empty text.
    virtual Text SystemFolder() = 0;
    // LoadLibraryA by full path; null when it fails.
    virtual ModuleHandle LoadLibraryAt(const Text& path) = 0;
    // GetProcAddress; null when the library has no such function.
    virtual void* FindFunction(ModuleHandle library, const char* name) = 0;
    // inet_addr: the address in network order, or AddressNone.
    virtual unsigned long DottedAddress(const Text& host) = 0;
    // gethostbyname: the first IPv4 address; false when the name does not resolve.
    virtual bool ResolveHost(const Text& host, unsigned long* address) = 0;
    virtual IcmpHandle CreateIcmpFile(const IcmpFunctions& icmp) = 0;
    // IcmpSendEcho with no request data and no options: the number of reply
    // records stored in reply, 0 when none came in time or the call failed.
    virtual unsigned long SendEcho(const IcmpFunctions& icmp, IcmpHandle handle, unsigned long address,
                                   unsigned char* reply, unsigned long replyBytes, unsigned long timeoutMs) = 0;
    virtual void CloseIcmpHandle(const IcmpFunctions& icmp, IcmpHandle handle) = 0;
    // Gives up the processor for a moment, while another thread starts Winsock.
    virtual void Pause() = 0;
};

// What every echo test of the process shares. It changes at most once, when
// the Winsock start-up first succeeds, and is never torn down: a thread may
// still be inside an echo test while the process ends, so the state has no
// destructor to run under it, and neither icmp.dll nor Winsock is released.
struct EchoTestState {
    std::atomic<bool> winsockStarted{false};
    // Null until loaded, and for good when the load failed.
    std::atomic<ModuleHandle> icmpLibrary{nullptr};
    // Held while one thread runs the Winsock start-up.
    std::atomic<bool> startingUp{false};
};

// One echo request to host, waiting up to timeoutMs for the answer.
// Any thread may call it.
int EchoTest(EchoPlatform& platform, EchoTestState& state, const Text& host, unsigned long timeoutMs);

// The live echo test on the calling thread, with the process's state.
int EchoTest(const Text& host, unsigned long timeoutMs = DefaultEchoTimeoutMs);

// The live echo test for the main window's thread: the test runs on a helper
// thread while this thread goes on dispatching its window messages.
int EchoTestWhileDispatching(const Text& host);
