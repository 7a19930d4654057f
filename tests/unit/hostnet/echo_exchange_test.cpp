// SPDX-License-Identifier: GPL-3.0-or-later
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
constexpr std::uint32_t kTarget = 0x0A000002u;     // 10.0.0.2
constexpr std::uint32_t kNeighbour = 0x0A000003u;  // 10.0.0.3
constexpr std::uint32_t kThisPc = 0x0A000001u;     // 10.0.0.1

// What arrives for a receive.
enum class Arrival {
    ReplyToLast,      // an echo reply to the last request
    ForeignReply,     // the same reply, but from another host
    OtherProcess,     // a reply to the last request's sequence under another identifier
    LateReply,        // a reply to an earlier ping's request with the same sequence
    ErrorFromTarget,  // an ICMP error reported by the target
    ErrorFromThisPc,  // an ICMP error from this PC's own stack (resolution failed)
    Silence,          // nothing until the last request's wait is over
    Failure
};

struct Step {
    std::optional<Send> send;
    std::optional<Arrival> arrival;
};

Step Sends(Send outcome) {
    return {outcome, std::nullopt};
}
Step Gets(Arrival arrival) {
    return {std::nullopt, arrival};
}

Bytes AsReply(Bytes message, EchoShape shape) {
    message[0] = 0;
    if (shape == EchoShape::BareIcmp)
        return message;
    Bytes datagram(20, 0);
    datagram[0] = 0x45;
    datagram.insert(datagram.end(), message.begin(), message.end());
    return datagram;
}

// A channel that plays a script against a fake millisecond clock: silence lets the clock run
// through the waits, everything else takes 1 ms.
class ScriptedChannel : public EchoChannel {
public:
    ScriptedChannel(EchoShape shape, std::vector<Step> script)
        : shape_(shape), script_(script.begin(), script.end()) {}

    EchoShape Shape() const override { return shape_; }
    SendOutcome Send(std::span<const std::uint8_t> request) override {
        requests.emplace_back(request.begin(), request.end());
        sentAt_ = clock;
        const Step step = Next();
        if (!step.send)
            ADD_FAILURE() << "receive scripted, send made";
        return step.send.value_or(SendOutcome::Failed);
    }
    ReceiveOutcome Receive(std::chrono::milliseconds wait, Bytes& datagram,
                           std::uint32_t& sender) override {
        if (script_.empty() || script_.front().send) {
            ADD_FAILURE() << "send scripted, receive made";
            return ReceiveOutcome::Failed;
        }
        const Arrival arrival = *script_.front().arrival;
        if (arrival == Arrival::Silence) {
            clock += static_cast<std::uint32_t>(wait.count());
            if (clock - sentAt_ >= kEchoReplyWait.count())
                script_.pop_front();
            return ReceiveOutcome::TimedOut;
        }
        script_.pop_front();
        ++clock;
        sender = kTarget;
        Bytes message = requests.back();
        switch (arrival) {
            case Arrival::ForeignReply:
                sender = kNeighbour;
                break;
            case Arrival::OtherProcess:
                qToLittleEndian(std::uint16_t{0x0999}, message.data() + 4);
                break;
            case Arrival::LateReply:
                qToLittleEndian(qFromLittleEndian<std::uint32_t>(message.data() + 8) - 1500,
                                message.data() + 8);
                break;
            case Arrival::ErrorFromTarget:
                return ReceiveOutcome::IcmpError;
            case Arrival::ErrorFromThisPc:
                sender = kThisPc;
                return ReceiveOutcome::IcmpError;
            case Arrival::Failure:
                return ReceiveOutcome::Failed;
            default:
                break;
        }
        datagram = AsReply(message, shape_);
        return ReceiveOutcome::Datagram;
    }
    bool Finished() const { return script_.empty(); }

    std::vector<Bytes> requests;
    std::uint32_t clock = 5000;

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
    std::uint32_t sentAt_ = 0;
};

struct ExchangeCase {
    const char* name;
    EchoShape shape;
    std::vector<Step> script;
    PingOutcome expected;
    friend void PrintTo(const ExchangeCase& c, std::ostream* os) { *os << c.name; }
};

class EchoExchangeTest : public testing::TestWithParam<ExchangeCase> {};

TEST_P(EchoExchangeTest, FollowsTheScriptToItsOutcome) {
    const ExchangeCase& c = GetParam();
    ScriptedChannel channel(c.shape, c.script);
    std::ostringstream diagnostics;
    const std::optional<std::uint16_t> identifier =
        c.shape == EchoShape::WithIpHeader ? std::optional<std::uint16_t>(kOwnId) : std::nullopt;

    EXPECT_EQ(
        RunEchoExchange(
            channel, {kTarget, identifier}, [&channel] { return channel.clock; }, {}, diagnostics),
        c.expected);
    EXPECT_TRUE(channel.Finished());
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
const Step kSilence = Gets(Arrival::Silence);
const PingOutcome kReply{PingResult::EchoReplyOrImpossible};
const PingOutcome kImpossible{PingResult::EchoReplyOrImpossible};
const PingOutcome kNoAnswer{PingResult::NoAnswer};

INSTANTIATE_TEST_SUITE_P(
    Scripts, EchoExchangeTest,
    testing::Values(
        ExchangeCase{"ReplyMeansInUse",
                     EchoShape::WithIpHeader,
                     {kSent, Gets(Arrival::ReplyToLast)},
                     kReply},
        ExchangeCase{"ReplyAfterTwoSilentRequests",
                     EchoShape::WithIpHeader,
                     {kSent, kSilence, kSent, kSilence, kSent, Gets(Arrival::ReplyToLast)},
                     kReply},
        ExchangeCase{"FourSilentRequestsMeanNoAnswer",
                     EchoShape::WithIpHeader,
                     {kSent, kSilence, kSent, kSilence, kSent, kSilence, kSent, kSilence},
                     kNoAnswer},
        ExchangeCase{
            "ForeignRepliesArePassedOver",
            EchoShape::WithIpHeader,
            {kSent, Gets(Arrival::ForeignReply), Gets(Arrival::ForeignReply), kSilence, kSent,
             kSilence, kSent, kSilence, kSent, Gets(Arrival::ForeignReply), kSilence},
            kNoAnswer},
        ExchangeCase{"ReadingGoesOnPastAForeignReplyToTheRealOne",
                     EchoShape::BareIcmp,
                     {kSent, Gets(Arrival::ForeignReply), Gets(Arrival::ReplyToLast)},
                     kReply},
        ExchangeCase{"ReplyToAnotherProcessIsPassedOver",
                     EchoShape::WithIpHeader,
                     {kSent, Gets(Arrival::OtherProcess), kSilence, kSent, kSilence, kSent,
                      kSilence, kSent, kSilence},
                     kNoAnswer},
        ExchangeCase{"LateReplyToAnEarlierPingIsPassedOver",
                     EchoShape::BareIcmp,
                     {kSent, Gets(Arrival::LateReply), kSilence, kSent, kSilence, kSent, kSilence,
                      kSent, kSilence},
                     kNoAnswer},
        ExchangeCase{"LateReplyToAnEarlierRequestOfThisPingCounts",
                     EchoShape::WithIpHeader,
                     {kSent, kSilence, kSent, Gets(Arrival::ReplyToLast)},
                     kReply},
        ExchangeCase{"DatagramSocketIgnoresTheIdentifier",
                     EchoShape::BareIcmp,
                     {kSent, Gets(Arrival::OtherProcess)},
                     kReply},
        ExchangeCase{"ErrorFromTheTargetShowsAHost",
                     EchoShape::WithIpHeader,
                     {kSent, Gets(Arrival::ErrorFromTarget)},
                     {PingResult::NoAnswer, IcmpErrorOrigin::Target}},
        ExchangeCase{"ErrorFromThisPcMeansNoAnswer",
                     EchoShape::BareIcmp,
                     {kSent, Gets(Arrival::ErrorFromThisPc)},
                     {PingResult::NoAnswer, IcmpErrorOrigin::Elsewhere}},
        ExchangeCase{"ReceiveErrorMeansImpossible",
                     EchoShape::BareIcmp,
                     {kSent, Gets(Arrival::Failure)},
                     kImpossible},
        ExchangeCase{"SendTimeOutsAreResentFourTimesInAll",
                     EchoShape::WithIpHeader,
                     {kSendTimedOut, kSendTimedOut, kSendTimedOut, kSendTimedOut},
                     kImpossible},
        ExchangeCase{"SendTimeOutsCountTowardsTheFourRequests",
                     EchoShape::WithIpHeader,
                     {kSendTimedOut, kSent, kSilence, kSendTimedOut, kSent, kSilence},
                     kNoAnswer}),
    [](const testing::TestParamInfo<ExchangeCase>& info) { return std::string(info.param.name); });

// A request whose send failed is never answered: a reply echoing it is someone else's.
TEST(EchoExchangeTest, FailedSendIsFollowedByTheWaitButNotAnswered) {
    ScriptedChannel channel(EchoShape::WithIpHeader,
                            {Sends(Send::Failed), Gets(Arrival::ReplyToLast), kSilence, kSent,
                             Gets(Arrival::ReplyToLast)});
    std::ostringstream diagnostics;
    EXPECT_EQ(
        RunEchoExchange(
            channel, {kTarget, kOwnId}, [&channel] { return channel.clock; }, {}, diagnostics),
        kReply);
    EXPECT_EQ(channel.requests.size(), 2u);
}

TEST(EchoExchangeTest, WatchThatKnowsTheAnswerEndsTheWait) {
    ScriptedChannel channel(EchoShape::BareIcmp, {kSent, kSilence});
    std::ostringstream diagnostics;
    int asked = 0;
    EXPECT_EQ(RunEchoExchange(
                  channel, {kTarget, std::nullopt}, [&channel] { return channel.clock; },
                  [&asked] { return ++asked == 3; }, diagnostics),
              kNoAnswer);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(channel.clock, 5000u + 3 * kEchoWatchInterval.count());
}

TEST(EchoExchangeDiagnosticsTest, AcceptedReplyWritesOneLine) {
    ScriptedChannel channel(EchoShape::WithIpHeader, {kSent, Gets(Arrival::ReplyToLast)});
    std::ostringstream diagnostics;
    RunEchoExchange(
        channel, {kTarget, kOwnId}, [&channel] { return channel.clock; }, {}, diagnostics);
    EXPECT_EQ(diagnostics.str(), "64 bytes from 10.0.0.2: icmp_seq = 0.  time: 1 ms \n");
}

}  // namespace
}  // namespace tolvane
