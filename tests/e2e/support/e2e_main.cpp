// SPDX-License-Identifier: GPL-3.0-or-later
// main of the end-to-end test programs. Without root they start again inside a user, network
// and mount namespace of their own (unshare -rnm), where the test bed can be built without
// privileges; where that is impossible too, the bed reports itself unavailable and the tests
// skip with the reason.
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>
#include <QCoreApplication>

namespace {

constexpr const char* kInsideMarker = "TOLVANE_E2E_IN_USER_NAMESPACE";

void restartInUserNamespaceIfNeeded(int argc, char** argv) {
    if (::geteuid() == 0 || std::getenv(kInsideMarker) != nullptr)
        return;
    if (std::system("unshare -rnm true >/dev/null 2>&1") != 0)
        return;
    ::setenv(kInsideMarker, "1", 1);
    std::vector<char*> arguments{const_cast<char*>("unshare"), const_cast<char*>("-rnm"),
                                 const_cast<char*>("--")};
    arguments.insert(arguments.end(), argv, argv + argc);
    arguments.push_back(nullptr);
    ::execvp("unshare", arguments.data());
}

}  // namespace

int main(int argc, char** argv) {
    restartInUserNamespaceIfNeeded(argc, argv);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
