#include "net/sim_link.h"

#include <algorithm>
#include <cstring>

namespace simLink {

LinkState End::State() const { return pair_->lost_ ? LinkState::lost : LinkState::connected; }

bool End::Send(const uint8_t* data, size_t size, bool reliable) {
    if (pair_->lost_ || size == 0 || size > netMessageMax) return false;
    bytesSent_ += size;
    ++messagesSent_;
    if (reliable) ++reliableSent_;
    pair_->Carry(side_, data, size, reliable);
    return true;
}

bool End::Receive(uint8_t* data, size_t& size) {
    if (nextArrived_ >= arrived_.size()) return false;
    const std::vector<uint8_t>& bytes = arrived_[nextArrived_++].bytes;
    size = bytes.size();
    std::memcpy(data, bytes.data(), size);
    bytesReceived_ += size;
    if (nextArrived_ == arrived_.size()) {
        arrived_.clear();
        nextArrived_ = 0;
    }
    return true;
}

void End::Service() {
    if (pair_->lost_) return;
    const uint64_t now = pair_->nowMs_;
    // In order of arrival; those of the same millisecond in the order sent.
    std::stable_sort(inFlight_.begin(), inFlight_.end(), [](const Datagram& a, const Datagram& b) {
        return a.arriveMs != b.arriveMs ? a.arriveMs < b.arriveMs : a.order < b.order;
    });
    size_t taken = 0;
    while (taken < inFlight_.size() && inFlight_[taken].arriveMs <= now) {
        arrived_.push_back(std::move(inFlight_[taken]));
        ++taken;
    }
    inFlight_.erase(inFlight_.begin(), inFlight_.begin() + static_cast<std::ptrdiff_t>(taken));
}

uint32_t End::RoundTripMs() const {
    const End& other = pair_->ends_[1 - side_];
    if (!transitKnown_ || !other.transitKnown_) return 0;
    return transitMs_ + other.transitMs_;
}

void End::Drop() { pair_->lost_ = true; }

Pair::Pair(uint64_t seed, const linkWeather::Settings& toOne, const linkWeather::Settings& toZero)
    : weather_{linkWeather::Weather(seed * 2 + 1, toZero), linkWeather::Weather(seed * 2 + 2, toOne)} {
    for (int side = 0; side < 2; ++side) {
        ends_[side].pair_ = this;
        ends_[side].side_ = side;
    }
}

void Pair::Cut() { lost_ = true; }

void Pair::Inject(int side, const uint8_t* data, size_t size) {
    End& to = ends_[side == 1 ? 1 : 0];
    to.inFlight_.push_back(End::Datagram{nowMs_, order_++, std::vector<uint8_t>(data, data + size)});
}

void Pair::Carry(int from, const uint8_t* data, size_t size, bool reliable) {
    End& to = ends_[1 - from];
    linkWeather::Weather& weather = weather_[1 - from];
    const linkWeather::Fate fate = weather.Next();
    // The one-way time as the receiving side would come to know it: a
    // smoothed mean of what the datagrams took.
    const uint32_t transit = fate.delayMs;
    to.transitMs_ = to.transitKnown_ ? (to.transitMs_ * 7 + transit) / 8 : transit;
    to.transitKnown_ = true;
    const std::vector<uint8_t> bytes(data, data + size);
    if (reliable) {
        // Every try that is lost costs a round trip; the message still comes,
        // and never before one sent earlier.
        uint64_t arrive = nowMs_ + fate.delayMs;
        linkWeather::Fate retry = fate;
        while (retry.dropped) {
            retry = weather.Next();
            arrive += 2 * weather.Of().delayMs + retry.delayMs;
        }
        arrive = std::max(arrive, to.lastReliableArrival_);
        to.lastReliableArrival_ = arrive;
        to.inFlight_.push_back(End::Datagram{arrive, order_++, bytes});
        return;
    }
    if (fate.dropped) return;
    to.inFlight_.push_back(End::Datagram{nowMs_ + fate.delayMs, order_++, bytes});
    if (fate.doubled) to.inFlight_.push_back(End::Datagram{nowMs_ + fate.secondDelayMs, order_++, bytes});
}

}  // namespace simLink
