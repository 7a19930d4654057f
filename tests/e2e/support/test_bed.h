// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include "bed_process.h"

namespace tolvane::e2e {

// One network test bed (scripts/testbed.sh) for the lifetime of the object: a "pc" host,
// `cameras` camera hosts and an "other" host on one bridge, all in network namespaces of
// their own. Hosts are named "pc", "cam1", "cam2", ..., "other". The destructor removes the
// bed and ends whatever still runs in it.
class TestBed {
public:
    enum class State {
        Ready,
        Unavailable,  // this machine cannot have a bed (no root, no namespaces): skip
        Failed,       // the bed should have worked and did not: fail
    };

    // Whether the pc's hosts file maps the machine's host name to the pc's address. Unlisted,
    // a lookup of the name asks the bed's name servers, where nobody answers.
    enum class HostName { Listed, Unlisted };

    // `bedOptions` go to testbed.sh as they are ("--segments", "3", "--no-default-route").
    explicit TestBed(int cameras = 2, HostName hostName = HostName::Listed,
                     const QStringList& bedOptions = {});
    ~TestBed();
    TestBed(const TestBed&) = delete;
    TestBed& operator=(const TestBed&) = delete;

    State state() const { return state_; }
    // Why the bed is unavailable or failed.
    const QString& problem() const { return problem_; }

    // A TESTBED_* value ("TESTBED_PC_IP", ...); empty when there is none.
    QString value(const QString& key) const { return values_.value(key); }
    // The namespace of a host ("pc", "cam1", "other").
    QString namespaceOf(const QString& host) const;
    // This process's environment with the bed's TESTBED_* values added.
    QProcessEnvironment environment() const;

    // Makes "pc" drop inbound UDP to port 10669 (nftables, inside "pc" only), or stop dropping
    // it. Exit status 77: this machine has no nftables.
    ProcessResult setPcFirewall(bool on) const;

    // Runs `command` in `host` and waits at most `timeoutMs`.
    ProcessResult run(const QString& host, const QStringList& command, int timeoutMs) const;
    // Starts `command` in `host` and returns at once; stop it with stopProcess.
    std::unique_ptr<QProcess> start(const QString& host, const QStringList& command) const;

private:
    QString id_;
    State state_ = State::Failed;
    QString problem_;
    QMap<QString, QString> values_;
};

}  // namespace tolvane::e2e

// Skips the test when the machine cannot have a bed (saying why), fails it when the bed
// should have worked.
#define TOLVANE_REQUIRE_BED(bed)                                                      \
    do {                                                                              \
        if ((bed).state() == ::tolvane::e2e::TestBed::State::Unavailable)             \
            GTEST_SKIP() << "no network test bed: " << (bed).problem().toStdString(); \
        ASSERT_EQ((bed).state(), ::tolvane::e2e::TestBed::State::Ready)               \
            << "the network test bed failed: " << (bed).problem().toStdString();      \
    } while (false)
