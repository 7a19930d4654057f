// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/no_reply_text.h"

#include "text/string_table.h"

namespace tolvane {

namespace {

QString dottedAddress(std::uint32_t address) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFFu)
        .arg((address >> 8) & 0xFFu)
        .arg(address & 0xFFu);
}

}  // namespace

QString noReplyText(const NoReplyDiagnosis& diagnosis) {
    const QString interfaceName = QString::fromStdString(diagnosis.interfaceName);
    switch (diagnosis.cause) {
        case NoReplyCause::NoConnectedInterface:
            return uiText(StringId::NoReplyNoConnectedInterface);
        case NoReplyCause::InterfaceWithoutIpv4:
            return uiText(StringId::NoReplyInterfaceWithoutIpv4).arg(interfaceName);
        case NoReplyCause::OnlyLinkLocalAddress:
            return uiText(StringId::NoReplyOnlyLinkLocalAddress)
                .arg(interfaceName, dottedAddress(diagnosis.address));
        case NoReplyCause::FirewalldRunning: {
            const QString allowance = diagnosis.profileInstalled
                                          ? QStringLiteral("--add-service=tolvane")
                                          : QStringLiteral("--add-port=10669/udp");
            return uiText(StringId::NoReplyFirewalld)
                .arg(QStringLiteral("sudo firewall-cmd ") + allowance,
                     QStringLiteral("sudo firewall-cmd --permanent ") + allowance);
        }
        case NoReplyCause::UfwEnabled:
            return uiText(StringId::NoReplyUfw)
                .arg(diagnosis.profileInstalled ? QStringLiteral("sudo ufw allow tolvane")
                                                : QStringLiteral("sudo ufw allow 10669/udp"));
        case NoReplyCause::NothingFound:
            break;
    }
    return uiText(StringId::NoReplyNothingFound);
}

}  // namespace tolvane
