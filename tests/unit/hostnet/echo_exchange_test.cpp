#include "hostnet/echo_exchange.h"

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <sstream>

#include <QtEndian>

namespace tolvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Send = EchoChannel::SendOutcome;
using Receive = EchoChannel::ReceiveOutcome;

constexpr std::uint16_t kOwnId = 0x0102;

// A reply to the request that was sent, with the identifier replaced.
Bytes ReplyTo(const Bytes& request, std::uint16_t identifier, EchoShape shape) {
    Bytes message = request;
    message[0] = 0;
    qToLittleEndian(identifier, message.data() + 4);
    if (shape == EchoShape::BareIcmp)
        return message;
    Bytes datagram(20, 0);
    datagram[0] = 0x45;
    datagram.insert(datagram.end(), message.begin(), message.end());
    return datagram;
}

// What the channel does next: a send outcome, or a receive outcome (a Datagram answers the
// last request with `replyIdentifier`).
struct Step {
    std::optional<Send> send;
    std::optional<Receive> receive;
    std::uint16_t replyIdentifier = kOwnId;
};

Step Sends(Send outcome) {
    return {outcome, std::nullopt};
}
Step Receives(Receive outcome, std::uint16_t id = kOwnId) {
    return {std::nullopt, outcome, id};
}

class ScriptedChannel : public EchoChannel {
public:
    ScriptedChannel(EchoShape shape, std::vector<Step> script)
        : shape_(shape), script_(script.begin(), script.end()) {}

    EchoShape Shape() const override { return shape_; }
    SendOutcome Send(std::span<const std::uint8_t> request) override {
        requests.emplace_back(request.begin(), request.end());
        const Step step = Next();
        if (!step.send)
            ADD_FAILURE() << "receive scripted, send made";
        return step.send.value_or(SendOutcome::Failed);
    }
    ReceiveOutcome Receive(Bytes& datagram, std::uint32_t& sender) override {
        ++receives;
        const Step step = Next();
        if (!step.receive)
            ADD_FAILURE() << "send scripted, receive made";
        if (step.receive == ReceiveOutcome::Datagram) {
            datagram = ReplyTo(requests.back(), step.replyIdentifier, shape_);
            sender = 0x0A000002u;
        }
        return step.receive.value_or(ReceiveOutcome::Failed);
    }
    bool Finished() const { return script_.empty(); }

    std::vector<Bytes> requests;
    int receives = 0;

private:
    Step Next() {
        if (script_.empty()) {
            ADD_FAILURE() << "script exhausted";
            return {};
        }
        const Step step = script_.front();
        script_.pop_front();
        return step;
    }

    EchoShape shape_;
    std::deque<Step> script_;
};

struct RecordingPauser : Pauser {
    std::vector<std::chrono::milliseconds> pauses;
    void Pause(std::chrono::milliseconds duration) override { pauses.push_back(duration); }
};

struct ExchangeCase {
    const char* name;
    EchoShape shape;
    std::vector<Step> script;
    PingResult expected;
    int expectedPauses;  // each of 1000 ms
    friend void PrintTo(const ExchangeCase& c, std::ostream* os) { *os << c.name; }
};

class EchoExchangeTest : public testing::TestWithParam<ExchangeCase> {};

TEST_P(EchoExchangeTest, FollowsTheScriptToItsResult) {
    const ExchangeCase& c = GetParam();
    ScriptedChannel channel(c.shape, c.script);
    RecordingPauser pauser;
    std::ostringstream diagnostics;
    const std::optional<std::uint16_t> identifier =
        c.shape == EchoShape::WithIpHeader ? std::optional<std::uint16_t>(kOwnId) : std::nullopt;
    std::uint32_t clock = 5000;

    EXPECT_EQ(RunEchoExchange(
                  channel, identifier, [&clock] { return clock++; }, pauser, diagnostics),
              c.expected);
    EXPECT_TRUE(channel.Finished());
    EXPECT_EQ(pauser.pauses,
              std::vector<std::chrono::milliseconds>(static_cast<std::size_t>(c.expectedPauses),
                                                     std::chrono::milliseconds(1000)));
    ASSERT_LE(channel.requests.size(), static_cast<std::size_t>(kMaxEchoSends));
    for (std::size_t i = 0; i < channel.requests.size(); ++i) {
        const Bytes& request = channel.requests[i];
        EXPECT_EQ(InternetChecksum(request), 0) << "request " << i;
        EXPECT_EQ(qFromLittleEndian<std::uint16_t>(request.data() + 6), i) << "sequence of " << i;
        if (identifier) {
            EXPECT_EQ(qFromLittleEndian<std::uint16_t>(request.data() + 4), kOwnId);
        }
    }
}

const Step kSent = Sends(Send::Sent);
const Step kSendTimedOut = Sends(Send::TimedOut);
const Step kSilence = Receives(Receive::TimedOut);

INSTANTIATE_TEST_SUITE_P(
    Scripts, EchoExchangeTest,
    testing::Values(
        ExchangeCase{"ReplyMeansInUseAfterAPause",
                     EchoShape::WithIpHeader,
                     {kSent, Receives(Receive::Datagram)},
                     PingResult::EchoReplyOrImpossible,
                     1},
        ExchangeCase{"ReplyAfterTwoSilentRequests",
                     EchoShape::WithIpHeader,
                     {kSent, kSilence, kSent, kSilence, kSent, Receives(Receive::Datagram)},
                     PingResult::EchoReplyOrImpossible,
                     1},
        ExchangeCase{"FourSilentRequestsMeanNoAnswer",
                     EchoShape::WithIpHeader,
                     {kSent, kSilence, kSent, kSilence, kSent, kSilence, kSent, kSilence},
                     PingResult::NoAnswer,
                     0},
        ExchangeCase{"ReplyToAnotherProcessDecidesNoAnswer",
                     EchoShape::WithIpHeader,
                     {kSent, Receives(Receive::Datagram, 0x0999)},
                     PingResult::NoAnswer,
                     0},
        ExchangeCase{"DatagramSocketIgnoresTheIdentifier",
                     EchoShape::BareIcmp,
                     {kSent, Receives(Receive::Datagram, 0x0999)},
                     PingResult::EchoReplyOrImpossible,
                     1},
        ExchangeCase{"UnreachableMeansNoAnswer",
                     EchoShape::BareIcmp,
                     {kSent, Receives(Receive::Unreachable)},
                     PingResult::NoAnswer,
                     0},
        ExchangeCase{"ReceiveErrorMeansImpossible",
                     EchoShape::BareIcmp,
                     {kSent, Receives(Receive::Failed)},
                     PingResult::EchoReplyOrImpossible,
                     0},
        ExchangeCase{"FailedSendIsFollowedByTheReceive",
                     EchoShape::WithIpHeader,
                     {Sends(Send::Failed), Receives(Receive::Datagram)},
                     PingResult::EchoReplyOrImpossible,
                     1},
        ExchangeCase{"SendTimeOutsAreResentFourTimesInAll",
                     EchoShape::WithIpHeader,
                     {kSendTimedOut, kSendTimedOut, kSendTimedOut, kSendTimedOut},
                     PingResult::EchoReplyOrImpossible,
                     0},
        ExchangeCase{"SendTimeOutsCountTowardsTheFourRequests",
                     EchoShape::WithIpHeader,
                     {kSendTimedOut, kSent, kSilence, kSendTimedOut, kSent, kSilence},
                     PingResult::NoAnswer,
                     0}),
    [](const testing::TestParamInfo<ExchangeCase>& info) { return std::string(info.param.name); });

TEST(EchoExchangeDiagnosticsTest, AcceptedReplyWritesOneLine) {
    ScriptedChannel channel(EchoShape::WithIpHeader, {kSent, Receives(Receive::Datagram)});
    RecordingPauser pauser;
    std::ostringstream diagnostics;
    std::uint32_t clock = 40;
    RunEchoExchange(
        channel, kOwnId, [&clock] { return clock += 10; }, pauser, diagnostics);
    EXPECT_EQ(diagnostics.str(), "64 bytes from 10.0.0.2: icmp_seq = 0.  time: 10 ms \n");
}

}  // namespace
}  // namespace tolvane
