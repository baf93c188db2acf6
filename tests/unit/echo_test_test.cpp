#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "repair/echo_test.h"

namespace {

using CallLog = std::vector<std::string>;

// The platform under the echo test, with every call recorded. Function and
// library handles are fake addresses, never called.
class RecordingEchoPlatform : public EchoPlatform {
public:
    bool StartWinsock() override
    {
        log.push_back("WSAStartup");
        if (startUps.empty())
            return true;
        const bool ok = startUps.front();
        startUps.pop_front();
        return ok;
    }
    Text SystemFolder() override { return systemFolder; }
    ModuleHandle LoadLibraryAt(const Text& path) override
    {
        log.push_back("LoadLibrary " + path);
        return libraryLoads ? Library() : nullptr;
    }
    void* FindFunction(ModuleHandle library, const char* name) override
    {
        log.push_back(std::string("GetProcAddress ") + name);
        EXPECT_EQ(library, Library());
        return missingFunctions.count(name) ? nullptr : Library();
    }
    unsigned long DottedAddress(const Text& host) override
    {
        log.push_back("inet_addr " + host);
        const auto found = dotted.find(host);
        return found == dotted.end() ? AddressNone : found->second;
    }
    bool ResolveHost(const Text& host, unsigned long* address) override
    {
        log.push_back("gethostbyname " + host);
        const auto found = names.find(host);
        if (found == names.end())
            return false;
        *address = found->second;
        return true;
    }
    IcmpHandle CreateIcmpFile(const IcmpFunctions&) override
    {
        log.push_back("IcmpCreateFile");
        return IcmpFile();
    }
    unsigned long SendEcho(const IcmpFunctions&, IcmpHandle handle, unsigned long address, unsigned char* reply,
                           unsigned long replyBytes, unsigned long timeoutMs) override
    {
        log.push_back("IcmpSendEcho " + std::to_string(address) + " reply " + std::to_string(replyBytes) +
                      " timeout " + std::to_string(timeoutMs));
        EXPECT_EQ(handle, IcmpFile());
        if (replies > 0) {
            PutField(reply, ReplyStatusOffset, replyStatus);
            PutField(reply, ReplyRoundTripOffset, roundTripMs);
        }
        return replies;
    }
    void CloseIcmpHandle(const IcmpFunctions&, IcmpHandle handle) override
    {
        log.push_back("IcmpCloseHandle");
        EXPECT_EQ(handle, IcmpFile());
    }
    void Pause() override { std::this_thread::yield(); }

    static ModuleHandle Library() { return reinterpret_cast<ModuleHandle>(0x6F000000); }
    static IcmpHandle IcmpFile() { return reinterpret_cast<IcmpHandle>(0x1234); }

    CallLog log;
    std::deque<bool> startUps;  // outcomes of the next start-ups; then success
    Text systemFolder = "C:\\WINDOWS\\system32\\";
    bool libraryLoads = true;
    std::set<std::string> missingFunctions;
    std::map<Text, unsigned long> dotted = {{"127.0.0.1", 0x0100007Ful}};
    std::map<Text, unsigned long> names = {{"www.baidu.com", 0x0100007Ful}};
    unsigned long replies = 1;
    unsigned long replyStatus = IpSuccess;
    unsigned long roundTripMs = 23;

private:
    static void PutField(unsigned char* reply, unsigned long offset, unsigned long value)
    {
        for (int i = 0; i < 4; ++i)
            reply[offset + i] = static_cast<unsigned char>(value >> (8 * i));
    }
};

const std::string LoopbackInNetworkOrder = std::to_string(0x0100007Ful);

const CallLog FindFunctions = {
    "GetProcAddress IcmpCreateFile", "GetProcAddress IcmpSendEcho", "GetProcAddress IcmpCloseHandle"};

CallLog Join(std::initializer_list<CallLog> parts)
{
    CallLog all;
    for (const CallLog& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(EchoTest, FirstCallStartsWinsockAndLoadsIcmpFromTheSystemFolderOnce)
{
    RecordingEchoPlatform platform;
    EchoTestState state;
    EXPECT_EQ(EchoTest(platform, state, "www.baidu.com", 10000), 23);
    EXPECT_EQ(EchoTest(platform, state, "127.0.0.1", 500), 23);

    const CallLog echoToLoopback = {"IcmpCreateFile",
                                    "IcmpSendEcho " + LoopbackInNetworkOrder + " reply 36 timeout 10000",
                                    "IcmpCloseHandle"};
    const CallLog expected = Join({
        {"WSAStartup", "LoadLibrary C:\\WINDOWS\\system32\\icmp.dll"},
        FindFunctions,
        {"inet_addr www.baidu.com", "gethostbyname www.baidu.com"},
        echoToLoopback,
        // Started and loaded once; the functions are looked up on every call.
        FindFunctions,
        {"inet_addr 127.0.0.1", "IcmpCreateFile",
         "IcmpSendEcho " + LoopbackInNetworkOrder + " reply 36 timeout 500", "IcmpCloseHandle"},
    });
    EXPECT_EQ(platform.log, expected);
}

TEST(EchoTest, OnlyASuccessfulEchoIsAnAnswer)
{
    struct ReplyCase {
        const char* what;
        unsigned long replies;
        unsigned long status;
        unsigned long roundTripMs;
        int expected;
    };
    const ReplyCase cases[] = {
        {"an answer in 23 ms", 1, IpSuccess, 23, 23},
        {"an answer in under a millisecond", 1, IpSuccess, 0, 0},
        {"no reply in time", 0, IpSuccess, 0, -1},
        // The computer itself reports the host unreachable when its gateway is gone.
        {"destination host unreachable", 1, 11003, 2, -1},
        {"destination network unreachable", 1, 11002, 2, -1},
        {"time to live expired on the way", 1, 11013, 40, -1},
        {"request timed out, as a status", 1, 11010, 0, -1},
        {"round trip beyond an int", 1, IpSuccess, 0xFFFFFFF0ul, INT_MAX},
    };
    for (const ReplyCase& c : cases) {
        RecordingEchoPlatform platform;
        EchoTestState state;
        platform.replies = c.replies;
        platform.replyStatus = c.status;
        platform.roundTripMs = c.roundTripMs;
        EXPECT_EQ(EchoTest(platform, state, "www.baidu.com", 10000), c.expected) << c.what;
        // The handle is closed whatever the echo gave.
        EXPECT_EQ(platform.log.back(), "IcmpCloseHandle") << c.what;
    }
}

TEST(EchoTest, FailedWinsockStartUpIsTriedAgainOnTheNextCall)
{
    RecordingEchoPlatform platform;
    EchoTestState state;
    platform.startUps = {false, false};
    EXPECT_EQ(EchoTest(platform, state, "www.baidu.com", 10000), -1);
    EXPECT_EQ(EchoTest(platform, state, "www.baidu.com", 10000), -1);
    EXPECT_EQ(platform.log, (CallLog{"WSAStartup", "WSAStartup"})) << "nothing after a failed start-up";

    platform.log.clear();
    EXPECT_EQ(EchoTest(platform, state, "127.0.0.1", 10000), 23);
    EXPECT_EQ(platform.log.at(0), "WSAStartup");
    EXPECT_EQ(platform.log.at(1), "LoadLibrary C:\\WINDOWS\\system32\\icmp.dll");
}

TEST(EchoTest, IcmpLibraryThatFailedToLoadIsNeverLoadedAgain)
{
    RecordingEchoPlatform platform;
    EchoTestState state;
    platform.libraryLoads = false;
    for (int call = 0; call < 3; ++call)
        EXPECT_EQ(EchoTest(platform, state, "127.0.0.1", 10000), -1) << "call " << call;
    EXPECT_EQ(platform.log, (CallLog{"WSAStartup", "LoadLibrary C:\\WINDOWS\\system32\\icmp.dll"}));
}

TEST(EchoTest, UnknownSystemFolderLoadsNoIcmpLibraryAtAll)
{
    // Never by bare name, which would find a planted icmp.dll beside the program first.
    RecordingEchoPlatform platform;
    EchoTestState state;
    platform.systemFolder.clear();
    EXPECT_EQ(EchoTest(platform, state, "127.0.0.1", 10000), -1);
    EXPECT_EQ(EchoTest(platform, state, "127.0.0.1", 10000), -1);
    EXPECT_EQ(platform.log, (CallLog{"WSAStartup"}));
}

TEST(EchoTest, MissingIcmpFunctionSendsNothing)
{
    for (const char* missing : {"IcmpCreateFile", "IcmpSendEcho", "IcmpCloseHandle"}) {
        RecordingEchoPlatform platform;
        EchoTestState state;
        platform.missingFunctions = {missing};
        EXPECT_EQ(EchoTest(platform, state, "127.0.0.1", 10000), -1) << missing;
        EXPECT_EQ(EchoTest(platform, state, "127.0.0.1", 10000), -1) << missing;
        const CallLog expected =
            Join({{"WSAStartup", "LoadLibrary C:\\WINDOWS\\system32\\icmp.dll"}, FindFunctions, FindFunctions});
        EXPECT_EQ(platform.log, expected) << missing;
    }
}

TEST(EchoTest, HostBecomesAnAddressByDottedFormThenByName)
{
    struct AddressCase {
        const char* host;
        CallLog lookUps;
        bool echoSent;
    };
    const AddressCase cases[] = {
        {"127.0.0.1", {"inet_addr 127.0.0.1"}, true},
        {"www.baidu.com", {"inet_addr www.baidu.com", "gethostbyname www.baidu.com"}, true},
        // inet_addr cannot tell this address from its failure value.
        {"255.255.255.255", {"inet_addr 255.255.255.255", "gethostbyname 255.255.255.255"}, false},
        {"no.such.host", {"inet_addr no.such.host", "gethostbyname no.such.host"}, false},
    };
    for (const AddressCase& c : cases) {
        RecordingEchoPlatform platform;
        EchoTestState state;
        platform.dotted["255.255.255.255"] = AddressNone;
        const int result = EchoTest(platform, state, c.host, 10000);
        CallLog expected = Join({{"WSAStartup", "LoadLibrary C:\\WINDOWS\\system32\\icmp.dll"}, FindFunctions,
                                 c.lookUps});
        if (c.echoSent)
            expected.insert(expected.end(), {"IcmpCreateFile",
                                             "IcmpSendEcho " + LoopbackInNetworkOrder + " reply 36 timeout 10000",
                                             "IcmpCloseHandle"});
        EXPECT_EQ(platform.log, expected) << c.host;
        EXPECT_EQ(result, c.echoSent ? 23 : -1) << c.host;
    }
}

// A platform whose Winsock start-up takes a while and notes how many threads
// are inside it at once.
class SlowStartUpPlatform : public RecordingEchoPlatform {
public:
    bool StartWinsock() override
    {
        const int inside = ++inside_;
        int seen = mostInside.load();
        while (inside > seen && !mostInside.compare_exchange_weak(seen, inside)) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ++startUpCount;
        --inside_;
        return startUpSucceeds;
    }
    Text SystemFolder() override { return "C:\\WINDOWS\\system32\\"; }
    ModuleHandle LoadLibraryAt(const Text&) override { return Library(); }
    void* FindFunction(ModuleHandle, const char*) override { return Library(); }
    unsigned long DottedAddress(const Text&) override { return 0x0100007Ful; }
    IcmpHandle CreateIcmpFile(const IcmpFunctions&) override { return IcmpFile(); }
    unsigned long SendEcho(const IcmpFunctions&, IcmpHandle, unsigned long, unsigned char* reply, unsigned long,
                           unsigned long) override
    {
        reply[ReplyRoundTripOffset] = 7;
        return 1;
    }
    void CloseIcmpHandle(const IcmpFunctions&, IcmpHandle) override {}

    std::atomic<int> mostInside{0};
    std::atomic<int> startUpCount{0};
    bool startUpSucceeds = true;

private:
    std::atomic<int> inside_{0};
};

TEST(EchoTest, WinsockStartUpNeverRunsOnTwoThreadsAtOnce)
{
    constexpr int Threads = 6;
    for (bool succeeds : {true, false}) {
        SlowStartUpPlatform platform;
        platform.startUpSucceeds = succeeds;
        EchoTestState state;
        std::atomic<int> answers{0};
        std::vector<std::thread> threads;
        for (int i = 0; i < Threads; ++i)
            threads.emplace_back([&] {
                if (EchoTest(platform, state, "127.0.0.1", 10000) == 7)
                    ++answers;
            });
        for (std::thread& thread : threads)
            thread.join();
        EXPECT_EQ(platform.mostInside.load(), 1) << (succeeds ? "start-up succeeds" : "start-up fails");
        // Threads that waited for a successful start-up use it; after a
        // failed one each tries for itself.
        EXPECT_EQ(platform.startUpCount.load(), succeeds ? 1 : Threads);
        EXPECT_EQ(answers.load(), succeeds ? Threads : 0);
    }
}

}  // namespace
