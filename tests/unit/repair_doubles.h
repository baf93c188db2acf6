// Substitutes for what the diagnosis, the status line and the repair sequence
// work with: a model of the six check boxes and the status line, a scripted
// command runner and a scripted echo test. All of them write to one shared
// call log, so a test states the whole conversation as one table.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/window_operations.h"
#include "repair/text.h"

using CallLog = std::vector<std::string>;

inline const char* NameOf(RepairItem item)
{
    switch (item) {
    case RepairItem::AutoAddress: return "AutoAddress";
    case RepairItem::WinsockReset: return "WinsockReset";
    case RepairItem::DhcpClient: return "DhcpClient";
    case RepairItem::DnsClient: return "DnsClient";
    case RepairItem::HostsRestore: return "HostsRestore";
    case RepairItem::TcpIpReset: return "TcpIpReset";
    }
    return "?";
}

// The captions the boxes start with.
inline Text InitialCaptionOf(RepairItem item)
{
    switch (item) {
    case RepairItem::AutoAddress: return "自动获取IP\\DNS地址";
    case RepairItem::WinsockReset: return "重置 Winsock 目录";
    case RepairItem::DhcpClient: return "DHCP Client";
    case RepairItem::DnsClient: return "DNS Client";
    case RepairItem::HostsRestore: return "Host文件恢复";
    case RepairItem::TcpIpReset: return "重新安装 TCP/IP 协议";
    }
    return Text();
}

class WindowModel : public WindowOperations {
public:
    explicit WindowModel(CallLog& log) : log_(log)
    {
        for (RepairItem item : AllRepairItems)
            captions[Index(item)] = InitialCaptionOf(item);
    }

    bool IsTicked(RepairItem item) override
    {
        log_.push_back(std::string("IsTicked ") + NameOf(item));
        return ticked[Index(item)];
    }
    void SetTicked(RepairItem item, bool on) override
    {
        log_.push_back(std::string("SetTicked ") + NameOf(item) + (on ? " on" : " off"));
        ticked[Index(item)] = on;
    }
    void SetItemCaption(RepairItem item, const Text& text) override
    {
        log_.push_back(std::string("SetItemCaption ") + NameOf(item) + " " + text);
        captions[Index(item)] = text;
    }
    void SetStatusText(const Text& text) override
    {
        log_.push_back("SetStatusText " + text);
        statusText = text;
    }
    void ShowInfo(const Text& text, const Text& caption) override
    {
        log_.push_back("ShowInfo [" + caption + "] " + text);
    }
    MessageResult AskYesNo(const Text& text, const Text& caption) override
    {
        log_.push_back("AskYesNo [" + caption + "] " + text);
        return answer;
    }
    Text SystemFolder() override
    {
        log_.push_back("SystemFolder");
        return systemFolder;
    }

    // The user's own ticks, set without a trace in the log.
    void Tick(RepairItem item, bool on = true) { ticked[Index(item)] = on; }
    bool Ticked(RepairItem item) const { return ticked[Index(item)]; }
    const Text& Caption(RepairItem item) const { return captions[Index(item)]; }

    std::array<bool, RepairItemCount> ticked{};
    std::array<Text, RepairItemCount> captions;
    Text statusText = "当前网络状态：";
    MessageResult answer = MessageResult::Yes;
    Text systemFolder = "C:\\WINDOWS\\system32\\";

private:
    static size_t Index(RepairItem item) { return static_cast<size_t>(item); }
    CallLog& log_;
};

// Commands give their canned output (the empty text when none is set); a
// hook can act while a command "runs", as the user could meanwhile.
struct ScriptedRunner {
    explicit ScriptedRunner(CallLog& log, std::map<Text, Text> outputs = {}) : log(log), outputs(std::move(outputs)) {}

    CallLog& log;
    std::map<Text, Text> outputs;
    std::function<void(const Text& commandLine)> whileRunning;

    Text operator()(const Text& commandLine)
    {
        log.push_back("run " + commandLine);
        if (whileRunning)
            whileRunning(commandLine);
        const auto found = outputs.find(commandLine);
        return found == outputs.end() ? Text() : found->second;
    }
};

// Hosts answer with their set time; any other host gives no answer.
struct ScriptedEcho {
    explicit ScriptedEcho(CallLog& log, std::map<Text, int> answers = {}) : log(log), answers(std::move(answers)) {}

    CallLog& log;
    std::map<Text, int> answers;

    int operator()(const Text& host)
    {
        log.push_back("echo " + host);
        const auto found = answers.find(host);
        return found == answers.end() ? -1 : found->second;
    }
};

// The log without the reads of ticks, for tests about what was done.
inline CallLog WithoutTickReads(const CallLog& log)
{
    CallLog kept;
    for (const std::string& call : log) {
        if (call.rfind("IsTicked ", 0) != 0)
            kept.push_back(call);
    }
    return kept;
}
