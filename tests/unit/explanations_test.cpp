#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/explanations.h"
#include "app/more_page.h"

namespace {

// The texts as the user must see them, byte for byte.
const struct {
    RepairItem item;
    const char* text;
} ExpectedTexts[] = {
    {RepairItem::AutoAddress, "修改网络设置为自动获取IP\\DNS地址。"},
    {RepairItem::WinsockReset,
     "如果一台机器上的Winsock协议配置有问题的话将会导致网络连接等问题，\r\n就需要用netsh winsock reset"
     "命令来重置Winsock目录借以恢复网络。\r\n这个命令可以重新初始化网络环境，以解决由于软件冲突、 病毒原因造\r\n"
     "成的参数错误问题。"},
    {RepairItem::DhcpClient,
     "为此计算机注册并更新 IP 地址。如果此服务停止，计算机将不能接收动态 IP\r\n 地址和 DNS 更新。"
     "如果此服务被禁用，所有明确依赖它的服务都将不能启动。"},
    {RepairItem::DnsClient,
     "DNS 客户端服务(dnscache)缓存域名系统(DNS)名称并注册该计算机的完整计算机名称。\r\n如果该服务被停止，"
     "将继续解析 DNS 名称。然而，将不缓存 DNS 名称的查询结果，\r\n且不注册计算机名称。如果该服务被禁用，"
     "则任何明确依赖于它的服务都将无法启动。"},
    {RepairItem::HostsRestore,
     "Hosts是一个没有扩展名的系统文件，可以用记事本等工具打开，\r\n其作用就是将一些常用的网址域名与其对应的IP地址"
     "建立一个关\r\n联数据库，当用户在浏览器中输入一个需要登录的网址时，系统\r\n会首先自动从Hosts文件中寻找对应的"
     "IP地址，一旦找到，系统\r\n会立即打开对应网页，如果没有找到，则系统再会将网址提交DNS\r\n域名解析服务器进行IP"
     "地址的解析。"},
    {RepairItem::TcpIpReset, "当TCP/IP协议出错时，可以重新安装TCP/IP协议。"},
};

int Count(const std::string& text, const std::string& part)
{
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// Whether every byte of 0x80 or more is followed by a second byte of its
// character, that is the text does not end in the middle of one.
bool WholeCharacters(const std::string& text)
{
    for (size_t at = 0; at < text.size(); ++at) {
        if (static_cast<unsigned char>(text[at]) >= 0x80 && ++at == text.size())
            return false;
    }
    return true;
}

TEST(ExplanationText, EachItemHasItsTextByteForByte)
{
    for (const auto& row : ExpectedTexts)
        EXPECT_EQ(std::string(ExplanationText(row.item)), row.text) << static_cast<int>(row.item);
}

TEST(ExplanationText, TextsAreDistinctWholeGbkWithoutMarkup)
{
    std::set<std::string> seen;
    for (RepairItem item : AllRepairItems) {
        const std::string text = ExplanationText(item);
        SCOPED_TRACE(static_cast<int>(item));
        EXPECT_FALSE(text.empty());
        EXPECT_TRUE(seen.insert(text).second) << "shared with another item";
        EXPECT_TRUE(WholeCharacters(text));
        EXPECT_EQ(text.find_first_of("<&"), std::string::npos);
        // Lines break only at CR LF pairs, never at a lone CR or LF, and no line is empty.
        EXPECT_EQ(Count(text, "\r"), Count(text, "\r\n"));
        EXPECT_EQ(Count(text, "\n"), Count(text, "\r\n"));
        EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);
        EXPECT_NE(text.substr(0, 2), "\r\n");
        EXPECT_NE(text.substr(text.size() - 2), "\r\n");
    }
}

TEST(ExplanationText, KeepsItsOddCharactersAndLineBreaks)
{
    const std::string autoAddress = ExplanationText(RepairItem::AutoAddress);
    // "修改" in GBK: the texts are in the program's code page, not UTF-8.
    EXPECT_EQ(autoAddress.substr(0, 4), "\xD0\xDE\xB8\xC4");
    EXPECT_EQ(Count(autoAddress, "\\"), 1);
    EXPECT_NE(autoAddress.find("IP\\DNS"), std::string::npos);

    const std::string winsock = ExplanationText(RepairItem::WinsockReset);
    EXPECT_NE(winsock.find("、 病毒"), std::string::npos) << "the ASCII blank after the enumeration comma";
    const std::string dhcp = ExplanationText(RepairItem::DhcpClient);
    EXPECT_NE(dhcp.find("IP\r\n 地址"), std::string::npos)
        << "the ASCII blank after the line break";

    const struct {
        RepairItem item;
        int lineBreaks;
    } breaks[] = {
        {RepairItem::AutoAddress, 0}, {RepairItem::WinsockReset, 3}, {RepairItem::DhcpClient, 1},
        {RepairItem::DnsClient, 2},   {RepairItem::HostsRestore, 5}, {RepairItem::TcpIpReset, 0},
    };
    for (const auto& row : breaks)
        EXPECT_EQ(Count(ExplanationText(row.item), "\r\n"), row.lineBreaks) << static_cast<int>(row.item);
}

TEST(MorePageAddress, IsAPlainAsciiWebAddress)
{
    const std::string address = MorePageAddress;
    EXPECT_EQ(address.rfind("https://", 0), 0u);
    for (unsigned char byte : address) {
        // The shell gets the bytes as they are: nothing that a code page or
        // a command line could change.
        EXPECT_TRUE(byte > 0x20 && byte < 0x7F) << int(byte);
        EXPECT_EQ(std::string("\"<>^|` ").find(static_cast<char>(byte)), std::string::npos) << byte;
    }
    EXPECT_NE(address.find("/zh-cn/"), std::string::npos) << "the Simplified-Chinese page";
}

}  // namespace
