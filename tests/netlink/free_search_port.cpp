#include <gtest/gtest.h>

#include "netlink/link_pair.h"
#include "netlink/net_game.h"

namespace {

// Every game the tests host answers the search on a port of its own run,
// never the fixed one: two runs on one machine, or a real game hosting
// beside them, would otherwise hear each other's searches.
class FreeSearchPort final : public testing::Environment {
public:
    void SetUp() override {
        const uint16_t port = FreeUdpPort();
        if (port != 0) SetLanSearchPort(port);
    }
};

[[maybe_unused]] testing::Environment* const freeSearchPort = testing::AddGlobalTestEnvironment(new FreeSearchPort);

}  // namespace
