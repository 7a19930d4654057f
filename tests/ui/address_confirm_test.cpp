// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>

#include "fake_host_fixture.h"
#include "main_dialog_fixture.h"
#include "rules/address_confirm_rule.h"
#include "text/string_table.h"
#include "ui/main/ipv4_address_edit.h"
#include "ui/prompts/address_confirm_dialog.h"
#include "ui/prompts/progress_dialog.h"

namespace tolvane {
namespace {

constexpr std::uint32_t kStoredIp = 0xC0A80164u;    // 192.168.1.100
constexpr std::uint32_t kStoredMask = 0xFFFFFF00u;  // 255.255.255.0
constexpr std::uint32_t kNewIp = 0x0A000005u;       // 10.0.0.5
constexpr std::uint32_t kNewMask = 0xFFFF0000u;     // 255.255.0.0

struct ConfirmCase {
    const char* name;
    std::uint32_t typedIp;
    std::uint32_t typedMask;
    bool accepted;
    std::uint32_t storedIp;    // setupSettings.ip afterwards, and what the address box shows
    std::uint32_t storedMask;  // likewise for the mask
    friend void PrintTo(const ConfirmCase& c, std::ostream* os) { *os << c.name; }
};

const auto kConfirmCases = ::testing::Values(
    ConfirmCase{"BothValid", kNewIp, kNewMask, true, kNewIp, kNewMask},
    ConfirmCase{"AddressZero", 0, kNewMask, false, kStoredIp, kNewMask},
    ConfirmCase{"AddressAllOnes", 0xFFFFFFFFu, kNewMask, false, kStoredIp, kNewMask},
    ConfirmCase{"MaskZero", kNewIp, 0, false, kNewIp, kStoredMask},
    ConfirmCase{"MaskAllOnes", kNewIp, 0xFFFFFFFFu, false, kNewIp, kStoredMask},
    ConfirmCase{"BothRefused", 0, 0xFFFFFFFFu, false, kStoredIp, kStoredMask});

std::string caseName(const ::testing::TestParamInfo<ConfirmCase>& info) {
    return info.param.name;
}

class ConfirmRule : public ::testing::TestWithParam<ConfirmCase> {};

TEST_P(ConfirmRule, StoresEachValidValue) {
    SetupSettings settings{kStoredIp, kStoredMask, 1, 2, 3};
    const AddressConfirmOutcome outcome =
        confirmAddressAndMask(settings, GetParam().typedIp, GetParam().typedMask);
    EXPECT_EQ(outcome.accepted, GetParam().accepted);
    EXPECT_EQ(outcome.addressRefused, GetParam().storedIp != GetParam().typedIp);
    EXPECT_EQ(outcome.maskRefused, GetParam().storedMask != GetParam().typedMask);
    EXPECT_EQ(settings, (SetupSettings{GetParam().storedIp, GetParam().storedMask, 1, 2, 3}));
}

INSTANTIATE_TEST_SUITE_P(Table, ConfirmRule, kConfirmCases, caseName);

class AddressConfirmDialogOk : public test::FakeHostFixture,
                               public ::testing::WithParamInterface<ConfirmCase> {};

TEST_P(AddressConfirmDialogOk, EndsOrComplainsAndRestoresTheRefusedBox) {
    cameras.setupSettings = {kStoredIp, kStoredMask, 0, 0, 0};
    AddressConfirmDialog dialog(host);
    EXPECT_EQ(dialog.addressField()->value(), kStoredIp);
    EXPECT_EQ(dialog.maskField()->value(), kStoredMask);
    dialog.addressField()->setValue(GetParam().typedIp);
    dialog.maskField()->setValue(GetParam().typedMask);
    dialog.show();

    dialog.accept();

    EXPECT_EQ(dialog.isVisible(), !GetParam().accepted);
    EXPECT_EQ(cameras.setupSettings.ip, GetParam().storedIp);
    EXPECT_EQ(cameras.setupSettings.mask, GetParam().storedMask);
    EXPECT_EQ(dialog.addressField()->value(), GetParam().storedIp);
    EXPECT_EQ(dialog.maskField()->value(), GetParam().storedMask);
    const QStringList expected =
        GetParam().accepted ? QStringList{} : QStringList{uiText(StringId::InvalidValue)};
    EXPECT_EQ(prompter.messageTexts(), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, AddressConfirmDialogOk, kConfirmCases, caseName);

class AddressConfirmDialogCancel : public test::MainDialogFixture {};

TEST_F(AddressConfirmDialogCancel, StopsARunningFlowAndClosesTheProgress) {
    auto main = makeMainDialog();
    main->setDialogRequest(DialogKind::Progress, true);
    main->openRequestedDialog();
    ASSERT_NE(main->progressDialog(), nullptr);
    main->context().flowState = WizardState::TestCandidate;
    main->startTimer(TimerId::Wizard, 250);
    main->cameraSocket()->setMode(SocketMode::AwaitingAck);

    AddressConfirmDialog dialog(*main);
    EXPECT_EQ(dialog.parentWidget(), main->progressDialog());
    dialog.reject();
    QCoreApplication::processEvents();

    EXPECT_EQ(main->context().flowState, WizardState::Finish);
    EXPECT_FALSE(main->timerActive(TimerId::Wizard));
    EXPECT_EQ(main->cameraSocket()->mode(), SocketMode::Discovery);
    EXPECT_EQ(main->progressDialog(), nullptr);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace tolvane
