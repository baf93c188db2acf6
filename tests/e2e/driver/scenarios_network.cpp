// The harness's network modes as a Windows program sees them: in "offline"
// no name resolves; in "online" every name resolves to 127.0.0.1 and the
// loopback answers echoes; in "silent" names resolve but echoes go
// unanswered.  The program's probe host stands for any name.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/scenario.h"

namespace {

const char kProbeHost[] = "www.baidu.com";

// The first IPv4 address of the name, 0 when it does not resolve.
unsigned long Resolve(const char* name) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    const hostent* host = gethostbyname(name);
    return host && host->h_addr_list[0]
               ? reinterpret_cast<const in_addr*>(host->h_addr_list[0])->s_addr
               : 0;
}

// Whether an echo to the address is answered within a second.
bool EchoAnswered(unsigned long address) {
    HANDLE icmp = IcmpCreateFile();
    REQUIRE(icmp != INVALID_HANDLE_VALUE);
    char request[32] = "quorvan e2e";
    char reply[sizeof(ICMP_ECHO_REPLY) + sizeof request + 8];
    const DWORD replies =
        IcmpSendEcho(icmp, address, request, sizeof request, nullptr, reply, sizeof reply, 1000);
    const bool answered =
        replies > 0 && reinterpret_cast<ICMP_ECHO_REPLY*>(reply)->Status == IP_SUCCESS;
    IcmpCloseHandle(icmp);
    return answered;
}

const unsigned long kLoopback = htonl(INADDR_LOOPBACK);

}  // namespace

SCENARIO(offline_mode_resolves_nothing, "offline") {
    CHECK_EQ(0ul, Resolve(kProbeHost));
    CHECK_EQ(0ul, Resolve("example.com"));
    CHECK(EchoAnswered(kLoopback));
}

SCENARIO(online_mode_answers_through_the_loopback, "online") {
    CHECK_EQ(check::Hex(kLoopback), check::Hex(Resolve(kProbeHost)));
    CHECK_EQ(check::Hex(kLoopback), check::Hex(Resolve("example.com")));
    CHECK(EchoAnswered(Resolve(kProbeHost)));
}

SCENARIO(silent_mode_resolves_but_never_answers, "silent") {
    CHECK_EQ(check::Hex(kLoopback), check::Hex(Resolve(kProbeHost)));
    CHECK(!EchoAnswered(Resolve(kProbeHost)));
}
