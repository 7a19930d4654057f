// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/page_urls.h"

namespace tolvane {

namespace {

QString dottedAddress(std::uint32_t address) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFF)
        .arg((address >> 8) & 0xFF)
        .arg(address & 0xFF);
}

QString withPort(std::uint32_t address, std::uint16_t port) {
    return QStringLiteral("http://%1:%2/").arg(dottedAddress(address)).arg(port);
}

QString languageSuffix(UiLanguage language) {
    return language == UiLanguage::French ? QStringLiteral("&Language=7") : QString();
}

}  // namespace

QString easySetupPageUrl(std::uint32_t address, std::uint16_t port, bool internetAccess,
                         UiLanguage language) {
    const QString mode = internetAccess ? QStringLiteral("Internet") : QStringLiteral("Local");
    return withPort(address, port) + QStringLiteral("CgiVemba?Mode=") + mode +
           languageSuffix(language);
}

QString endPageUrl(std::uint32_t address, std::uint16_t port, UiLanguage language) {
    return withPort(address, port) + QStringLiteral("CgiVemba?Stat=End") + languageSuffix(language);
}

QString newAddressPageUrl(std::uint32_t address, UiLanguage language) {
    return QStringLiteral("http://%1/CgiVemba?Mode=Local").arg(dottedAddress(address)) +
           languageSuffix(language);
}

QString completionAddressLine(std::uint32_t address, std::uint16_t port) {
    if (port == 80)
        return QStringLiteral("http://%1/\r\n").arg(dottedAddress(address));
    return QStringLiteral("http://%1:%2/\r\n").arg(dottedAddress(address)).arg(port);
}

QString cameraSetupPageUrl(std::uint32_t address, std::uint16_t port, UiLanguage language) {
    return withPort(address, port) + QStringLiteral("CgiStart?page=Setup") +
           languageSuffix(language);
}

QString cameraRootPageUrl(std::uint32_t address, std::uint16_t port, UiLanguage language) {
    if (language == UiLanguage::French) {
        return withPort(address, port) + QStringLiteral("CgiStart?Language=7");
    }
    return withPort(address, port);
}

QString cameraWebPageUrl(std::uint32_t address, std::uint16_t port, bool alreadySetUp,
                         UiLanguage language) {
    return alreadySetUp ? cameraRootPageUrl(address, port, language)
                        : cameraSetupPageUrl(address, port, language);
}

}  // namespace tolvane
