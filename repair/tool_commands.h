#pragma once

// Every system command line the program runs and every piece of tool output
// it relies on, as the Chinese editions of ipconfig, netsh and sc print it.
// Kept in one place so a change of wording in a new edition of a tool is a
// change of one line.

// Command lines, run through RunCaptured.
constexpr char FlushDnsCommand[] = "ipconfig /flushdns";
constexpr char DhcpAddressCommand[] = "netsh interface ip set address 本地连接 dhcp";
constexpr char DhcpDnsCommand[] = "netsh interface ip set dns 本地连接 dhcp";
constexpr char WinsockResetCommand[] = "netsh winsock reset";
// Followed by a service name.
constexpr char ServiceStartCommand[] = "sc start ";
constexpr char ServiceQueryCommand[] = "sc query ";
// Followed by the path of the log file the reset writes.
constexpr char TcpIpResetCommand[] = "netsh int ip reset ";
// No blank before the slash.
constexpr char FullIpConfigCommand[] = "ipconfig/all";

constexpr char DhcpServiceName[] = "Dhcp";
constexpr char DnsServiceName[] = "Dnscache";

// What the address step prints when DHCP was already on.
constexpr char DhcpAlreadyOnPhrase[] = "已在此接口上启用 DHCP";
// The whole output of an address or DNS step that switched to DHCP.
constexpr char BareLineEnd[] = "\r\n";
constexpr char WinsockResetPhrase[] = "成功地重置 Winsock 目录";
// "sc start": a start under way, or the service was running already.
constexpr char ServiceStartPendingPhrase[] = "START_PENDING";
constexpr char ServiceAlreadyRunningPhrase[] = "运行中";
// "sc query" prints its state names in English in every edition.
constexpr char ServiceRunningPhrase[] = "RUNNING";

// "ipconfig/all": the Ethernet adapters come before the tunnel adapters, and
// the DHCP field's value runs to the end of its line.
constexpr char EthernetSectionStart[] = "以太网适配器";
constexpr char TunnelSectionStart[] = "隧道适配器";
constexpr char DhcpEnabledField[] = "DHCP 已启用 . . . . . . . . . . . : ";
constexpr char DhcpEnabledFieldEnd[] = "\r\n";
constexpr char DhcpEnabledYes[] = "是";
