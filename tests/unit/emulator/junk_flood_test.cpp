// SPDX-License-Identifier: GPL-3.0-or-later
#include "junk_flood.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>

#include "camera_profile.h"
#include "emulator_requests.h"
#include "reply_builder.h"

namespace tolvane::emulator {
namespace {

using namespace test;

constexpr MacAddress kCameraMac{0x02, 0x00, 0x5E, 0x10, 0x00, 0x01};
constexpr int kSamples = 300;

std::vector<std::uint8_t> searchReply() {
    return buildSearchReply(profileRecord(Profile::Static, kCameraMac, 0), read(searchRequest()),
                            {});
}

std::vector<std::uint8_t> setupReply() {
    return buildSetupReply(kCameraMac, read(requestTo(SetupRequest, kCameraMac, 1)), {});
}

struct KindCase {
    const char* name;
    JunkFlood::Kind kind;
    friend void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }
};

class JunkKind : public ::testing::TestWithParam<KindCase> {};

// The tool's own validation, with this PC's MAC, turns every sample down; each fits a packet.
TEST_P(JunkKind, NeverPassesTheToolsChecks) {
    JunkFlood flood(7);
    for (const std::vector<std::uint8_t>& model : {searchReply(), setupReply()}) {
        ASSERT_TRUE(ReadReply(model).valid());
        for (int i = 0; i < kSamples; ++i) {
            const std::vector<std::uint8_t> junk = flood.make(GetParam().kind, model);
            EXPECT_LE(junk.size(), PacketBuilder::kBufferSize);
            EXPECT_FALSE(ReadReply(junk).valid()) << "sample " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Emulator, JunkKind,
                         ::testing::Values(KindCase{"RandomBytes", JunkFlood::Kind::RandomBytes},
                                           KindCase{"Truncated", JunkFlood::Kind::Truncated},
                                           KindCase{"FlippedByte", JunkFlood::Kind::FlippedByte},
                                           KindCase{"ForeignPc", JunkFlood::Kind::ForeignPc}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JunkFlood, ForeignPcReplyDiffersOnlyInThePcFieldsAndChecksum) {
    JunkFlood flood(1);
    const std::vector<std::uint8_t> model = searchReply();
    const std::vector<std::uint8_t> junk = flood.make(JunkFlood::Kind::ForeignPc, model);
    ASSERT_EQ(junk.size(), model.size());
    for (std::size_t i = 0; i + 2 < model.size(); ++i) {
        if (i < kPcMacOffset || i >= kPcAddressOffset + 4) {
            EXPECT_EQ(junk[i], model[i]) << i;
        }
    }
    ReadReply read(junk);
    EXPECT_NE(read.builder.word(junk.size() - 2), ReadReply(model).builder.word(model.size() - 2));
    // Valid in every other respect: a PC with that MAC would take it.
    EXPECT_TRUE(read.builder.validate(kForeignPcMac));
}

TEST(JunkFlood, SameSeedSameDatagramsOtherSeedOthers) {
    const std::vector<std::uint8_t> model = searchReply();
    JunkFlood first(42);
    JunkFlood second(42);
    JunkFlood other(43);
    int differing = 0;
    for (int i = 0; i < 50; ++i) {
        const std::vector<std::uint8_t> a = first.next(model);
        EXPECT_EQ(a, second.next(model)) << i;
        if (a != other.next(model))
            ++differing;
    }
    EXPECT_GT(differing, 40);
}

TEST(JunkFlood, MixesAllKinds) {
    const std::vector<std::uint8_t> model = searchReply();
    JunkFlood flood(3);
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) {
        const std::vector<std::uint8_t> junk = flood.next(model);
        if (junk.size() == model.size() &&
            std::equal(kForeignPcAddress.begin(), kForeignPcAddress.end(),
                       junk.begin() + kPcAddressOffset))
            seen.insert("foreign");
        else if (junk.size() == model.size())
            seen.insert("flipped");
        else if (junk.size() < model.size() && std::equal(junk.begin(), junk.end(), model.begin()))
            seen.insert("truncated");
        else
            seen.insert("random");
    }
    EXPECT_EQ(seen.size(), 4u);
}

}  // namespace
}  // namespace tolvane::emulator
