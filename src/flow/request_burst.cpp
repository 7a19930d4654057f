#include "flow/request_burst.h"

#include "flow/flow_context.h"
#include "flow/flow_timing.h"

namespace tolvane {

namespace {

template <typename Send>
void sendBurst(FlowHost& host, Send send) {
    host.stopTimer(TimerId::Poll);
    if (host.hasSocket()) {
        for (int pauseMs : {50, 51, 52}) {
            send();
            host.pause(pauseMs);
        }
    }
    host.startTimer(TimerId::Poll, kTickPeriodMs);
}

}  // namespace

void sendSetupBurst(FlowHost& host, std::uint8_t kind) {
    sendBurst(host, [&] { host.sendSetup(kind); });
}

void sendRestartBurst(FlowHost& host) {
    sendBurst(host, [&] { host.sendRestart(); });
}

}  // namespace tolvane
