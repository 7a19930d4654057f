#include "app/cli/headless_flow_host.h"

#include "text/string_table.h"

namespace tolvane {

HeadlessFlowHost::HeadlessFlowHost(FlowContext& context, CameraLink& link, TimerService& timers,
                                   HostInfo& hostInfo, std::function<void(int)> pause,
                                   UiLanguage language)
    : context_(context),
      link_(link),
      timers_(timers),
      hostInfo_(hostInfo),
      pause_(std::move(pause)),
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

void HeadlessFlowHost::pause(int ms) {
    pause_(ms);
}

QString HeadlessFlowHost::text(StringId stringId) const {
    return uiText(stringId);
}

}  // namespace tolvane
