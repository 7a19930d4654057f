#include "app/string_table.h"

#include <ostream>

#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}
QT_END_NAMESPACE

namespace tolvane {
namespace {

TEST(StringTableTest, EnglishTextsWithoutAnyTranslator) {
    EXPECT_EQ(uiText(101), "About this program");
    EXPECT_EQ(uiText(140), "Off-line");
    EXPECT_EQ(uiText(178), "ENGLISH");
    EXPECT_EQ(uiText(166),
              "IP address is not assigned to this computer.\r\nPlease configure the network "
              "settings for this computer and restart this program again.");
    EXPECT_EQ(uiText(173),
              "This camera is in DHCP or Static Connection mode. \nIf you wish to change to "
              "Automatic Setup mode, \nclick \"Automatic Setup(Local Access Only)\" in the next "
              "window.");
    EXPECT_EQ(uiLanguage(), UiLanguage::English);
}

TEST(StringTableTest, UnknownIdsHaveNoText) {
    EXPECT_TRUE(uiText(100).isEmpty());
    EXPECT_TRUE(uiText(102).isEmpty());
    EXPECT_TRUE(uiText(188).isEmpty());
}

}  // namespace
}  // namespace tolvane
