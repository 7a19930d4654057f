// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/headless_flow_host.h"

#include "hostnet/host_info.h"

#include "text/string_table.h"

namespace tolvane {

HeadlessFlowHost::HeadlessFlowHost(FlowContext& context, CameraLink& link, TimerService& timers,
                                   HostInfo& hostInfo, After after, UiLanguage language)
    : context_(context),
      link_(link),
      timers_(timers),
      hostInfo_(hostInfo),
      after_(std::move(after)),
      language_(language) {}

void HeadlessFlowHost::startTimer(TimerId id, int periodMs) {
    timers_.start(id, periodMs);
}

void HeadlessFlowHost::stopTimer(TimerId id) {
    timers_.stop(id);
}

void HeadlessFlowHost::setMode(SocketMode mode) {
    link_.setMode(mode);
}

ReplyState HeadlessFlowHost::replyState() const {
    return link_.replyState();
}

void HeadlessFlowHost::sendSetup(std::uint8_t kind) {
    link_.sendSetup(kind);
}

void HeadlessFlowHost::sendRestart() {
    link_.sendRestart();
}

// The window's dialog timer opens the requested progress dialog within 100 ms; here it is open
// at once.
void HeadlessFlowHost::setDialogRequest(DialogKind kind, bool) {
    if (kind == DialogKind::Progress)
        progressOpen_ = true;
}

void HeadlessFlowHost::runAccessChoice() {
    context_.messageText = QStringLiteral("LOCAL");
}

void HeadlessFlowHost::after(int ms, std::function<void()> action) {
    after_(ms, std::move(action));
}

// No window to keep responsive: the check runs on this thread, from the event loop, so that its
// verdict still arrives after this call as the flows expect.
void HeadlessFlowHost::startAddressCheck(std::uint32_t address, std::uint32_t ownAddress) {
    const unsigned run = ++checkRun_;
    context_.addressCheck = {address, AddressCheckState::Running};
    after_(0, [this, run, address, ownAddress] {
        if (run != checkRun_)
            return;
        const bool free = hostInfo_.CheckAddressFree(address, ownAddress);
        context_.addressCheck = {address,
                                 free ? AddressCheckState::Free : AddressCheckState::InUse};
    });
}

void HeadlessFlowHost::abandonAddressCheck() {
    ++checkRun_;
    context_.addressCheck = {};
}

QString HeadlessFlowHost::text(StringId stringId) const {
    return uiText(stringId);
}

}  // namespace tolvane
