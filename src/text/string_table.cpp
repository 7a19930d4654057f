#include "text/string_table.h"

#include <algorithm>
#include <iterator>

#include <QTranslator>

namespace tolvane {

namespace {

struct StringEntry {
    int id;
    const char* key;
};

// The numbered string table. The //% comments are the English texts; the build turns them into
// the English catalogue, and the Japanese, French and Chinese catalogues translate the same keys.
// Id 102 does not exist.
// clang-format off
constexpr StringEntry kStrings[] = {
    //% "About this program"
    {101, QT_TRID_NOOP("tolvane-101")},
    //% "Failed to initialize Windows Socket"
    {103, QT_TRID_NOOP("tolvane-103")},
    //% "MAC Address"
    {104, QT_TRID_NOOP("tolvane-104")},
    //% "IPv4 Address"
    {105, QT_TRID_NOOP("tolvane-105")},
    //% "Port No."
    {106, QT_TRID_NOOP("tolvane-106")},
    //% "Camera Status"
    {107, QT_TRID_NOOP("tolvane-107")},
    //% "\r\n\r\nManual Network Configuration (for the camera in factory default "
    //% "settings)\r\nThe itemes below will not be configured by Manual "
    //% "etup\r\n\r\nAdministrator authentication\r\nPower Line Frequency\r\nUPnP "
    //% "configuration\r\nDynamicDNS configuration"
    {108, QT_TRID_NOOP("tolvane-108")},
    //% "\r\nAccess from the Internet"
    {109, QT_TRID_NOOP("tolvane-109")},
    //% "IPv6 Address"
    {110, QT_TRID_NOOP("tolvane-110")},
    //% "No."
    {111, QT_TRID_NOOP("tolvane-111")},
    //% "Tolvane"
    {112, QT_TRID_NOOP("tolvane-112")},
    //% "Basic Setup"
    {113, QT_TRID_NOOP("tolvane-113")},
    //% "DDNS registration"
    {114, QT_TRID_NOOP("tolvane-114")},
    //% "RESERVE"
    {115, QT_TRID_NOOP("tolvane-115")},
    //% "RESERVE"
    {116, QT_TRID_NOOP("tolvane-116")},
    //% "RESERVE"
    {117, QT_TRID_NOOP("tolvane-117")},
    //% "RESERVE"
    {118, QT_TRID_NOOP("tolvane-118")},
    //% "\r\nTolvane Wizard in progress"
    {119, QT_TRID_NOOP("tolvane-119")},
    //% "\r\nStart camera's network configuration based on this computer's network settings"
    {120, QT_TRID_NOOP("tolvane-120")},
    //% "Failed to get network settings from DHCP server\r\nClick \"YES\" to proceed network "
    //% "configuration based on this computer's network settings\r\nClick \"NO\" to continue "
    //% "Tolvane\r\n\r\n\r\n* It may not be able to complete network configuration based on "
    //% "the computer's netwrok settings depending on your computer model or other factors. "
    //% "In that case, you need to cofigure network settings manually."
    {121, QT_TRID_NOOP("tolvane-121")},
    //% "\r\nIP addresses overlapped"
    {122, QT_TRID_NOOP("tolvane-122")},
    //% "\r\nFailed to set up camera (Time out)"
    {123, QT_TRID_NOOP("tolvane-123")},
    //% "\r\nCamera setup in progress"
    {124, QT_TRID_NOOP("tolvane-124")},
    //% "\r\nFailed to set up camera"
    {125, QT_TRID_NOOP("tolvane-125")},
    //% "\r\nRestarting camera"
    {126, QT_TRID_NOOP("tolvane-126")},
    //% "\r\nCamera setup completed"
    {127, QT_TRID_NOOP("tolvane-127")},
    //% "\r\nCamera is preparing for Easy Installation.\r\nPlease wait for a while."
    {128, QT_TRID_NOOP("tolvane-128")},
    //% "Unlimited"
    {129, QT_TRID_NOOP("tolvane-129")},
    //% "10Mbps"
    {130, QT_TRID_NOOP("tolvane-130")},
    //% "5Mbps"
    {131, QT_TRID_NOOP("tolvane-131")},
    //% "3Mbps"
    {132, QT_TRID_NOOP("tolvane-132")},
    //% "2Mbps"
    {133, QT_TRID_NOOP("tolvane-133")},
    //% "1Mbps"
    {134, QT_TRID_NOOP("tolvane-134")},
    //% "0.5Mbps"
    {135, QT_TRID_NOOP("tolvane-135")},
    //% "0.3Mbps"
    {136, QT_TRID_NOOP("tolvane-136")},
    //% "0.2Mbps"
    {137, QT_TRID_NOOP("tolvane-137")},
    //% "0.1Mbps"
    {138, QT_TRID_NOOP("tolvane-138")},
    //% "0.07Mbps"
    {139, QT_TRID_NOOP("tolvane-139")},
    //% "Off-line"
    {140, QT_TRID_NOOP("tolvane-140")},
    //% "Error - DDNS registration"
    {141, QT_TRID_NOOP("tolvane-141")},
    //% "Error - Access test"
    {142, QT_TRID_NOOP("tolvane-142")},
    //% "Error - Port number refreshing"
    {143, QT_TRID_NOOP("tolvane-143")},
    //% "Error - UPnP configuration"
    {144, QT_TRID_NOOP("tolvane-144")},
    //% "Error - Netework configuration"
    {145, QT_TRID_NOOP("tolvane-145")},
    //% "Firmware version up in progress"
    {146, QT_TRID_NOOP("tolvane-146")},
    //% "Network configuration in progress"
    {147, QT_TRID_NOOP("tolvane-147")},
    //% "UPnP configuration in progress"
    {148, QT_TRID_NOOP("tolvane-148")},
    //% "Internet connection test in progress"
    {149, QT_TRID_NOOP("tolvane-149")},
    //% "DDNS registration in progress"
    {150, QT_TRID_NOOP("tolvane-150")},
    //% "Internet setup completed"
    {151, QT_TRID_NOOP("tolvane-151")},
    //% "Local setup completed"
    {152, QT_TRID_NOOP("tolvane-152")},
    //% "Error - Router connection"
    {153, QT_TRID_NOOP("tolvane-153")},
    //% "Changing configuration by user"
    {154, QT_TRID_NOOP("tolvane-154")},
    //% "Enable to access from the Internet"
    {155, QT_TRID_NOOP("tolvane-155")},
    //% "Disable to access from the Internet"
    {156, QT_TRID_NOOP("tolvane-156")},
    //% "Static IP address"
    {157, QT_TRID_NOOP("tolvane-157")},
    //% "DHCP"
    {158, QT_TRID_NOOP("tolvane-158")},
    //% "Error - Port number refreshing"
    {159, QT_TRID_NOOP("tolvane-159")},
    //% "Do you wish to re-setup the camera?"
    {160, QT_TRID_NOOP("tolvane-160")},
    //% "RESERVE"
    {161, QT_TRID_NOOP("tolvane-161")},
    //% "RESERVE"
    {162, QT_TRID_NOOP("tolvane-162")},
    //% "Camera No."
    {163, QT_TRID_NOOP("tolvane-163")},
    //% "Do you wish to change to Automatic Setup mode?"
    {164, QT_TRID_NOOP("tolvane-164")},
    //% "Network configuration in progress.\r\nPlease wait for a while."
    {165, QT_TRID_NOOP("tolvane-165")},
    //% "IP address is not assigned to this computer.\r\nPlease configure the network "
    //% "settings for this computer and restart this program again."
    {166, QT_TRID_NOOP("tolvane-166")},
    //% "Please select a desired Network Camera"
    {167, QT_TRID_NOOP("tolvane-167")},
    //% "This camera is off-line."
    {168, QT_TRID_NOOP("tolvane-168")},
    //% "This program cannot set up the Network Camera over 20 minutes after restart."
    {169, QT_TRID_NOOP("tolvane-169")},
    //% "Invalid value"
    {170, QT_TRID_NOOP("tolvane-170")},
    //% "\r\nIf you wish to allow Internet access to the camera,\r\nclick the \"Next\" "
    //% "button for advanced setup."
    {171, QT_TRID_NOOP("tolvane-171")},
    //% "Setup completed.\r\nUse the address below to access the camera.\r\n  Local Network "
    //% "Access : "
    {172, QT_TRID_NOOP("tolvane-172")},
    //% "This camera is in DHCP or Static Connection mode. \nIf you wish to change to "
    //% "Automatic Setup mode, \nclick \"Automatic Setup(Local Access Only)\" in the next "
    //% "window."
    {173, QT_TRID_NOOP("tolvane-173")},
    //% "Now setting camera for IPsec off."
    {174, QT_TRID_NOOP("tolvane-174")},
    //% "IPsec is already off."
    {175, QT_TRID_NOOP("tolvane-175")},
    //% "Illegal Mac address."
    {176, QT_TRID_NOOP("tolvane-176")},
    //% "\r\nStart camera's network configuration based on this computer's network settings. "
    //% "It may take up to 1 minute."
    {177, QT_TRID_NOOP("tolvane-177")},
    //% "ENGLISH"
    {178, QT_TRID_NOOP("tolvane-178")},
    //% "\r\nPreparing network configuration based on this computer's network settings."
    {179, QT_TRID_NOOP("tolvane-179")},
    //% "IPv4 Information"
    {180, QT_TRID_NOOP("tolvane-180")},
    //% "IPv6 Information"
    {181, QT_TRID_NOOP("tolvane-181")},
    //% "Non regist for IPv6"
    {182, QT_TRID_NOOP("tolvane-182")},
    //% "Auto"
    {183, QT_TRID_NOOP("tolvane-183")},
    //% "Static"
    {184, QT_TRID_NOOP("tolvane-184")},
    //% "Internet access"
    {185, QT_TRID_NOOP("tolvane-185")},
    //% "Local access"
    {186, QT_TRID_NOOP("tolvane-186")},
    //% "First, select \"Automatic Setup (Local Access Only)\"."
    {187, QT_TRID_NOOP("tolvane-187")},
    //% "More cameras answered than can be listed; not shown: %1. Set up the listed cameras, "
    //% "disconnect them, and start this program again to list the others."
    {188, QT_TRID_NOOP("tolvane-188")},
};
// clang-format on

const char* keyOf(int id) {
    const auto* entry = std::find_if(std::begin(kStrings), std::end(kStrings),
                                     [id](const StringEntry& e) { return e.id == id; });
    return entry == std::end(kStrings) ? nullptr : entry->key;
}

// The English catalogue, built from the comments above and embedded in the library. It answers
// whenever no installed translator knows a key, so the English texts need no set-up.
const QTranslator& englishCatalogue() {
    static const QTranslator* const catalogue = [] {
        auto* translator = new QTranslator;
        (void)translator->load(QStringLiteral(":/i18n/tolvane_strings_en.qm"));
        return translator;
    }();
    return *catalogue;
}

}  // namespace

QString uiText(int id) {
    const char* key = keyOf(id);
    if (key == nullptr) {
        return {};
    }
    QString text = qtTrId(key);
    if (text == QLatin1String(key)) {
        text = englishCatalogue().translate(nullptr, key);
    }
    return text;
}

UiLanguage uiLanguage() {
    const QString marker = uiText(178);
    if (marker == QLatin1String("JAPANESE")) {
        return UiLanguage::Japanese;
    }
    if (marker == QLatin1String("FRENCH")) {
        return UiLanguage::French;
    }
    if (marker == QLatin1String("CHINESE")) {
        return UiLanguage::Chinese;
    }
    return UiLanguage::English;
}

}  // namespace tolvane
