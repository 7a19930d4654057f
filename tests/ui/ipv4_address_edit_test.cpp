// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "qstring_printer.h"

#include <QLineEdit>

#include "ui/main/ipv4_address_edit.h"

namespace tolvane {
namespace {

class Ipv4AddressEditValue : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(Ipv4AddressEditValue, SetValueReadsBackInHostOrder) {
    Ipv4AddressEdit edit;
    edit.setValue(GetParam());
    EXPECT_EQ(edit.value(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Values, Ipv4AddressEditValue,
                         ::testing::Values(0u, 0xC0A800FDu, 0xFFFFFF00u, 0x0A000001u, 0xFFFFFFFFu));

TEST(Ipv4AddressEdit, ShowsTheOctetsMostSignificantFirst) {
    Ipv4AddressEdit edit;
    edit.setValue(0xC0A800FDu);
    EXPECT_EQ(edit.octetField(0)->text(), QStringLiteral("192"));
    EXPECT_EQ(edit.octetField(2)->text(), QStringLiteral("0"));
    EXPECT_EQ(edit.octetField(3)->text(), QStringLiteral("253"));
}

TEST(Ipv4AddressEdit, BlankBoxesReadAsZeroAndLargeNumbersAs255) {
    Ipv4AddressEdit edit;
    EXPECT_EQ(edit.value(), 0u);
    edit.octetField(0)->setText(QStringLiteral("10"));
    edit.octetField(3)->setText(QStringLiteral("999"));
    EXPECT_EQ(edit.value(), 0x0A0000FFu);
    edit.clear();
    EXPECT_EQ(edit.value(), 0u);
}

TEST(Ipv4AddressEdit, AcceptsOnlyUpToThreeDigits) {
    Ipv4AddressEdit edit;
    QLineEdit* box = edit.octetField(1);
    box->setFocus();
    box->insert(QStringLiteral("12a"));
    EXPECT_EQ(box->text(), QStringLiteral(""));
    box->insert(QStringLiteral("1234"));
    EXPECT_EQ(box->text(), QStringLiteral("123"));
}

TEST(Ipv4AddressEdit, DisablingDisablesEveryBox) {
    Ipv4AddressEdit edit;
    edit.setEnabled(false);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(edit.octetField(i)->isEnabled()) << i;
    }
}

}  // namespace
}  // namespace tolvane
