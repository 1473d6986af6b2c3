#pragma once
// The serial protocol between the collector driver (libminidrav) and the
// terminal. Both ends are ours: the driver and the terminal simulator.
//
// Line: 8 data bits, no parity, 1 stop bit, raw mode, speed from the driver's
// configuration (9600 by default). The driver asks, the terminal answers;
// there is never more than one request in flight.
//
// Frame (all multi-byte numbers big-endian):
//
//   STX 0x02 | type (1) | seq (1) | length (2) | payload (length) | crc (2)
//
//   - type: one ASCII letter, upper case for requests, lower case for replies.
//   - seq: chosen by the driver per attempt; the reply echoes it, so a late
//     reply to an earlier attempt is recognised and dropped.
//   - length: payload bytes, at most kMaxPayload; a larger length is noise.
//   - crc: CRC-16/CCITT-FALSE (poly 0x1021, init 0xFFFF) over type, seq,
//     length and payload.
//   No byte stuffing: the decoder hunts for STX and accepts a frame only when
//   its length and CRC hold; after a bad frame it resumes one byte past the
//   STX, so it resynchronises on the next good frame.
//
// Requests and replies:
//
//   'P' ping            -> 'p' u16 record count
//   'C' collect begin   -> 'c' u16 record count, u8 records per chunk.
//                          The terminal takes a snapshot; chunks index into it.
//   'R' u16 chunk index -> 'r' u16 chunk index, u8 count, count records
//   'E' erase           -> 'e' (records and snapshot are gone)
//   'T' 14 ASCII digits -> 't' (terminal clock := yyyyMMddhhmmss, local time)
//   unfitting request   -> 'n' u8 reason (NakReason)
//   damaged request     -> nothing; the driver's timeout brings the retry
//
// A record is kRecordSize printable ASCII bytes: the timestamp yyyyMMddhhmmss
// (14 digits), the type ('F' iButton read, '3' service-order number,
// '4' quantity) and the value (5 characters).
//
// Reliability: the driver waits for a reply until the line stays quiet for
// its timeout. A timeout, a bad frame, a reply that does not fit the request
// (wrong type, wrong chunk, wrong record count, an invalid record) or a NAK
// costs one attempt; the driver then discards pending input and sends the
// request again with a new seq. Asking for chunk n+1 acknowledges chunk n;
// asking for chunk n again rejects it. Every request is idempotent, so a
// retry never does harm. When the attempts run out the terminal "does not
// answer".

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drav::collector {

inline constexpr std::uint8_t kStx = 0x02;
inline constexpr std::size_t kHeaderSize = 5; // STX, type, seq, length
inline constexpr std::size_t kCrcSize = 2;
inline constexpr std::size_t kMaxPayload = 1024;
inline constexpr std::size_t kRecordSize = 20;
inline constexpr std::size_t kTimestampSize = 14;
inline constexpr std::size_t kValueSize = 5;
inline constexpr std::size_t kRecordsPerChunk = 32;
// The terminal's memory holds this many records.
inline constexpr std::size_t kTerminalCapacity = 6502;

enum class MessageType : char {
    Ping = 'P',
    Pong = 'p',
    CollectBegin = 'C',
    CollectInfo = 'c',
    ReadChunk = 'R',
    Chunk = 'r',
    Erase = 'E',
    Erased = 'e',
    SetClock = 'T',
    ClockSet = 't',
    Nak = 'n',
};

enum class NakReason : std::uint8_t {
    UnknownRequest = 2,
    BadArgument = 3, // wrong payload, chunk out of range, no snapshot
};

struct Frame {
    MessageType type{};
    std::uint8_t seq = 0;
    std::vector<std::uint8_t> payload;
};

// One terminal record, as it travels and as it is stored.
struct Record {
    std::string timestamp; // yyyyMMddhhmmss
    char type = 'F';
    std::string value; // 5 characters

    bool operator==(const Record &) const = default;
};

std::uint16_t crc16(const std::uint8_t *data, std::size_t size);

std::vector<std::uint8_t> encodeFrame(const Frame &frame);

// Incremental decoder: feed it bytes as they arrive, take frames out.
class FrameDecoder {
public:
    void feed(const std::uint8_t *data, std::size_t size);
    // The next complete, valid frame, if any. Invalid frames met on the way
    // are dropped and counted.
    std::optional<Frame> next();
    std::size_t rejectedFrames() const { return rejected_; }
    bool hasPartialInput() const { return !buffer_.empty(); }
    void reset() { buffer_.clear(); }

private:
    std::vector<std::uint8_t> buffer_;
    std::size_t rejected_ = 0;
};

// Payload helpers.
void putU16(std::vector<std::uint8_t> &out, std::uint16_t value);
std::optional<std::uint16_t> getU16(const std::vector<std::uint8_t> &in, std::size_t at);

// A record is valid when its timestamp is 14 digits, its type is F, 3 or 4
// and its value is 5 printable ASCII characters.
bool isValidRecord(const Record &record);
void appendRecord(std::vector<std::uint8_t> &out, const Record &record);
std::optional<Record> readRecord(const std::vector<std::uint8_t> &in, std::size_t at);

std::vector<std::uint8_t> encodeChunk(std::uint16_t index, const std::vector<Record> &records);
struct Chunk {
    std::uint16_t index = 0;
    std::vector<Record> records;
};
// Nullopt when the payload is short, long or holds an invalid record.
std::optional<Chunk> decodeChunk(const std::vector<std::uint8_t> &payload);

std::size_t chunkCount(std::size_t records);
std::size_t recordsInChunk(std::size_t records, std::size_t index);

// 14 digits forming a real calendar date and time of day.
bool isValidTimestamp(std::string_view digits);

} // namespace drav::collector
