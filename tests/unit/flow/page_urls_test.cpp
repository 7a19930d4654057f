// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "flow/page_urls.h"

namespace tolvane {
namespace {

constexpr std::uint32_t kAddress = 0xC0A8000Au;  // 192.168.0.10

struct UrlCase {
    std::string name;
    std::function<QString(UiLanguage)> build;
    std::string english;
    std::string french;
    friend void PrintTo(const UrlCase& c, std::ostream* os) { *os << c.name; }
};

class PageUrlTest : public ::testing::TestWithParam<UrlCase> {};

TEST_P(PageUrlTest, OnlyFrenchAddsTheLanguageParameter) {
    const UrlCase& c = GetParam();
    EXPECT_EQ(c.build(UiLanguage::English).toStdString(), c.english);
    EXPECT_EQ(c.build(UiLanguage::Japanese).toStdString(), c.english);
    EXPECT_EQ(c.build(UiLanguage::Chinese).toStdString(), c.english);
    EXPECT_EQ(c.build(UiLanguage::French).toStdString(), c.french);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageUrlTest,
    ::testing::Values(
        UrlCase{"EasySetupLocal",
                [](UiLanguage l) { return easySetupPageUrl(kAddress, 80, false, l); },
                "http://192.168.0.10:80/CgiVemba?Mode=Local",
                "http://192.168.0.10:80/CgiVemba?Mode=Local&Language=7"},
        UrlCase{"EasySetupInternet",
                [](UiLanguage l) { return easySetupPageUrl(kAddress, 8080, true, l); },
                "http://192.168.0.10:8080/CgiVemba?Mode=Internet",
                "http://192.168.0.10:8080/CgiVemba?Mode=Internet&Language=7"},
        UrlCase{"EndPage", [](UiLanguage l) { return endPageUrl(0xFFFEFDFCu, 65535, l); },
                "http://255.254.253.252:65535/CgiVemba?Stat=End",
                "http://255.254.253.252:65535/CgiVemba?Stat=End&Language=7"},
        UrlCase{"NewAddressHasNoPort", [](UiLanguage l) { return newAddressPageUrl(kAddress, l); },
                "http://192.168.0.10/CgiVemba?Mode=Local",
                "http://192.168.0.10/CgiVemba?Mode=Local&Language=7"},
        UrlCase{"SetupPage", [](UiLanguage l) { return cameraSetupPageUrl(kAddress, 80, l); },
                "http://192.168.0.10:80/CgiStart?page=Setup",
                "http://192.168.0.10:80/CgiStart?page=Setup&Language=7"},
        UrlCase{"RootPage", [](UiLanguage l) { return cameraRootPageUrl(kAddress, 80, l); },
                "http://192.168.0.10:80/", "http://192.168.0.10:80/CgiStart?Language=7"},
        UrlCase{"WebPageBeforeSetUp",
                [](UiLanguage l) { return cameraWebPageUrl(kAddress, 80, false, l); },
                "http://192.168.0.10:80/CgiStart?page=Setup",
                "http://192.168.0.10:80/CgiStart?page=Setup&Language=7"},
        UrlCase{"WebPageAfterSetUp",
                [](UiLanguage l) { return cameraWebPageUrl(kAddress, 81, true, l); },
                "http://192.168.0.10:81/", "http://192.168.0.10:81/CgiStart?Language=7"}),
    [](const auto& info) { return info.param.name; });

TEST(CompletionAddressLineTest, LeavesOutPort80Only) {
    EXPECT_EQ(completionAddressLine(kAddress, 80).toStdString(), "http://192.168.0.10/\r\n");
    EXPECT_EQ(completionAddressLine(kAddress, 8080).toStdString(), "http://192.168.0.10:8080/\r\n");
}

}  // namespace
}  // namespace tolvane
