#include "platform/collector/Exchange.h"

#include <algorithm>
#include <chrono>

namespace drav::collector {

namespace {

using Clock = std::chrono::steady_clock;

int msUntil(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

std::uint8_t initialSeq() {
    // Differs between sessions, so that nothing left on the line from an
    // earlier session can pass for a reply.
    return static_cast<std::uint8_t>(Clock::now().time_since_epoch().count());
}

} // namespace

Exchange::Exchange(SerialLine &line, ExchangeTiming timing)
    : line_(line), timing_(timing), seq_(initialSeq()) {}

std::optional<Frame> Exchange::request(MessageType type, const Payload &payload, MessageType replyType,
                                       const Accept &accept) {
    Frame reply;
    for (int attemptNo = 0; attemptNo <= timing_.retries; ++attemptNo) {
        const auto outcome =
            attempt(type, payload ? payload() : std::vector<std::uint8_t>{}, replyType, accept, reply);
        if (outcome == Outcome::Reply)
            return reply;
        if (outcome == Outcome::LineGone)
            break;
    }
    return std::nullopt;
}

Exchange::Outcome Exchange::attempt(MessageType type, const std::vector<std::uint8_t> &payload,
                                    MessageType replyType, const Accept &accept, Frame &reply) {
    ++seq_;
    line_.discardInput();
    decoder_.reset();
    const auto bytes = encodeFrame(Frame{type, seq_, payload});
    if (!line_.writeAll(bytes.data(), bytes.size(), timing_.timeoutMs))
        return Outcome::Retry;
    return awaitReply(seq_, replyType, accept, reply);
}

Exchange::Outcome Exchange::awaitReply(std::uint8_t seq, MessageType replyType, const Accept &accept,
                                       Frame &reply) {
    const auto giveUp = Clock::now() + std::chrono::milliseconds(overallLimitMs());
    std::uint8_t buffer[512];
    for (;;) {
        const long n = line_.readSome(buffer, sizeof buffer, std::min(timing_.timeoutMs, msUntil(giveUp)));
        if (n < 0)
            return Outcome::LineGone;
        if (n == 0)
            return Outcome::Retry; // silence, or the overall limit ran out
        decoder_.feed(buffer, static_cast<std::size_t>(n));
        const std::size_t rejectedBefore = decoder_.rejectedFrames();
        while (auto frame = decoder_.next()) {
            if (frame->seq != seq)
                continue; // a late reply to an earlier attempt
            if (frame->type == replyType && (!accept || accept(*frame))) {
                reply = std::move(*frame);
                return Outcome::Reply;
            }
            return Outcome::Retry; // a NAK, or a reply that does not fit
        }
        if (decoder_.rejectedFrames() != rejectedBefore)
            return Outcome::Retry; // a damaged frame: ask again at once
    }
}

int Exchange::overallLimitMs() const {
    // Silence ends an attempt; this bounds a line that never goes quiet:
    // twice the time the longest frame needs at the line's speed.
    const long frameBits = static_cast<long>(kHeaderSize + kMaxPayload + kCrcSize) * 10;
    return timing_.timeoutMs + static_cast<int>(2 * frameBits * 1000 / timing_.baud);
}

} // namespace drav::collector
