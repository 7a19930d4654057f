// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/completion_message.h"

#include "flow/page_urls.h"

namespace tolvane {

QString completionMessage(const FlowHost& host, std::uint32_t address, std::uint16_t port) {
    return host.text(StringId::SetupCompletedAddress) + completionAddressLine(address, port) +
           host.text(StringId::InternetAccessNext);
}

}  // namespace tolvane
