// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/string_table.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "qstring_printer.h"
#include "text/language_setup.h"

namespace tolvane {
namespace {

TEST(StringTableTest, EnglishTextsWithoutAnyTranslator) {
    EXPECT_EQ(uiText(StringId::AboutThisProgram), "About this program");
    EXPECT_EQ(uiText(StringId::OffLine), "Off-line");
    EXPECT_EQ(uiText(StringId::LanguageMarker), "ENGLISH");
    EXPECT_EQ(uiText(StringId::ManualSetupNotice),
              "\r\n\r\nManual Network Configuration (for the camera in factory default "
              "settings)\r\nThe itemes below will not be configured by Manual etup\r\n\r\n"
              "Administrator authentication\r\nPower Line Frequency\r\nUPnP configuration\r\n"
              "DynamicDNS configuration");
    EXPECT_TRUE(
        uiText(StringId::DhcpFailedUsePcSettings)
            .startsWith(
                "Failed to get network settings from DHCP server\r\nClick \"YES\" to proceed"));
    EXPECT_EQ(uiText(StringId::SetupCompletedAddress),
              "Setup completed.\r\nUse the address below to access the camera.\r\n  Local "
              "Network Access : ");
    EXPECT_EQ(uiText(StringId::CameraInDhcpOrStaticMode),
              "This camera is in DHCP or Static Connection mode. \nIf you wish to change to "
              "Automatic Setup mode, \nclick \"Automatic Setup(Local Access Only)\" in the next "
              "window.");
    EXPECT_EQ(uiText(StringId::SelectAutomaticSetupFirst),
              "First, select \"Automatic Setup (Local Access Only)\".");
    EXPECT_EQ(uiLanguage(), UiLanguage::English);
}

TEST(StringTableTest, EveryIdHasTextAndOnlyThose) {
    const std::vector<StringId> ids = allStringIds();
    // 101 to 195, then the command-line set-up's texts from 301 on, the command line's own
    // from 520 on.
    const auto exists = [](int number) {
        return (number >= 101 && number <= 195 && number != 102) ||
               (number >= 301 && number <= 356) || (number >= 520 && number <= 562);
    };
    for (int number = 100; number <= 900; ++number) {
        const auto id = static_cast<StringId>(number);
        const bool listed = std::find(ids.begin(), ids.end(), id) != ids.end();
        EXPECT_EQ(listed, exists(number)) << number;
        EXPECT_EQ(uiText(id).isEmpty(), !exists(number)) << number;
    }
    EXPECT_EQ(ids.size(), 94u + 56u + 43u);
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
    for (int number : {100, 196, 300, 357, 519, 563, -1})
        EXPECT_TRUE(uiText(static_cast<StringId>(number)).isEmpty()) << number;
}

// A string table whose language marker (string 178) reads `marker`.
class MarkerTranslator : public QTranslator {
public:
    explicit MarkerTranslator(QString marker) : marker_(std::move(marker)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* sourceText, const char*, int) const override {
        return qstrcmp(sourceText, "tolvane-178") == 0 ? marker_ : QString();
    }

private:
    QString marker_;
};

struct MarkerCase {
    const char* marker;
    UiLanguage language;
    friend void PrintTo(const MarkerCase& c, std::ostream* os) {
        *os << testing::PrintToString(std::string(c.marker));
    }
};

class LanguageMarkerTest : public testing::TestWithParam<MarkerCase> {};

TEST_P(LanguageMarkerTest, MarkerComparedExactly) {
    MarkerTranslator translator(QString::fromLatin1(GetParam().marker));
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(uiLanguage(), GetParam().language);
    QCoreApplication::removeTranslator(&translator);
    // Read afresh at every call: without the table the language is English again.
    EXPECT_EQ(uiLanguage(), UiLanguage::English);
}

INSTANTIATE_TEST_SUITE_P(Markers, LanguageMarkerTest,
                         testing::Values(MarkerCase{"JAPANESE", UiLanguage::Japanese},
                                         MarkerCase{"FRENCH", UiLanguage::French},
                                         MarkerCase{"CHINESE", UiLanguage::Chinese},
                                         MarkerCase{"ENGLISH", UiLanguage::English},
                                         MarkerCase{"GERMAN", UiLanguage::English},
                                         MarkerCase{"french", UiLanguage::English},
                                         MarkerCase{"FRENCH ", UiLanguage::English},
                                         MarkerCase{"JAPANESE\r\n", UiLanguage::English},
                                         MarkerCase{"CHINESE_SIMPLIFIED", UiLanguage::English}));

}  // namespace
}  // namespace tolvane
