// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "hostnet/no_reply_diagnosis.h"

namespace tolvane {

// The one line that says why no camera answers, in the interface language, with the exact
// command that lets the cameras' replies through a firewall (by our profile's name when it is
// installed, else by the port).
QString noReplyText(const NoReplyDiagnosis& diagnosis);

}  // namespace tolvane
