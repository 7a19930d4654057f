#include "hostnet/address_check.h"

#include <QThread>

namespace tolvane {

using namespace std::chrono_literals;

void ThreadPauser::Pause(std::chrono::milliseconds duration) {
    QThread::msleep(static_cast<unsigned long>(duration.count()));
}

std::string DottedAddress(std::uint32_t address) {
    return std::to_string(address >> 24) + '.' + std::to_string((address >> 16) & 0xFF) + '.' +
           std::to_string((address >> 8) & 0xFF) + '.' + std::to_string(address & 0xFF);
}

bool CheckAddressFree(std::uint32_t address, std::uint32_t ownAddress, Pinger& pinger,
                      NeighbourCache& neighbours, Pauser& pauser) {
    const std::string text = DottedAddress(address);
    const bool answersCount = address != ownAddress;

    neighbours.Forget(text);
    pauser.Pause(1000ms);
    if (pinger.PingOnce(text) != PingResult::NoAnswer && answersCount)
        return false;

    neighbours.Forget(text);
    if (pinger.PingOnce(text) != PingResult::NoAnswer && answersCount)
        return false;
    return true;
}

}  // namespace tolvane
