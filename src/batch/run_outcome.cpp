// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run_outcome.h"

namespace tolvane {

int exitStatusOf(RunResult result) {
    switch (result) {
        case RunResult::Verified:
        case RunResult::Checked:
            return 0;
        case RunResult::Invalid:
            return 2;
        case RunResult::NotFound:
            return 3;
        case RunResult::AddressInUse:
            return 4;
        case RunResult::NoAck:
        case RunResult::TimedOut:
        case RunResult::NotVerified:
        case RunResult::Skipped:
            break;
    }
    return 1;
}

StringId resultStringId(RunResult result) {
    switch (result) {
        case RunResult::Verified:
            return StringId::CliResultVerified;
        case RunResult::Checked:
            return StringId::CliResultChecked;
        case RunResult::Invalid:
            return StringId::CliResultInvalid;
        case RunResult::NotFound:
            return StringId::CliResultNotFound;
        case RunResult::AddressInUse:
            return StringId::CliResultInUse;
        case RunResult::NoAck:
            return StringId::CliResultNoAck;
        case RunResult::TimedOut:
            return StringId::CliResultTimedOut;
        case RunResult::NotVerified:
            return StringId::CliResultNotVerified;
        case RunResult::Skipped:
            break;
    }
    return StringId::CliResultSkipped;
}

QString resultKey(RunResult result) {
    switch (result) {
        case RunResult::Verified:
            return QStringLiteral("verified");
        case RunResult::Checked:
            return QStringLiteral("checked");
        case RunResult::Invalid:
            return QStringLiteral("invalid");
        case RunResult::NotFound:
            return QStringLiteral("not-found");
        case RunResult::AddressInUse:
            return QStringLiteral("address-in-use");
        case RunResult::NoAck:
            return QStringLiteral("no-acknowledgement");
        case RunResult::TimedOut:
            return QStringLiteral("timed-out");
        case RunResult::NotVerified:
            return QStringLiteral("not-verified");
        case RunResult::Skipped:
            break;
    }
    return QStringLiteral("not-run");
}

}  // namespace tolvane
