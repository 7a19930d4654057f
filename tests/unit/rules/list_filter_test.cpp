// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "rules/list_filter.h"

namespace tolvane {
namespace {

const RowTexts kRow{QStringLiteral(" 7"), QStringLiteral("02-00-5E-10-00-AB"),
                    QStringLiteral("192.168.  0.253"), QStringLiteral(" 8080"),
                    QStringLiteral("Local setup completed(c100)")};
const QString kInterface = QStringLiteral("eth1");

struct FilterCase {
    const char* name;
    const char* typed;
    bool kept;
};

void PrintTo(const FilterCase& c, std::ostream* out) {
    *out << c.name;
}

class ListFilterRule : public ::testing::TestWithParam<FilterCase> {};

TEST_P(ListFilterRule, KeepsTheRowWhenAFieldContainsTheTypedText) {
    EXPECT_EQ(rowMatchesFilter(kRow, kInterface, QString::fromUtf8(GetParam().typed)),
              GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListFilterRule,
    ::testing::Values(FilterCase{"Empty", "", true}, FilterCase{"OnlyBlanks", "   ", true},
                      FilterCase{"MacAsShown", "02-00-5E-10-00-AB", true},
                      FilterCase{"MacInLowerCase", "5e-10", true},
                      FilterCase{"MacWithColons", "02:00:5e:10", true},
                      FilterCase{"MacWithoutSeparators", "02005E1000ab", true},
                      FilterCase{"MacDigitsAcrossASeparator", "0ab", true},
                      FilterCase{"OtherMac", "02:00:5e:10:00:ac", false},
                      FilterCase{"AddressWithoutTheAligningBlanks", "192.168.0.253", true},
                      FilterCase{"AddressAsShown", "168.  0.2", true},
                      FilterCase{"PartOfTheAddress", "0.253", true},
                      FilterCase{"OtherAddress", "192.168.0.254", false},
                      FilterCase{"Port", "8080", true},
                      FilterCase{"PortWithBlanksAround", " 8080 ", true},
                      FilterCase{"StatusWord", "setup completed", true},
                      FilterCase{"StatusCode", "c100", true}, FilterCase{"Interface", "ETH1", true},
                      FilterCase{"TheNumberIsNoFilterField", " 7", false},
                      FilterCase{"NothingLikeIt", "lobby", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvane
