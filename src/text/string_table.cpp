// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/string_table.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include <QTranslator>

namespace tolvane {

namespace {

struct StringEntry {
    StringId id;
    const char* key;
};

// The numbered string table. The //% comments are the English texts; the build turns them into
// the English catalogue, and the Japanese, French and Chinese catalogues translate the same keys.
// Id 102 does not exist.
// clang-format off
constexpr StringEntry kStrings[] = {
    //% "About this program"
    {StringId::AboutThisProgram, QT_TRID_NOOP("tolvane-101")},
    //% "Failed to initialize Windows Socket"
    {StringId::SocketStartFailed, QT_TRID_NOOP("tolvane-103")},
    //% "MAC Address"
    {StringId::MacAddress, QT_TRID_NOOP("tolvane-104")},
    //% "IPv4 Address"
    {StringId::Ipv4Address, QT_TRID_NOOP("tolvane-105")},
    //% "Port No."
    {StringId::PortNumber, QT_TRID_NOOP("tolvane-106")},
    //% "Camera Status"
    {StringId::CameraStatus, QT_TRID_NOOP("tolvane-107")},
    //% "\r\n\r\nManual Network Configuration (for the camera in factory default "
    //% "settings)\r\nThe itemes below will not be configured by Manual "
    //% "etup\r\n\r\nAdministrator authentication\r\nPower Line Frequency\r\nUPnP "
    //% "configuration\r\nDynamicDNS configuration"
    {StringId::ManualSetupNotice, QT_TRID_NOOP("tolvane-108")},
    //% "\r\nAccess from the Internet"
    {StringId::AccessFromInternet, QT_TRID_NOOP("tolvane-109")},
    //% "IPv6 Address"
    {StringId::Ipv6Address, QT_TRID_NOOP("tolvane-110")},
    //% "No."
    {StringId::RowNumber, QT_TRID_NOOP("tolvane-111")},
    //% "Tolvane"
    {StringId::ProgramName, QT_TRID_NOOP("tolvane-112")},
    //% "Basic Setup"
    {StringId::BasicSetup, QT_TRID_NOOP("tolvane-113")},
    //% "DDNS registration"
    {StringId::DdnsRegistration, QT_TRID_NOOP("tolvane-114")},
    //% "RESERVE"
    {StringId::Reserve115, QT_TRID_NOOP("tolvane-115")},
    //% "RESERVE"
    {StringId::Reserve116, QT_TRID_NOOP("tolvane-116")},
    //% "RESERVE"
    {StringId::Reserve117, QT_TRID_NOOP("tolvane-117")},
    //% "RESERVE"
    {StringId::Reserve118, QT_TRID_NOOP("tolvane-118")},
    //% "\r\nTolvane Wizard in progress"
    {StringId::WizardInProgress, QT_TRID_NOOP("tolvane-119")},
    //% "\r\nStart camera's network configuration based on this computer's network settings"
    {StringId::StartNetworkConfiguration, QT_TRID_NOOP("tolvane-120")},
    //% "Failed to get network settings from DHCP server\r\nClick \"YES\" to proceed network "
    //% "configuration based on this computer's network settings\r\nClick \"NO\" to continue "
    //% "Tolvane\r\n\r\n\r\n* It may not be able to complete network configuration based on "
    //% "the computer's netwrok settings depending on your computer model or other factors. "
    //% "In that case, you need to cofigure network settings manually."
    {StringId::DhcpFailedUsePcSettings, QT_TRID_NOOP("tolvane-121")},
    //% "\r\nIP addresses overlapped"
    {StringId::AddressesOverlapped, QT_TRID_NOOP("tolvane-122")},
    //% "\r\nFailed to set up camera (Time out)"
    {StringId::SetupTimedOut, QT_TRID_NOOP("tolvane-123")},
    //% "\r\nCamera setup in progress"
    {StringId::SetupInProgress, QT_TRID_NOOP("tolvane-124")},
    //% "\r\nFailed to set up camera"
    {StringId::SetupFailed, QT_TRID_NOOP("tolvane-125")},
    //% "\r\nRestarting camera"
    {StringId::RestartingCamera, QT_TRID_NOOP("tolvane-126")},
    //% "\r\nCamera setup completed"
    {StringId::SetupCompleted, QT_TRID_NOOP("tolvane-127")},
    //% "\r\nCamera is preparing for Easy Installation.\r\nPlease wait for a while."
    {StringId::PreparingEasyInstallation, QT_TRID_NOOP("tolvane-128")},
    //% "Unlimited"
    {StringId::BandwidthUnlimited, QT_TRID_NOOP("tolvane-129")},
    //% "10Mbps"
    {StringId::Bandwidth10Mbps, QT_TRID_NOOP("tolvane-130")},
    //% "5Mbps"
    {StringId::Bandwidth5Mbps, QT_TRID_NOOP("tolvane-131")},
    //% "3Mbps"
    {StringId::Bandwidth3Mbps, QT_TRID_NOOP("tolvane-132")},
    //% "2Mbps"
    {StringId::Bandwidth2Mbps, QT_TRID_NOOP("tolvane-133")},
    //% "1Mbps"
    {StringId::Bandwidth1Mbps, QT_TRID_NOOP("tolvane-134")},
    //% "0.5Mbps"
    {StringId::Bandwidth0_5Mbps, QT_TRID_NOOP("tolvane-135")},
    //% "0.3Mbps"
    {StringId::Bandwidth0_3Mbps, QT_TRID_NOOP("tolvane-136")},
    //% "0.2Mbps"
    {StringId::Bandwidth0_2Mbps, QT_TRID_NOOP("tolvane-137")},
    //% "0.1Mbps"
    {StringId::Bandwidth0_1Mbps, QT_TRID_NOOP("tolvane-138")},
    //% "0.07Mbps"
    {StringId::Bandwidth0_07Mbps, QT_TRID_NOOP("tolvane-139")},
    //% "Off-line"
    {StringId::OffLine, QT_TRID_NOOP("tolvane-140")},
    //% "Error - DDNS registration"
    {StringId::ErrorDdnsRegistration, QT_TRID_NOOP("tolvane-141")},
    //% "Error - Access test"
    {StringId::ErrorAccessTest, QT_TRID_NOOP("tolvane-142")},
    //% "Error - Port number refreshing"
    {StringId::ErrorPortNumberRefreshing, QT_TRID_NOOP("tolvane-143")},
    //% "Error - UPnP configuration"
    {StringId::ErrorUpnpConfiguration, QT_TRID_NOOP("tolvane-144")},
    //% "Error - Netework configuration"
    {StringId::ErrorNetworkConfiguration, QT_TRID_NOOP("tolvane-145")},
    //% "Firmware version up in progress"
    {StringId::FirmwareUpdateInProgress, QT_TRID_NOOP("tolvane-146")},
    //% "Network configuration in progress"
    {StringId::NetworkConfigurationInProgress, QT_TRID_NOOP("tolvane-147")},
    //% "UPnP configuration in progress"
    {StringId::UpnpConfigurationInProgress, QT_TRID_NOOP("tolvane-148")},
    //% "Internet connection test in progress"
    {StringId::InternetConnectionTestInProgress, QT_TRID_NOOP("tolvane-149")},
    //% "DDNS registration in progress"
    {StringId::DdnsRegistrationInProgress, QT_TRID_NOOP("tolvane-150")},
    //% "Internet setup completed"
    {StringId::InternetSetupCompleted, QT_TRID_NOOP("tolvane-151")},
    //% "Local setup completed"
    {StringId::LocalSetupCompleted, QT_TRID_NOOP("tolvane-152")},
    //% "Error - Router connection"
    {StringId::ErrorRouterConnection, QT_TRID_NOOP("tolvane-153")},
    //% "Changing configuration by user"
    {StringId::ChangingConfigurationByUser, QT_TRID_NOOP("tolvane-154")},
    //% "Enable to access from the Internet"
    {StringId::InternetAccessEnabled, QT_TRID_NOOP("tolvane-155")},
    //% "Disable to access from the Internet"
    {StringId::InternetAccessDisabled, QT_TRID_NOOP("tolvane-156")},
    //% "Static IP address"
    {StringId::StaticIpAddress, QT_TRID_NOOP("tolvane-157")},
    //% "DHCP"
    {StringId::Dhcp, QT_TRID_NOOP("tolvane-158")},
    //% "Error - Port number refreshing"
    {StringId::ModeErrorPortNumberRefreshing, QT_TRID_NOOP("tolvane-159")},
    //% "Do you wish to re-setup the camera?"
    {StringId::AskResetup, QT_TRID_NOOP("tolvane-160")},
    //% "RESERVE"
    {StringId::Reserve161, QT_TRID_NOOP("tolvane-161")},
    //% "RESERVE"
    {StringId::Reserve162, QT_TRID_NOOP("tolvane-162")},
    //% "Camera No."
    {StringId::CameraNumber, QT_TRID_NOOP("tolvane-163")},
    //% "Do you wish to change to Automatic Setup mode?"
    {StringId::AskChangeToAutomaticSetup, QT_TRID_NOOP("tolvane-164")},
    //% "Network configuration in progress.\r\nPlease wait for a while."
    {StringId::ConfigurationInProgressWait, QT_TRID_NOOP("tolvane-165")},
    //% "IP address is not assigned to this computer.\r\nPlease configure the network "
    //% "settings for this computer and restart this program again."
    {StringId::NoPcAddress, QT_TRID_NOOP("tolvane-166")},
    //% "Please select a desired Network Camera"
    {StringId::SelectCamera, QT_TRID_NOOP("tolvane-167")},
    //% "This camera is off-line."
    {StringId::CameraOffLine, QT_TRID_NOOP("tolvane-168")},
    //% "This program cannot set up the Network Camera over 20 minutes after restart."
    {StringId::SetupTooLateAfterRestart, QT_TRID_NOOP("tolvane-169")},
    //% "Invalid value"
    {StringId::InvalidValue, QT_TRID_NOOP("tolvane-170")},
    //% "\r\nIf you wish to allow Internet access to the camera,\r\nclick the \"Next\" "
    //% "button for advanced setup."
    {StringId::InternetAccessNext, QT_TRID_NOOP("tolvane-171")},
    //% "Setup completed.\r\nUse the address below to access the camera.\r\n  Local Network "
    //% "Access : "
    {StringId::SetupCompletedAddress, QT_TRID_NOOP("tolvane-172")},
    //% "This camera is in DHCP or Static Connection mode. \nIf you wish to change to "
    //% "Automatic Setup mode, \nclick \"Automatic Setup(Local Access Only)\" in the next "
    //% "window."
    {StringId::CameraInDhcpOrStaticMode, QT_TRID_NOOP("tolvane-173")},
    //% "Now setting camera for IPsec off."
    {StringId::SettingIpsecOff, QT_TRID_NOOP("tolvane-174")},
    //% "IPsec is already off."
    {StringId::IpsecAlreadyOff, QT_TRID_NOOP("tolvane-175")},
    //% "Illegal Mac address."
    {StringId::IllegalMacAddress, QT_TRID_NOOP("tolvane-176")},
    //% "\r\nStart camera's network configuration based on this computer's network settings. "
    //% "It may take up to 1 minute."
    {StringId::StartNetworkConfigurationMinute, QT_TRID_NOOP("tolvane-177")},
    //% "ENGLISH"
    {StringId::LanguageMarker, QT_TRID_NOOP("tolvane-178")},
    //% "\r\nPreparing network configuration based on this computer's network settings."
    {StringId::PreparingNetworkConfiguration, QT_TRID_NOOP("tolvane-179")},
    //% "IPv4 Information"
    {StringId::Ipv4Information, QT_TRID_NOOP("tolvane-180")},
    //% "IPv6 Information"
    {StringId::Ipv6Information, QT_TRID_NOOP("tolvane-181")},
    //% "Non regist for IPv6"
    {StringId::Ipv6NotRegistered, QT_TRID_NOOP("tolvane-182")},
    //% "Auto"
    {StringId::Auto, QT_TRID_NOOP("tolvane-183")},
    //% "Static"
    {StringId::Static, QT_TRID_NOOP("tolvane-184")},
    //% "Internet access"
    {StringId::InternetAccess, QT_TRID_NOOP("tolvane-185")},
    //% "Local access"
    {StringId::LocalAccess, QT_TRID_NOOP("tolvane-186")},
    //% "First, select \"Automatic Setup (Local Access Only)\"."
    {StringId::SelectAutomaticSetupFirst, QT_TRID_NOOP("tolvane-187")},
    //% "More cameras answered than can be listed; not shown: %1. Set up the listed cameras, "
    //% "disconnect them, and start this program again to list the others."
    {StringId::CamerasNotListed, QT_TRID_NOOP("tolvane-188")},
    //% "Checking %1 …"
    {StringId::CheckingAddress, QT_TRID_NOOP("tolvane-189")},
    //% "No camera answered: no network interface of this PC is connected. Check the network "
    //% "cable and that the network adapter is switched on."
    {StringId::NoReplyNoConnectedInterface, QT_TRID_NOOP("tolvane-190")},
    //% "No camera answered: network interface %1 is connected but has no IPv4 address. Give "
    //% "it an address in the cameras' network, or connect a DHCP server."
    {StringId::NoReplyInterfaceWithoutIpv4, QT_TRID_NOOP("tolvane-191")},
    //% "No camera answered: network interface %1 has only the automatic address %2 because no "
    //% "DHCP server answered. Give it an address in the cameras' network."
    {StringId::NoReplyOnlyLinkLocalAddress, QT_TRID_NOOP("tolvane-192")},
    //% "No camera answered, and the firewalld firewall runs on this PC: it drops the cameras' "
    //% "replies unless they are allowed. Allow them with \"%1\", and for good with \"%2\"."
    {StringId::NoReplyFirewalld, QT_TRID_NOOP("tolvane-193")},
    //% "No camera answered, and the ufw firewall is enabled on this PC: it may drop the "
    //% "cameras' replies. Allow them with \"%1\"."
    {StringId::NoReplyUfw, QT_TRID_NOOP("tolvane-194")},
    //% "No camera answered. Check that the cameras are powered and on this PC's network "
    //% "segment (routers do not forward the search); a firewall must allow UDP port 10669 "
    //% "from the LAN."
    {StringId::NoReplyNothingFound, QT_TRID_NOOP("tolvane-195")},
    //% "line %1, column %2 (%3)"
    {StringId::CliWhereLineColumn, QT_TRID_NOOP("tolvane-301")},
    //% "'%1' is not a MAC address; write 02:00:5E:10:00:01, 02-00-5E-10-00-01 or 12 hexadecimal "
    //% "digits."
    {StringId::CliBadMac, QT_TRID_NOOP("tolvane-302")},
    //% "'%1' is not an IPv4 address (A.B.C.D)."
    {StringId::CliBadAddress, QT_TRID_NOOP("tolvane-303")},
    //% "'%1' is not an address with a prefix length (A.B.C.D/PREFIX, PREFIX from 0 to 32)."
    {StringId::CliBadAddressPrefix, QT_TRID_NOOP("tolvane-304")},
    //% "'%1' is not a port number from 1 to 65535."
    {StringId::CliBadPort, QT_TRID_NOOP("tolvane-305")},
    //% "'%1' is not one of the bandwidth choices: %2."
    {StringId::CliBadBandwidth, QT_TRID_NOOP("tolvane-306")},
    //% "'%1' is not a mode: write static, dhcp or leave the cell blank."
    {StringId::CliBadMode, QT_TRID_NOOP("tolvane-307")},
    //% "'%1' is not one or two IPv4 addresses separated by a comma."
    {StringId::CliBadDnsList, QT_TRID_NOOP("tolvane-308")},
    //% "%1 cannot be used with %2."
    {StringId::CliOptionsConflict, QT_TRID_NOOP("tolvane-309")},
    //% "%1 needs %2."
    {StringId::CliOptionNeeds, QT_TRID_NOOP("tolvane-310")},
    //% "'%1' does not pass the check of the manual set-up."
    {StringId::CliValueRefused, QT_TRID_NOOP("tolvane-311")},
    //% "this camera does not take a name."
    {StringId::CliNameNotEditable, QT_TRID_NOOP("tolvane-312")},
    //% "'%1' is not a column; the columns are %2."
    {StringId::CliUnknownColumn, QT_TRID_NOOP("tolvane-313")},
    //% "the header has no '%1' column."
    {StringId::CliMissingColumn, QT_TRID_NOOP("tolvane-314")},
    //% "the column '%1' is named twice."
    {StringId::CliRepeatedColumn, QT_TRID_NOOP("tolvane-315")},
    //% "%1 cells where the header names %2."
    {StringId::CliCellCount, QT_TRID_NOOP("tolvane-316")},
    //% "a quoted cell is not closed."
    {StringId::CliUnclosedQuote, QT_TRID_NOOP("tolvane-317")},
    //% "the camera %1 is also on line %2."
    {StringId::CliDuplicateMac, QT_TRID_NOOP("tolvane-318")},
    //% "the address %1 is also on line %2."
    {StringId::CliDuplicateAddress, QT_TRID_NOOP("tolvane-319")},
    //% "the address %1 is outside this computer's subnet %2."
    {StringId::CliOutsideSubnet, QT_TRID_NOOP("tolvane-320")},
    //% "cannot read the file %1: %2"
    {StringId::CliUnreadableFile, QT_TRID_NOOP("tolvane-321")},
    //% "the file names no camera."
    {StringId::CliNoCameraLines, QT_TRID_NOOP("tolvane-322")},
    //% "another Tolvane is running on this computer and holds the camera port; close it and try "
    //% "again."
    {StringId::CliAnotherInstance, QT_TRID_NOOP("tolvane-323")},
    //% "searching for the camera"
    {StringId::CliSearching, QT_TRID_NOOP("tolvane-324")},
    //% "found at %1, port %2"
    {StringId::CliFound, QT_TRID_NOOP("tolvane-325")},
    //% "the camera did not answer within %1 s."
    {StringId::CliNotFound, QT_TRID_NOOP("tolvane-326")},
    //% "the settings pass the checks of the manual set-up"
    {StringId::CliChecked, QT_TRID_NOOP("tolvane-327")},
    //% "checking that no other device answers at %1"
    {StringId::CliCheckingAddress, QT_TRID_NOOP("tolvane-328")},
    //% "%1 is free"
    {StringId::CliAddressFree, QT_TRID_NOOP("tolvane-329")},
    //% "another device answers at %1; nothing was sent."
    {StringId::CliAddressInUse, QT_TRID_NOOP("tolvane-330")},
    //% "sending the set-up"
    {StringId::CliSending, QT_TRID_NOOP("tolvane-331")},
    //% "acknowledged; restarting the camera"
    {StringId::CliAcknowledged, QT_TRID_NOOP("tolvane-332")},
    //% "waiting for the camera to come back"
    {StringId::CliAwaitingCamera, QT_TRID_NOOP("tolvane-333")},
    //% "the camera is back at %1, port %2"
    {StringId::CliCameraBack, QT_TRID_NOOP("tolvane-334")},
    //% "verified: the camera reports the new settings"
    {StringId::CliVerified, QT_TRID_NOOP("tolvane-335")},
    //% "the camera came back without the new settings: %1"
    {StringId::CliNotVerified, QT_TRID_NOOP("tolvane-336")},
    //% "the camera did not acknowledge the set-up; no restart was sent."
    {StringId::CliNoAck, QT_TRID_NOOP("tolvane-337")},
    //% "the camera did not come back in time."
    {StringId::CliTimedOut, QT_TRID_NOOP("tolvane-338")},
    //% "dry run: every check passed, nothing sent"
    {StringId::CliDryRunPassed, QT_TRID_NOOP("tolvane-339")},
    //% "sending the set-up by MAC address"
    {StringId::CliSendingByMac, QT_TRID_NOOP("tolvane-340")},
    //% "waiting for the camera to answer at %1"
    {StringId::CliAwaitingAddress, QT_TRID_NOOP("tolvane-341")},
    //% "the camera did not answer at %1 in time."
    {StringId::CliNotAtAddress, QT_TRID_NOOP("tolvane-342")},
    //% "not run: an earlier camera failed (--stop-on-error)."
    {StringId::CliSkipped, QT_TRID_NOOP("tolvane-343")},
    //% "Result"
    {StringId::CliResultHeading, QT_TRID_NOOP("tolvane-344")},
    //% "Time"
    {StringId::CliTimeHeading, QT_TRID_NOOP("tolvane-345")},
    //% "verified"
    {StringId::CliResultVerified, QT_TRID_NOOP("tolvane-346")},
    //% "checked"
    {StringId::CliResultChecked, QT_TRID_NOOP("tolvane-347")},
    //% "invalid input"
    {StringId::CliResultInvalid, QT_TRID_NOOP("tolvane-348")},
    //% "not found"
    {StringId::CliResultNotFound, QT_TRID_NOOP("tolvane-349")},
    //% "address in use"
    {StringId::CliResultInUse, QT_TRID_NOOP("tolvane-350")},
    //% "no acknowledgement"
    {StringId::CliResultNoAck, QT_TRID_NOOP("tolvane-351")},
    //% "timed out"
    {StringId::CliResultTimedOut, QT_TRID_NOOP("tolvane-352")},
    //% "not verified"
    {StringId::CliResultNotVerified, QT_TRID_NOOP("tolvane-353")},
    //% "not run"
    {StringId::CliResultSkipped, QT_TRID_NOOP("tolvane-354")},
    //% "%1 of %2 cameras succeeded."
    {StringId::CliSucceededCount, QT_TRID_NOOP("tolvane-355")},
    //% "the camera came back with IPsec still on."
    {StringId::CliIpsecStillOn, QT_TRID_NOOP("tolvane-356")},
    //% "cannot create the single-instance lock %1."
    {StringId::CliLockFailed, QT_TRID_NOOP("tolvane-520")},
    //% "cannot receive camera replies: UDP port %1 is not available."
    {StringId::CliCannotReceive, QT_TRID_NOOP("tolvane-521")},
    //% "there is no network interface named '%1'."
    {StringId::CliNoSuchInterface, QT_TRID_NOOP("tolvane-522")},
    //% "%1: %2"
    {StringId::CliPlacedMessage, QT_TRID_NOOP("tolvane-523")},
    //% "line %1, column %2"
    {StringId::CliWhereLineColumnOnly, QT_TRID_NOOP("tolvane-524")},
    //% "Try 'tolvane --help' for more information."
    {StringId::CliTryHelp, QT_TRID_NOOP("tolvane-525")},
    //% "Unknown option '%1'."
    {StringId::CliUnknownOption, QT_TRID_NOOP("tolvane-526")},
    //% "Missing value after '%1'."
    {StringId::CliMissingValue, QT_TRID_NOOP("tolvane-527")},
    //% "Unexpected value after '%1'."
    {StringId::CliUnexpectedValue, QT_TRID_NOOP("tolvane-528")},
    //% "Unexpected argument '%1'."
    {StringId::CliUnexpectedArgument, QT_TRID_NOOP("tolvane-529")},
    //% "Unknown language '%1': use en, ja, fr or zh_CN."
    {StringId::CliUnknownLanguage, QT_TRID_NOOP("tolvane-530")},
    //% "The interface name is empty."
    {StringId::CliEmptyInterfaceName, QT_TRID_NOOP("tolvane-531")},
    //% "--seconds and --json only go with --list, --setup, --setup-by-mac or --apply."
    {StringId::CliOnlyWithListOrSetup, QT_TRID_NOOP("tolvane-532")},
    //% "--seconds takes a whole number from 1 to %1, not '%2'."
    {StringId::CliBadSeconds, QT_TRID_NOOP("tolvane-533")},
    //% "Usage: %1 [options]"
    {StringId::HelpUsage, QT_TRID_NOOP("tolvane-534")},
    //% "Finds the network cameras on this computer's Ethernet segment and gives them their "
    //% "network settings."
    {StringId::HelpDescription, QT_TRID_NOOP("tolvane-535")},
    //% "Exit status of a set-up: 0 verified (or, with --dry-run, every check passed), 1 no "
    //% "acknowledgement, time-out or the camera came back without the new settings (with "
    //% "--apply: any camera failed), 2 invalid input, 3 camera not found, 4 address in use, 5 "
    //% "another instance runs."
    {StringId::HelpExitStatus, QT_TRID_NOOP("tolvane-536")},
    //% "Options:"
    {StringId::HelpOptionsHeading, QT_TRID_NOOP("tolvane-537")},
    //% "Show this help and exit."
    {StringId::HelpHelp, QT_TRID_NOOP("tolvane-538")},
    //% "Show the version and exit."
    {StringId::HelpVersion, QT_TRID_NOOP("tolvane-539")},
    //% "Interface language: en, ja, fr or zh_CN (default: from the locale)."
    {StringId::HelpLang, QT_TRID_NOOP("tolvane-540")},
    //% "Use only the network interface <name> for this computer's address and for the camera "
    //% "traffic."
    {StringId::HelpInterface, QT_TRID_NOOP("tolvane-541")},
    //% "Without a window: search for cameras, then print one line per camera (number, MAC "
    //% "address, IPv4 address, port, status and, when several interfaces are searched, the "
    //% "interface, separated by tabs)."
    {StringId::HelpList, QT_TRID_NOOP("tolvane-542")},
    //% "With --list: search for <n> seconds (default %1). With a set-up: wait at most <n> "
    //% "seconds for the camera to answer the search."
    {StringId::HelpSeconds, QT_TRID_NOOP("tolvane-543")},
    //% "With --list: print a JSON object with the cameras (row texts, interface and raw fields), "
    //% "how many answered but did not fit in the list and, when none answered, why. With a "
    //% "set-up: print the result and the camera's last record as JSON."
    {StringId::HelpJson, QT_TRID_NOOP("tolvane-544")},
    //% "With --list: print CSV, first the columns of an --apply file, then those of --json."
    {StringId::HelpCsv, QT_TRID_NOOP("tolvane-545")},
    //% "Without a window: search for the camera with the MAC address <mac> (02:00:5E:10:00:01, "
    //% "02-00-5E-10-00-01 or 02005E100001) and give it the settings below, as the manual set-up "
    //% "does; the settings not given keep the values the manual set-up opens with. Example: "
    //% "--setup 02:00:5E:10:00:01 --static 10.77.0.150/24 --gateway 10.77.0.1"
    {StringId::HelpSetup, QT_TRID_NOOP("tolvane-546")},
    //% "Without a window: give a camera that does not answer searches an address by the by-MAC "
    //% "request (needs --static; --gateway and --dns default to this computer's). Example: "
    //% "--setup-by-mac 02005E100001 --static 10.77.0.160/24"
    {StringId::HelpSetupByMac, QT_TRID_NOOP("tolvane-547")},
    //% "Without a window: set up the cameras of the CSV file <file>, one after the other. Its "
    //% "header is mac,mode,address,gateway,dns1,dns2,port,name; a blank cell keeps the camera's "
    //% "value. Example: --apply site.csv --dry-run"
    {StringId::HelpApply, QT_TRID_NOOP("tolvane-548")},
    //% "Static addressing with the address and prefix length <address/prefix>, e.g. "
    //% "192.168.0.50/24."
    {StringId::HelpStatic, QT_TRID_NOOP("tolvane-549")},
    //% "Static addressing with the IPv4 address <address>."
    {StringId::HelpAddress, QT_TRID_NOOP("tolvane-550")},
    //% "Static addressing with the subnet mask <mask>, e.g. 255.255.255.0."
    {StringId::HelpMask, QT_TRID_NOOP("tolvane-551")},
    //% "The default gateway, e.g. 192.168.0.1."
    {StringId::HelpGateway, QT_TRID_NOOP("tolvane-552")},
    //% "The DNS servers: --dns A sets the first and keeps the second, --dns A,B sets both."
    {StringId::HelpDns, QT_TRID_NOOP("tolvane-553")},
    //% "DHCP addressing."
    {StringId::HelpDhcp, QT_TRID_NOOP("tolvane-554")},
    //% "The camera's web port <n>, 1 to 65535."
    {StringId::HelpPort, QT_TRID_NOOP("tolvane-555")},
    //% "The camera name <text> (at most 15 bytes)."
    {StringId::HelpName, QT_TRID_NOOP("tolvane-556")},
    //% "The host name <text> (at most 63 characters)."
    {StringId::HelpHostName, QT_TRID_NOOP("tolvane-557")},
    //% "The bandwidth limit in Mbit/s: 0.1, 0.2, 0.3, 0.5, 1 or unlimited."
    {StringId::HelpBandwidth, QT_TRID_NOOP("tolvane-558")},
    //% "Instead of settings: the re-setup to the default local settings (192.168.0.253/24)."
    {StringId::HelpFactoryDefaults, QT_TRID_NOOP("tolvane-559")},
    //% "Instead of settings: turn the camera's IPsec off."
    {StringId::HelpIpsecOff, QT_TRID_NOOP("tolvane-560")},
    //% "Run every check (settings, file, address in use, camera present) and send no set-up."
    {StringId::HelpDryRun, QT_TRID_NOOP("tolvane-561")},
    //% "With --apply: stop at the first camera that fails."
    {StringId::HelpStopOnError, QT_TRID_NOOP("tolvane-562")},
};
// clang-format on

const char* keyOf(StringId id) {
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

std::vector<StringId> allStringIds() {
    std::vector<StringId> ids;
    ids.reserve(std::size(kStrings));
    for (const StringEntry& entry : kStrings)
        ids.push_back(entry.id);
    return ids;
}

QString uiText(StringId id) {
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
    const QString marker = uiText(StringId::LanguageMarker);
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
