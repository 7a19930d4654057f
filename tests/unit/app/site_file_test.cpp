// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/site_file.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "app/cli/camera_listing.h"
#include "camera/camera_table.h"
#include "protocol/camera_socket.h"
#include "qstring_printer.h"
#include "text/language_setup.h"

namespace tolvane {
namespace {

const char* const kHeader = "mac,mode,address,gateway,dns1,dns2,port,name\n";

const CameraJob& jobOf(const SiteLine& line) {
    static const CameraJob none;
    const CameraJob* job = std::get_if<CameraJob>(&line.job);
    EXPECT_TRUE(job) << std::get<InputError>(line.job).text().toStdString();
    return job ? *job : none;
}

SiteFile parsed(const std::string& text) {
    auto result = parseSiteFile(QString::fromStdString(text));
    if (const InputError* error = std::get_if<InputError>(&result)) {
        ADD_FAILURE() << error->text().toStdString();
        return {};
    }
    return std::get<SiteFile>(result);
}

TEST(SiteFileTest, EveryColumnAndBlankCells) {
    const SiteFile file = parsed(std::string(kHeader) +
                                 "02:00:5E:10:00:01,static,10.77.0.150/24,10.77.0.1,10.77.0.53,"
                                 "10.77.0.54,8080,lobby\n"
                                 "02-00-5E-10-00-02,dhcp,,,,,,\n"
                                 "02005E100003,,,,1.1.1.1,,,\n");
    ASSERT_EQ(file.lines.size(), 3u);

    const CameraJob& first = jobOf(file.lines[0]);
    EXPECT_EQ(first.line, 2);
    EXPECT_EQ(first.mac, (MacAddress{0x02, 0x00, 0x5E, 0x10, 0x00, 0x01}));
    EXPECT_EQ(first.changes.addressing, Addressing::Static);
    EXPECT_EQ(first.changes.address, 0x0A4D0096u);
    EXPECT_EQ(first.changes.mask, 0xFFFFFF00u);
    EXPECT_EQ(first.changes.gateway, 0x0A4D0001u);
    EXPECT_EQ(first.changes.dns1, 0x0A4D0035u);
    EXPECT_EQ(first.changes.dns2, 0x0A4D0036u);
    EXPECT_EQ(first.changes.port, 8080);
    EXPECT_EQ(first.changes.name, QStringLiteral("lobby"));

    SetupChanges dhcp;
    dhcp.addressing = Addressing::Dhcp;
    EXPECT_EQ(jobOf(file.lines[1]).changes, dhcp);
    SetupChanges dnsOnly;
    dnsOnly.dns1 = 0x01010101u;
    EXPECT_EQ(jobOf(file.lines[2]).changes, dnsOnly);
    EXPECT_EQ(jobOf(file.lines[2]).line, 4);
}

TEST(SiteFileTest, ColumnsInAnyOrderQuotesBlankLinesAndCarriageReturns) {
    const SiteFile file = parsed(
        "\xEF\xBB\xBF"
        "name , mac,address\r\n"
        "\r\n"
        "\"gate, north\",02005E100001 , 10.0.0.5/8\r\n"
        ",,\n"
        "\"say \"\"hi\"\"\",02005E100002,\n");
    ASSERT_EQ(file.lines.size(), 2u);
    EXPECT_EQ(file.columns, (QStringList{"name", "mac", "address"}));
    const CameraJob& first = jobOf(file.lines[0]);
    EXPECT_EQ(first.line, 3);
    EXPECT_EQ(first.changes.name, QStringLiteral("gate, north"));
    EXPECT_EQ(first.changes.addressing, Addressing::Static);
    const CameraJob& second = jobOf(file.lines[1]);
    EXPECT_EQ(second.line, 5);
    EXPECT_EQ(second.changes.name, QStringLiteral("say \"hi\""));
    EXPECT_EQ(second.changes.addressing, Addressing::Keep);
}

TEST(SiteFileTest, TheListingsOwnCsvReadsBackUnchanged) {
    CameraTable cameras;
    cameras.appendCamera();
    cameras.appendCamera();
    CameraRecord& fixed = cameras.cameraTable[0];
    fixed.mac = {0x02, 0x00, 0x5E, 0x10, 0x00, 0x01};
    fixed.networkMode = 0x02;
    fixed.ipAddress = 0x0A4D0065u;
    fixed.subnetMask = 0xFFFFFF00u;
    fixed.gateway = 0x0A4D0001u;
    fixed.webPort = 8080;
    std::memcpy(fixed.cameraName.data(), "a,b", 3);
    CameraRecord& dhcp = cameras.cameraTable[1];
    dhcp.mac = {0x02, 0x00, 0x5E, 0x10, 0x00, 0x02};
    dhcp.networkMode = 0x01;
    dhcp.ipAddress = 0x0A4D0066u;
    dhcp.gateway = 0x0A4D0001u;

    DiscoverySession offline(cameras, nullptr);
    const QString csv = CameraListing(cameras, offline, 1).csvOutput();
    EXPECT_TRUE(csv.startsWith(QLatin1String(kHeader).chopped(1) +
                               QLatin1String(",number,status,interface,")))
        << csv.toStdString();
    const SiteFile file = parsed(csv.toStdString());
    ASSERT_EQ(file.lines.size(), 2u);
    const CameraJob& first = jobOf(file.lines[0]);
    EXPECT_EQ(first.mac, fixed.mac);
    EXPECT_EQ(first.changes.addressing, Addressing::Static);
    EXPECT_EQ(first.changes.address, fixed.ipAddress);
    EXPECT_EQ(first.changes.mask, fixed.subnetMask);
    EXPECT_EQ(first.changes.gateway, fixed.gateway);
    EXPECT_EQ(first.changes.port, 8080);
    EXPECT_EQ(first.changes.name, QStringLiteral("a,b"));
    // A DHCP camera's addresses come from its server: written as blank, they stay so.
    const CameraJob& second = jobOf(file.lines[1]);
    EXPECT_EQ(second.changes.addressing, Addressing::Dhcp);
    EXPECT_FALSE(second.changes.address);
    EXPECT_FALSE(second.changes.gateway);
}

struct BadLine {
    std::string text;  // the lines after the standard header
    int line;
    const char* where;     // "line L, column C (name)"
    const char* mentions;  // part of the message
    friend void PrintTo(const BadLine& c, std::ostream* os) { *os << c.text; }
};

class BadSiteLineTest : public testing::TestWithParam<BadLine> {};

// A bad line is reported with its line and column; the good lines around it stay usable.
TEST_P(BadSiteLineTest, NamesLineAndColumn) {
    const SiteFile file =
        parsed(std::string(kHeader) + "02:00:5E:10:00:09,,,,,,,\n" + GetParam().text);
    ASSERT_EQ(file.lines.size(), 2u);
    jobOf(file.lines[0]);
    const SiteLine& bad = file.lines[1];
    EXPECT_EQ(bad.line, GetParam().line);
    const InputError* error = std::get_if<InputError>(&bad.job);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->where, QString::fromUtf8(GetParam().where));
    EXPECT_TRUE(error->message.contains(QString::fromUtf8(GetParam().mentions)))
        << error->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSiteLineTest,
    testing::Values(
        BadLine{"02:00:5E:10:00,,,,,,,\n", 3, "line 3, column 1 (mac)", "'02:00:5E:10:00'"},
        BadLine{",static,,,,,,\n", 3, "line 3, column 1 (mac)", "''"},
        BadLine{"02005E100001,fixed,,,,,,\n", 3, "line 3, column 2 (mode)", "'fixed'"},
        BadLine{"02005E100001,,10.0.0.1,,,,,\n", 3, "line 3, column 3 (address)", "PREFIX"},
        BadLine{"02005E100001,dhcp,10.0.0.1/8,,,,,\n", 3, "line 3, column 3 (address)", "dhcp"},
        BadLine{"02005E100001,,,10.0.0,,,,\n", 3, "line 3, column 4 (gateway)", "'10.0.0'"},
        BadLine{"02005E100001,,,,x,,,\n", 3, "line 3, column 5 (dns1)", "'x'"},
        BadLine{"02005E100001,,,,,1.2.3.4.5,,\n", 3, "line 3, column 6 (dns2)", "1.2.3.4.5"},
        BadLine{"02005E100001,,,,,,http,\n", 3, "line 3, column 7 (port)", "'http'"},
        BadLine{"\n02005E100001,,,,,,99999,\n", 4, "line 4, column 7 (port)", "99999"},
        BadLine{"02005E100001,,,,,\n", 3, "line 3, column 7 (port)", "6"},
        BadLine{"02005E100001,,,,,,,,\n", 3, "line 3, column 9", "9"},
        BadLine{"02005E100001,,,,,,,\"open\n", 3, "line 3, column 8 (name)", "quote"},
        BadLine{"02-00-5e-10-00-09,,,,,,,\n", 3, "line 3, column 1 (mac)", "line 2"}));

TEST(SiteFileTest, DuplicateAddressRefusedOnTheLaterLine) {
    const SiteFile file = parsed(std::string(kHeader) +
                                 "02005E100001,,10.0.0.5/8,,,,,\n"
                                 "02005E100002,,10.0.0.6/8,,,,,\n"
                                 "02005E100003,,10.0.0.5/8,,,,,\n");
    ASSERT_EQ(file.lines.size(), 3u);
    jobOf(file.lines[0]);
    jobOf(file.lines[1]);
    const InputError* error = std::get_if<InputError>(&file.lines[2].job);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->where, "line 4, column 3 (address)");
    EXPECT_TRUE(error->message.contains(QLatin1String("line 2")));
}

struct PlaceCase {
    UiLanguage language;
    const char* start;  // of the error's text: the place of a cell beyond the header, joined
    friend void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.start; }
};

class LocalisedPlaceTest : public testing::TestWithParam<PlaceCase> {
protected:
    void TearDown() override { ASSERT_TRUE(installLanguage(UiLanguage::English)); }
};

// Each language joins the place and the message its own way (French with a no-break space
// before the colon), and a cell beyond the header's columns has a place without a name.
TEST_P(LocalisedPlaceTest, PlaceJoinedToTheMessage) {
    ASSERT_TRUE(installLanguage(GetParam().language));
    const SiteFile file = parsed(std::string(kHeader) + "02005E100001,,,,,,,,\n");
    ASSERT_EQ(file.lines.size(), 1u);
    const InputError* error = std::get_if<InputError>(&file.lines[0].job);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->text().startsWith(QString::fromUtf8(GetParam().start)))
        << error->text().toStdString();
    EXPECT_FALSE(error->text().contains(QLatin1String("()"))) << error->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LocalisedPlaceTest,
    testing::Values(PlaceCase{UiLanguage::English, "line 2, column 9: 9 cells where"},
                    PlaceCase{UiLanguage::Japanese, "2 行目、9 列目："},
                    PlaceCase{UiLanguage::French, "ligne 2, colonne 9\u00a0: cellules"},
                    PlaceCase{UiLanguage::Chinese, "第 2 行，第 9 列：此行有 9 个单元格"}));

struct BadFile {
    std::string text;
    const char* where;
    const char* mentions;
    friend void PrintTo(const BadFile& c, std::ostream* os) { *os << c.text; }
};

class BadSiteFileTest : public testing::TestWithParam<BadFile> {};

TEST_P(BadSiteFileTest, HeaderIsLineOne) {
    const auto result = parseSiteFile(QString::fromStdString(GetParam().text));
    ASSERT_TRUE(std::holds_alternative<InputError>(result));
    const InputError& error = std::get<InputError>(result);
    EXPECT_EQ(error.where, QString::fromUtf8(GetParam().where));
    EXPECT_TRUE(error.message.contains(QString::fromUtf8(GetParam().mentions)))
        << error.text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSiteFileTest,
    testing::Values(BadFile{"", "line 1, column 1 (mac)", "'mac'"},
                    BadFile{"mode,address\n,\n", "line 1, column 1 (mac)", "'mac'"},
                    BadFile{"mac,adress\n", "line 1, column 2 (adress)", "mac, mode, address"},
                    BadFile{"mac,port,port\n", "line 1, column 3 (port)", "twice"},
                    BadFile{"mac,\"port\n", "line 1, column 2", "quote"},
                    BadFile{std::string(kHeader), "line 2, column 1 (mac)", "no camera"},
                    BadFile{std::string(kHeader) + "\n,,,,,,,\n", "line 2, column 1 (mac)",
                            "no camera"}));

}  // namespace
}  // namespace tolvane
