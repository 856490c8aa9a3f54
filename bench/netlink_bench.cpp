// What the ENet link costs a frame: one frame's service of an idle link, and
// one of a frame in a match (an inputs-sized unsequenced message sent, the
// peer's taken in), between two links in this process over 127.0.0.1.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "netlink/enet_link.h"

namespace {

bool Connect(EnetLink& host, EnetLink& joiner) {
    if (!host.Host(0, 0) || !joiner.Join("127.0.0.1", host.HostedPort())) return false;
    for (int i = 0; i < 3000; ++i) {
        host.Service();
        joiner.Service();
        if (host.State() == LinkState::connected && joiner.State() == LinkState::connected) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

void BM_LinkServiceIdle(benchmark::State& state) {
    EnetLink host, joiner;
    if (!Connect(host, joiner)) {
        state.SkipWithError("no connection over the loopback");
        return;
    }
    for (auto _ : state) host.Service();
}
BENCHMARK(BM_LinkServiceIdle)->Unit(benchmark::kMicrosecond);

// Both sides of a match frame: each sends its inputs message (about 80
// bytes) and takes in the other's.
void BM_LinkFrameOfInputs(benchmark::State& state) {
    EnetLink host, joiner;
    if (!Connect(host, joiner)) {
        state.SkipWithError("no connection over the loopback");
        return;
    }
    uint8_t message[80] = {};
    uint8_t data[netMessageMax];
    size_t size = 0;
    int64_t received = 0;
    const uint64_t wireBefore = host.WireBytesSent();
    const uint64_t payloadBefore = host.BytesSent();
    for (auto _ : state) {
        ++message[0];
        host.Send(message, sizeof message, false);
        joiner.Send(message, sizeof message, false);
        host.Service();
        joiner.Service();
        while (host.Receive(data, size)) ++received;
        while (joiner.Receive(data, size)) ++received;
    }
    const double frames = state.iterations() > 0 ? static_cast<double>(state.iterations()) : 1;
    state.counters["received_per_frame"] = static_cast<double>(received) / frames;
    // One side's bytes a frame: the message alone, and the datagram ENet made of it.
    state.counters["payload_bytes_per_frame"] = static_cast<double>(host.BytesSent() - payloadBefore) / frames;
    state.counters["wire_bytes_per_frame"] = static_cast<double>(host.WireBytesSent() - wireBefore) / frames;
}
BENCHMARK(BM_LinkFrameOfInputs)->Unit(benchmark::kMicrosecond);

}  // namespace
