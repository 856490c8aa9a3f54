// The relay as a program, for two real games on one machine:
//   udp_relay --listen PORT --to 127.0.0.1:PORT [--delay MS] [--jitter MS]
//             [--loss PCT] [--dup PCT] [--reorder PCT] [--seed N] --seconds S
// Forwards between the joiner (who sends to PORT) and the host, each way
// with the weather asked for, and stops by itself after S seconds (or on
// SIGINT/SIGTERM), printing what it did on the way.
#include <poll.h>
#include <time.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "net/udp_relay.h"

namespace {

volatile std::sig_atomic_t stopAsked = 0;

void AskStop(int) { stopAsked = 1; }

uint32_t NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<uint32_t>(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

int Usage(const char* why) {
    std::fprintf(stderr, "udp_relay: %s\n", why);
    std::fprintf(stderr,
                 "usage: udp_relay --listen PORT --to 127.0.0.1:PORT [--delay MS] [--jitter MS] [--loss PCT]\n"
                 "                 [--dup PCT] [--reorder PCT] [--seed N] --seconds S\n");
    return 2;
}

bool Number(const char* text, double low, double high, double& out) {
    char* end = nullptr;
    out = std::strtod(text, &end);
    return end != text && *end == '\0' && out >= low && out <= high;
}

uint16_t PerMille(double percent) { return static_cast<uint16_t>(percent * 10 + 0.5); }

void Print(const char* what, const UdpRelay::Counts& c) {
    std::printf("%s: forwarded %llu dropped %llu doubled %llu reordered %llu sent %llu\n", what,
                static_cast<unsigned long long>(c.forwarded), static_cast<unsigned long long>(c.dropped),
                static_cast<unsigned long long>(c.doubled), static_cast<unsigned long long>(c.reordered),
                static_cast<unsigned long long>(c.sent));
}

}  // namespace

int main(int argc, char** argv) {
    double listen = -1, to = -1, seconds = -1, seed = 1;
    double delay = 0, jitter = 0, loss = 0, dup = 0, reorder = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) return Usage(("no value after " + flag).c_str());
        const char* value = argv[++i];
        bool ok = false;
        if (flag == "--listen") ok = Number(value, 0, 65535, listen);
        else if (flag == "--to") {
            // The relay talks to this machine only.
            const char* prefix = "127.0.0.1:";
            ok = std::strncmp(value, prefix, std::strlen(prefix)) == 0 &&
                 Number(value + std::strlen(prefix), 1, 65535, to);
        } else if (flag == "--delay") ok = Number(value, 0, 10000, delay);
        else if (flag == "--jitter") ok = Number(value, 0, 10000, jitter);
        else if (flag == "--loss") ok = Number(value, 0, 100, loss);
        else if (flag == "--dup") ok = Number(value, 0, 100, dup);
        else if (flag == "--reorder") ok = Number(value, 0, 100, reorder);
        else if (flag == "--seed") ok = Number(value, 0, 1e18, seed);
        else if (flag == "--seconds") ok = Number(value, 0.001, 86400, seconds);
        else return Usage(("unknown option " + flag).c_str());
        if (!ok) return Usage(("bad value for " + flag + ": " + value).c_str());
    }
    if (listen < 0 || to < 0 || seconds < 0) return Usage("--listen, --to and --seconds are needed");

    linkWeather::Settings settings;
    settings.delayMs = static_cast<uint32_t>(delay);
    settings.jitterMs = static_cast<uint32_t>(jitter);
    settings.dropPerMille = PerMille(loss);
    settings.doublePerMille = PerMille(dup);
    settings.reorderPerMille = PerMille(reorder);
    UdpRelay relay;
    if (!relay.Open(static_cast<uint16_t>(listen), static_cast<uint16_t>(to), static_cast<uint64_t>(seed), settings)) {
        std::perror("udp_relay: cannot open its sockets");
        return 1;
    }
    std::signal(SIGINT, AskStop);
    std::signal(SIGTERM, AskStop);
    std::printf("udp_relay: 127.0.0.1:%u -> 127.0.0.1:%u for %g s\n", relay.ListenPort(), static_cast<unsigned>(to),
                seconds);
    std::fflush(stdout);
    const uint32_t start = NowMs();
    const uint32_t limitMs = static_cast<uint32_t>(seconds * 1000);
    for (uint32_t now = start; now - start < limitMs && !stopAsked; now = NowMs()) {
        relay.Service(now);
        pollfd fds[2] = {{relay.JoinerSocket(), POLLIN, 0}, {relay.HostSocket(), POLLIN, 0}};
        const uint32_t left = limitMs - (now - start);
        poll(fds, 2, static_cast<int>(relay.WaitMs(now, left < 50 ? left : 50)));
    }
    Print("joiner to host", relay.Of(0));
    Print("host to joiner", relay.Of(1));
    Print("udp_relay", relay.Total());
    return 0;
}
