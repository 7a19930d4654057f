// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostnet/linux/linux_no_reply_facts.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvane {

namespace {

struct IfAddrsDeleter {
    void operator()(ifaddrs* list) const { freeifaddrs(list); }
};

std::optional<QByteArray> readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool exists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path));
}

bool anyExists(const std::vector<std::string>& paths) {
    return std::any_of(paths.begin(), paths.end(), exists);
}

std::vector<LinkRow> gatherLinks(const NoReplyFactPaths& paths) {
    std::vector<LinkRow> links;
    struct if_nameindex* names = if_nameindex();
    if (names == nullptr)
        return links;
    std::map<std::string, std::size_t> byName;
    for (const struct if_nameindex* name = names; name->if_index != 0; ++name) {
        byName[name->if_name] = links.size();
        LinkRow link;
        link.name = name->if_name;
        const std::string sys = paths.sysClassNet + '/' + link.name;
        link.hardware = exists(sys + "/device");
        link.enslaved = exists(sys + "/master");
        links.push_back(std::move(link));
    }
    if_freenameindex(names);

    ifaddrs* raw = nullptr;
    if (getifaddrs(&raw) != 0)
        return links;
    const std::unique_ptr<ifaddrs, IfAddrsDeleter> list(raw);
    for (const ifaddrs* entry = list.get(); entry != nullptr; entry = entry->ifa_next) {
        // An address with a label ("eth0:1") belongs to the interface before the colon.
        std::string name(entry->ifa_name);
        name = name.substr(0, name.find(':'));
        const auto found = byName.find(name);
        if (found == byName.end())
            continue;
        LinkRow& link = links[found->second];
        link.loopback = (entry->ifa_flags & IFF_LOOPBACK) != 0;
        link.up = (entry->ifa_flags & IFF_UP) != 0;
        link.carrier = (entry->ifa_flags & IFF_RUNNING) != 0;
        if (entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_INET) {
            const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
            link.addresses.push_back(ntohl(address->sin_addr.s_addr));
        }
    }
    return links;
}

// A live process whose command line names firewalld, as firewalld itself checks its pid file.
bool pidFileNamesFirewalld(const NoReplyFactPaths& paths, const std::string& pidFile) {
    const std::optional<QByteArray> pid = readFile(QString::fromStdString(pidFile));
    if (!pid)
        return false;
    const QByteArray number = pid->trimmed();
    if (number.isEmpty() ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const std::optional<QByteArray> commandLine = readFile(
        QString::fromStdString(paths.proc) + '/' + QString::fromLatin1(number) + "/cmdline");
    return commandLine && commandLine->contains("firewalld");
}

// The kernel names a process started from a script after the script: firewalld's is
// "firewalld" although python runs it.
bool firewalldProcessRuns(const NoReplyFactPaths& paths) {
    const QDir proc(QString::fromStdString(paths.proc));
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool number = false;
        entry.toLongLong(&number);
        if (!number)
            continue;
        const std::optional<QByteArray> name = readFile(proc.filePath(entry + "/comm"));
        if (name && name->trimmed() == "firewalld")
            return true;
    }
    return false;
}

FirewallFacts gatherFirewall(const NoReplyFactPaths& paths) {
    FirewallFacts facts;
    facts.firewalldRunning =
        std::any_of(paths.firewalldPidFiles.begin(), paths.firewalldPidFiles.end(),
                    [&](const std::string& file) { return pidFileNamesFirewalld(paths, file); }) ||
        firewalldProcessRuns(paths);
    facts.firewalldServiceInstalled = anyExists(paths.firewalldServiceFiles);
    facts.ufwConfiguration = readFile(QString::fromStdString(paths.ufwConfiguration))
                                 .value_or(QByteArray())
                                 .toStdString();
    facts.ufwProfileInstalled = anyExists(paths.ufwProfiles);
    return facts;
}

}  // namespace

NoReplyFacts GatherNoReplyFacts(const NoReplyFactPaths& paths) {
    return {gatherLinks(paths), gatherFirewall(paths)};
}

}  // namespace tolvane
