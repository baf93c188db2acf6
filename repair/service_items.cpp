#include "repair/service_items.h"

#include "repair/tool_commands.h"

// Two blanks between "Client" and the state, as on the boxes' own captions.
const ServiceItem ServiceItems[ServiceItemCount] = {
    {RepairItem::DhcpClient, DhcpServiceName, "DHCP Client  已开启", "DHCP Client  未开启"},
    {RepairItem::DnsClient, DnsServiceName, "DNS Client  已开启", "DNS Client  未开启"},
};
