#pragma once

// The six repair items, one per check box of the main window.
enum class RepairItem { AutoAddress, WinsockReset, DhcpClient, DnsClient, HostsRestore, TcpIpReset };

constexpr int RepairItemCount = 6;

constexpr RepairItem AllRepairItems[RepairItemCount] = {
    RepairItem::AutoAddress, RepairItem::WinsockReset, RepairItem::DhcpClient,
    RepairItem::DnsClient,   RepairItem::HostsRestore, RepairItem::TcpIpReset,
};
