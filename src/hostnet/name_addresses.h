// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "hostnet/host_facts.h"

namespace tolvane {

// The addresses that stand for the PC's own host name, answered from its interfaces rather
// than by a resolver, which may wait seconds on a name server that does not answer: every
// address of the rows that is neither 0 nor in 127.0.0.0/8, each once, in row order, except
// that the default route's source address comes first when a row holds it. Empty when the PC
// has no such address.
std::vector<std::uint32_t> BuildNameAddresses(const std::vector<AddressRow>& addressRows,
                                              std::uint32_t defaultRouteSource);

}  // namespace tolvane
