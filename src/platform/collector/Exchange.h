#pragma once
// The driver's side of one request: send, wait for the matching reply,
// retry on silence, bad frames, unfitting replies and NAKs.

#include "platform/collector/Protocol.h"
#include "platform/collector/SerialLine.h"

#include <functional>

namespace drav::collector {

struct ExchangeTiming {
    int timeoutMs = 1000; // silence after which an attempt is given up
    int retries = 3;
    int baud = 9600; // bounds how long a streaming reply may take
};

class Exchange {
public:
    using Payload = std::function<std::vector<std::uint8_t>()>;
    using Accept = std::function<bool(const Frame &)>;

    Exchange(SerialLine &line, ExchangeTiming timing);

    // The accepted reply, or nullopt when every attempt failed. payload is
    // built afresh for each attempt.
    std::optional<Frame> request(MessageType type, const Payload &payload, MessageType replyType,
                                 const Accept &accept = {});

private:
    enum class Outcome { Reply, Retry, LineGone };
    Outcome attempt(MessageType type, const std::vector<std::uint8_t> &payload, MessageType replyType,
                    const Accept &accept, Frame &reply);
    Outcome awaitReply(std::uint8_t seq, MessageType replyType, const Accept &accept, Frame &reply);
    int overallLimitMs() const;

    SerialLine &line_;
    ExchangeTiming timing_;
    std::uint8_t seq_;
    FrameDecoder decoder_;
};

} // namespace drav::collector
