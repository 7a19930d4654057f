// SPDX-License-Identifier: GPL-3.0-or-later
// The camera list of the shown main window holds every status word of the language, each in a
// row of its own, and every cell text and column title fits its column without a horizontal
// scroll bar. Fonts follow fontconfig's language, read once per process: CTest runs each
// language in its own process with FC_LANG set as the program sets it (CMakeLists.txt).
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

#include "camera/camera_codes.h"
#include "main_dialog_fixture.h"
#include "qstring_printer.h"
#include "text/language_setup.h"
#include "ui/main/camera_list.h"

namespace tolvane::test {
namespace {

// One record per status word of the IPv4 view: twenty, more than the list shows at once, so the
// list also carries its vertical scroll bar.
struct StatusRecord {
    std::uint16_t statusCode;
    std::uint8_t networkMode;
    std::uint16_t setupFlags;
};

constexpr StatusRecord kEveryStatusWord[] = {
    {0x0000, kFactoryMode, 0},
    {0x0200, kFactoryMode, 0},
    {0x0700, kFactoryMode, 0},
    {0x0800, kFactoryMode, 0},
    {0x0900, kFactoryMode, 0},
    {0x8000, kFactoryMode, 0},
    {0x8100, kFactoryMode, 0},
    {0x8D00, kFactoryMode, kPortRefreshErrorFlag},
    {0x8D00, kAutomaticAddressing | kInternetAccessBit, 0},
    {0x8D00, kAutomaticAddressing, 0},
    {0x8D00, kDhcpAddressing, 0},
    {0x8D00, 0x02, 0},
    {0x8E00, kFactoryMode, 0},
    {0x8F00, kFactoryMode, 0},
    {0xF700, kFactoryMode, 0},
    {0xF900, kFactoryMode, 0},
    {0xFB00, kFactoryMode, 0},
    {0xFC00, kFactoryMode, 0},
    {0xFE00, kFactoryMode, 0},
    {0xFF00, kFactoryMode, 0},
};

class ListFit : public MainDialogFixture, public ::testing::WithParamInterface<UiLanguage> {
protected:
    void SetUp() override {
        MainDialogFixture::SetUp();
        ASSERT_TRUE(installLanguage(GetParam()));
    }
    void TearDown() override {
        installLanguage(UiLanguage::English);
        MainDialogFixture::TearDown();
    }
};

TEST_P(ListFit, EveryStatusWordAndTitleFitsItsColumnWithoutAHorizontalScrollBar) {
    auto main = makeMainDialog();
    for (const StatusRecord& status : kEveryStatusWord) {
        CameraRecord& record = addCamera(status.statusCode);
        record.networkMode = status.networkMode;
        record.setupFlags = status.setupFlags;
    }
    pollUntilRebuild(*main);
    main->show();
    QApplication::processEvents();

    CameraList& list = *main->cameraList();
    ASSERT_EQ(list.topLevelItemCount(), static_cast<int>(std::size(kEveryStatusWord)));
    EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0)
        << "the columns are " << list.horizontalScrollBar()->maximum()
        << " px wider than the list's view";

    // The item views draw a cell's text between margins of the focus frame's margin plus one.
    const int textMargin =
        2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
    const QFontMetrics metrics = list.fontMetrics();
    for (int column = 0; column < kListColumnCount; ++column) {
        const int width = list.columnWidth(column);
        EXPECT_LE(list.header()->sectionSizeHint(column), width)
            << "title of column " << column << ": "
            << list.headerItem()->text(column).toStdString();
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            const QString text = list.topLevelItem(row)->text(column);
            EXPECT_LE(metrics.horizontalAdvance(text) + textMargin, width)
                << "row " << row << ", column " << column << ": " << text.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(, ListFit,
                         ::testing::Values(UiLanguage::English, UiLanguage::Japanese,
                                           UiLanguage::French, UiLanguage::Chinese),
                         [](const ::testing::TestParamInfo<UiLanguage>& info) {
                             return languageCode(info.param).toStdString();
                         });

}  // namespace
}  // namespace tolvane::test
