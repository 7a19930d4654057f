// SPDX-License-Identifier: GPL-3.0-or-later
#include <map>
#include <ostream>

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include "flow/discovery_session.h"
#include "protocol/camera_socket.h"
#include "rules/list_rows.h"
#include "text/string_table.h"

namespace tolvane {
namespace {

CameraRecord cameraWithStatus(std::uint16_t statusCode) {
    CameraRecord record;
    record.mac = {0x02, 0x00, 0x00, 0x12, 0x34, 0xAB};
    record.ipAddress = 0xC0A800FDu;
    record.webPort = 80;
    record.statusCode = statusCode;
    return record;
}

// The status word of every high byte; 8D is listed for networkMode 0 without the port flag.
StringId expectedStatusId(int highByte) {
    static const std::map<int, StringId> table = {
        {0x02, StringId::NetworkConfigurationInProgress},
        {0x03, StringId::NetworkConfigurationInProgress},
        {0x04, StringId::NetworkConfigurationInProgress},
        {0x05, StringId::NetworkConfigurationInProgress},
        {0x06, StringId::NetworkConfigurationInProgress},
        {0x07, StringId::UpnpConfigurationInProgress},
        {0x08, StringId::InternetConnectionTestInProgress},
        {0x09, StringId::DdnsRegistrationInProgress},
        {0x80, StringId::LocalSetupCompleted},
        {0x82, StringId::LocalSetupCompleted},
        {0x81, StringId::InternetSetupCompleted},
        {0x83, StringId::InternetSetupCompleted},
        {0x84, StringId::InternetSetupCompleted},
        {0x85, StringId::InternetSetupCompleted},
        {0x8D, StringId::InternetAccessDisabled},
        {0x8E, StringId::ChangingConfigurationByUser},
        {0x8F, StringId::FirmwareUpdateInProgress},
        {0xC0, StringId::LocalSetupCompleted},
        {0xC1, StringId::LocalSetupCompleted},
        {0xF7, StringId::ErrorDdnsRegistration},
        {0xF8, StringId::ErrorDdnsRegistration},
        {0xF9, StringId::ErrorAccessTest},
        {0xFA, StringId::ErrorAccessTest},
        {0xFB, StringId::ErrorPortNumberRefreshing},
        {0xFC, StringId::ErrorUpnpConfiguration},
        {0xFD, StringId::ErrorUpnpConfiguration},
        {0xFE, StringId::ErrorNetworkConfiguration},
        {0xFF, StringId::ErrorRouterConnection},
    };
    const auto found = table.find(highByte);
    return found == table.end() ? StringId::OffLine : found->second;
}

class StatusByHighByte : public ::testing::TestWithParam<int> {};

TEST_P(StatusByHighByte, StatusColumnIsTheWordAndTheCode) {
    const int highByte = GetParam();
    const auto statusCode = static_cast<std::uint16_t>((highByte << 8) | 0x3C);
    const RowTexts texts = rowTexts(cameraWithStatus(statusCode), 0, ListView::IPv4);
    EXPECT_EQ(texts[4], uiText(expectedStatusId(highByte)) +
                            QString::asprintf("(%4x)", unsigned{statusCode}));
}

INSTANTIATE_TEST_SUITE_P(AllHighBytes, StatusByHighByte, ::testing::Range(0, 256));

struct ConfiguredModeCase {
    std::uint16_t setupFlags;
    std::uint8_t networkMode;
    const char* word;
    friend void PrintTo(const ConfiguredModeCase& c, std::ostream* os) {
        *os << std::hex << "flags 0x" << c.setupFlags << ", mode 0x" << int{c.networkMode}
            << std::dec;
    }
};

class ConfiguredMode : public ::testing::TestWithParam<ConfiguredModeCase> {};

TEST_P(ConfiguredMode, HighByte8DShowsTheCameraMode) {
    CameraRecord record = cameraWithStatus(0x8D00);
    record.setupFlags = GetParam().setupFlags;
    record.networkMode = GetParam().networkMode;
    EXPECT_EQ(rowTexts(record, 0, ListView::IPv4)[4],
              QString::fromUtf8(GetParam().word) + QStringLiteral("(8d00)"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConfiguredMode,
    ::testing::Values(ConfiguredModeCase{0x0000, 0x80, "Enable to access from the Internet"},
                      ConfiguredModeCase{0x0000, 0x00, "Disable to access from the Internet"},
                      ConfiguredModeCase{0x0000, 0x01, "DHCP"},
                      ConfiguredModeCase{0x0000, 0x81, "DHCP"},
                      ConfiguredModeCase{0x0000, 0x02, "Static IP address"},
                      ConfiguredModeCase{0x0000, 0x03, "Static IP address"},
                      ConfiguredModeCase{0x0800, 0x80, "Error - Port number refreshing"},
                      ConfiguredModeCase{0x0800, 0x01, "Error - Port number refreshing"},
                      ConfiguredModeCase{0xF7FF, 0x01, "DHCP"}));

TEST(StatusWord, PortFlagUsesItsOwnString) {
    CameraRecord record = cameraWithStatus(0x8D00);
    record.setupFlags = 0x0800;
    EXPECT_EQ(statusStringId(record), StringId::ModeErrorPortNumberRefreshing);
    EXPECT_EQ(statusStringId(cameraWithStatus(0xFB00)), StringId::ErrorPortNumberRefreshing);
}

struct Ipv4RowCase {
    int index;
    std::uint32_t address;
    std::uint16_t port;
    std::uint16_t statusCode;
    RowTexts expected;
    friend void PrintTo(const Ipv4RowCase& c, std::ostream* os) {
        *os << "index " << c.index << ", port " << c.port << ", status 0x" << std::hex
            << c.statusCode << std::dec;
    }
};

class Ipv4Row : public ::testing::TestWithParam<Ipv4RowCase> {};

TEST_P(Ipv4Row, CellsArePaddedAsPrintfWould) {
    CameraRecord record = cameraWithStatus(GetParam().statusCode);
    record.ipAddress = GetParam().address;
    record.webPort = GetParam().port;
    EXPECT_EQ(rowTexts(record, GetParam().index, ListView::IPv4), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Ipv4Row,
    ::testing::Values(
        Ipv4RowCase{
            0,
            0xC0A800FDu,
            80,
            0xC000,
            {" 1", "02-00-00-12-34-AB", "192.168.  0.253", "   80", "Local setup completed(c000)"}},
        Ipv4RowCase{19,
                    0x0A010203u,
                    65535,
                    0x0500,
                    {"20", "02-00-00-12-34-AB", " 10.  1.  2.  3", "65535",
                     "Network configuration in progress( 500)"}},
        Ipv4RowCase{8,
                    0,
                    0,
                    0x1234,
                    {" 9", "02-00-00-12-34-AB", "  0.  0.  0.  0", "    0", "Off-line(1234)"}},
        Ipv4RowCase{9,
                    0xFFFFFFFFu,
                    8080,
                    0,
                    {"10", "02-00-00-12-34-AB", "255.255.255.255", " 8080", "Off-line(   0)"}}));

struct Ipv6RowCase {
    bool hasAddress;
    std::uint16_t port;
    std::uint8_t ipv6Mode;
    std::uint16_t statusCode;
    const char* address;
    const char* portText;
    const char* status;
    friend void PrintTo(const Ipv6RowCase& c, std::ostream* os) {
        *os << (c.hasAddress ? "address" : "no address") << ", port " << c.port << std::hex
            << ", mode 0x" << int{c.ipv6Mode} << ", status 0x" << c.statusCode << std::dec;
    }
};

class Ipv6Row : public ::testing::TestWithParam<Ipv6RowCase> {};

TEST_P(Ipv6Row, CellsOfTheIpv6View) {
    CameraRecord record = cameraWithStatus(GetParam().statusCode);
    if (GetParam().hasAddress) {
        record.ipv6Address = {0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFE, 0x12, 0x34, 0xAB};
    }
    record.ipv6Port = GetParam().port;
    record.ipv6Mode = GetParam().ipv6Mode;
    const RowTexts texts = rowTexts(record, 2, ListView::IPv6);
    EXPECT_EQ(texts[0], QStringLiteral(" 3"));
    EXPECT_EQ(texts[1], QStringLiteral("02-00-00-12-34-AB"));
    EXPECT_EQ(texts[2], QString::fromUtf8(GetParam().address));
    EXPECT_EQ(texts[3], QString::fromUtf8(GetParam().portText));
    EXPECT_EQ(texts[4], QString::fromUtf8(GetParam().status));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Ipv6Row,
    ::testing::Values(Ipv6RowCase{false, 80, 0, 0xC000, "--------------------", "-----", "-----"},
                      Ipv6RowCase{false, 80, 0, 0, "--------------------", "-----", "Off-line"},
                      Ipv6RowCase{true, 80, 0, 0, "FE80:0:0:0:0:FF:FE12:34AB", "   80", "Off-line"},
                      Ipv6RowCase{true, 443, 255, 0xC000, "FE80:0:0:0:0:FF:FE12:34AB", "  443",
                                  "Non regist for IPv6"},
                      Ipv6RowCase{true, 80, 0x00, 0xC000, "FE80:0:0:0:0:FF:FE12:34AB", "   80",
                                  "Auto/Local access"},
                      Ipv6RowCase{true, 80, 0x81, 0xC000, "FE80:0:0:0:0:FF:FE12:34AB", "   80",
                                  "Static/Internet access"},
                      Ipv6RowCase{true, 80, 0x82, 0x8D00, "FE80:0:0:0:0:FF:FE12:34AB", "   80",
                                  "Static/Internet access"},
                      Ipv6RowCase{true, 80, 0x80, 0x0100, "FE80:0:0:0:0:FF:FE12:34AB", "   80",
                                  "Auto/Internet access"}));

// The rows a view builds at a search of the discovery session show the statuses, which then
// age: a camera that does not answer again shows "Off-line" at the next search.
class RefreshRowTexts : public ::testing::Test {
protected:
    // The texts of row `index` as a view builds them at the next search.
    RowTexts atNextSearch(int index, ListView view) {
        RowTexts texts;
        session.setSearchObserver(
            [&] { texts = rowTexts(cameras.cameraTable[index], index, view); });
        do {
            session.tick(tickCount);
        } while (tickCount % DiscoverySession::kSearchEveryTicks != 2);
        return texts;
    }

    CameraTable cameras;
    DiscoverySession session{cameras, nullptr};
    std::uint32_t tickCount = 0;
};

TEST_F(RefreshRowTexts, ShowsTheStatusThenClearsIt) {
    cameras.appendCamera();
    cameras.appendCamera();
    cameras.cameraTable[1] = cameraWithStatus(0xC000);
    const RowTexts first = atNextSearch(1, ListView::IPv4);
    EXPECT_EQ(first[4], QStringLiteral("Local setup completed(c000)"));
    EXPECT_EQ(cameras.cameraTable[1].statusCode, 0);
    const RowTexts second = atNextSearch(1, ListView::IPv4);
    EXPECT_EQ(second[4], QStringLiteral("Off-line(   0)"));
}

TEST_F(RefreshRowTexts, ClearsTheStatusInTheIpv6ViewToo) {
    cameras.appendCamera();
    cameras.cameraTable[0] = cameraWithStatus(0xC000);
    EXPECT_EQ(atNextSearch(0, ListView::IPv6)[4], QStringLiteral("-----"));
    EXPECT_EQ(cameras.cameraTable[0].statusCode, 0);
}

struct ColumnCase {
    UiLanguage language;
    std::array<int, 5> ipv4Widths;
    std::array<int, 5> ipv6Widths;
    friend void PrintTo(const ColumnCase& c, std::ostream* os) {
        constexpr const char* kNames[] = {"English", "Japanese", "French", "Chinese"};
        *os << kNames[static_cast<int>(c.language)];
    }
};

class Columns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(Columns, WidthsAndTitlesPerLanguageAndView) {
    const std::array<StringId, 5> ipv4Titles{StringId::RowNumber, StringId::MacAddress,
                                             StringId::Ipv4Address, StringId::PortNumber,
                                             StringId::CameraStatus};
    const std::array<StringId, 5> ipv6Titles{StringId::RowNumber, StringId::MacAddress,
                                             StringId::Ipv6Address, StringId::PortNumber,
                                             StringId::CameraStatus};
    for (int column = 0; column < kListColumnCount; ++column) {
        const auto i = static_cast<std::size_t>(column);
        const ListColumn ipv4 = listColumn(column, ListView::IPv4, GetParam().language);
        const ListColumn ipv6 = listColumn(column, ListView::IPv6, GetParam().language);
        EXPECT_EQ(ipv4.width, GetParam().ipv4Widths[i]) << column;
        EXPECT_EQ(ipv6.width, GetParam().ipv6Widths[i]) << column;
        EXPECT_EQ(ipv4.titleStringId, ipv4Titles[i]) << column;
        EXPECT_EQ(ipv6.titleStringId, ipv6Titles[i]) << column;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Columns,
    ::testing::Values(
        ColumnCase{UiLanguage::English, {45, 125, 110, 70, 305}, {45, 125, 220, 70, 190}},
        ColumnCase{UiLanguage::French, {45, 125, 110, 90, 305}, {45, 125, 220, 90, 190}},
        ColumnCase{UiLanguage::Japanese, {30, 160, 140, 90, 340}, {30, 160, 270, 90, 190}},
        ColumnCase{UiLanguage::Chinese, {40, 130, 125, 70, 310}, {40, 130, 240, 70, 190}}));

}  // namespace
}  // namespace tolvane
