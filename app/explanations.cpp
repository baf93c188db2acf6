#include "app/explanations.h"

namespace {

struct Explanation {
    RepairItem item;
    const char* text;
};

// The texts keep their quirks on purpose: one backslash between "IP" and
// "DNS", an ASCII blank after "、", and a blank starting the DHCP text's
// second line.
const Explanation Explanations[RepairItemCount] = {
    {RepairItem::AutoAddress, "修改网络设置为自动获取IP\\DNS地址。"},
    {RepairItem::WinsockReset,
     "如果一台机器上的Winsock协议配置有问题的话将会导致网络连接等问题，\r\n"
     "就需要用netsh winsock reset命令来重置Winsock目录借以恢复网络。\r\n"
     "这个命令可以重新初始化网络环境，以解决由于软件冲突、 病毒原因造\r\n"
     "成的参数错误问题。"},
    {RepairItem::DhcpClient,
     "为此计算机注册并更新 IP 地址。如果此服务停止，计算机将不能接收动态 IP\r\n"
     " 地址和 DNS 更新。如果此服务被禁用，所有明确依赖它的服务都将不能启动。"},
    {RepairItem::DnsClient,
     "DNS 客户端服务(dnscache)缓存域名系统(DNS)名称并注册该计算机的完整计算机名称。\r\n"
     "如果该服务被停止，将继续解析 DNS 名称。然而，将不缓存 DNS 名称的查询结果，\r\n"
     "且不注册计算机名称。如果该服务被禁用，则任何明确依赖于它的服务都将无法启动。"},
    {RepairItem::HostsRestore,
     "Hosts是一个没有扩展名的系统文件，可以用记事本等工具打开，\r\n"
     "其作用就是将一些常用的网址域名与其对应的IP地址建立一个关\r\n"
     "联数据库，当用户在浏览器中输入一个需要登录的网址时，系统\r\n"
     "会首先自动从Hosts文件中寻找对应的IP地址，一旦找到，系统\r\n"
     "会立即打开对应网页，如果没有找到，则系统再会将网址提交DNS\r\n"
     "域名解析服务器进行IP地址的解析。"},
    {RepairItem::TcpIpReset, "当TCP/IP协议出错时，可以重新安装TCP/IP协议。"},
};

}  // namespace

const char* ExplanationText(RepairItem item)
{
    for (const Explanation& row : Explanations) {
        if (row.item == item)
            return row.text;
    }
    return "";
}
