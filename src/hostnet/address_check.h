#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "hostnet/ping_result.h"

namespace tolvane {

// One ping of a dotted-decimal address by whatever method the platform allows.
class Pinger {
public:
    virtual ~Pinger() = default;
    virtual PingResult PingOnce(const std::string& addressText) = 0;
};

// Forgets what the PC has learned about a neighbour's hardware address, so that the next
// packet to it asks the network afresh. Started, not awaited; failures are ignored.
class NeighbourCache {
public:
    virtual ~NeighbourCache() = default;
    virtual void Forget(const std::string& addressText) = 0;
};

// Blocks the calling thread; tests record the pauses instead.
class Pauser {
public:
    virtual ~Pauser() = default;
    virtual void Pause(std::chrono::milliseconds duration) = 0;
};

class ThreadPauser : public Pauser {
public:
    void Pause(std::chrono::milliseconds duration) override;
};

// "a.b.c.d" of a host-order address, first octet first.
std::string DottedAddress(std::uint32_t address);

// Forgets the neighbour, pauses 1000 ms, pings; forgets and pings once more. False as soon as
// a ping finds the address in use, unless `address` equals `ownAddress`: then every step still
// runs and the answer is true.
bool CheckAddressFree(std::uint32_t address, std::uint32_t ownAddress, Pinger& pinger,
                      NeighbourCache& neighbours, Pauser& pauser);

}  // namespace tolvane
