#include "platform/collector/Protocol.h"

#include <algorithm>

namespace drav::collector {

std::uint16_t crc16(const std::uint8_t *data, std::size_t size) {
    std::uint16_t crc = 0xFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= static_cast<std::uint16_t>(data[i] << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<std::uint16_t>((crc << 1) ^ 0x1021)
                                 : static_cast<std::uint16_t>(crc << 1);
    }
    return crc;
}

void putU16(std::vector<std::uint8_t> &out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

std::optional<std::uint16_t> getU16(const std::vector<std::uint8_t> &in, std::size_t at) {
    if (at + 2 > in.size())
        return std::nullopt;
    return static_cast<std::uint16_t>((in[at] << 8) | in[at + 1]);
}

std::vector<std::uint8_t> encodeFrame(const Frame &frame) {
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + frame.payload.size() + kCrcSize);
    out.push_back(kStx);
    out.push_back(static_cast<std::uint8_t>(frame.type));
    out.push_back(frame.seq);
    putU16(out, static_cast<std::uint16_t>(frame.payload.size()));
    out.insert(out.end(), frame.payload.begin(), frame.payload.end());
    putU16(out, crc16(out.data() + 1, out.size() - 1));
    return out;
}

void FrameDecoder::feed(const std::uint8_t *data, std::size_t size) {
    buffer_.insert(buffer_.end(), data, data + size);
}

std::optional<Frame> FrameDecoder::next() {
    for (;;) {
        auto stx = std::find(buffer_.begin(), buffer_.end(), kStx);
        buffer_.erase(buffer_.begin(), stx);
        if (buffer_.size() < kHeaderSize)
            return std::nullopt;
        const std::size_t length = static_cast<std::size_t>((buffer_[3] << 8) | buffer_[4]);
        if (length > kMaxPayload) {
            // Not a frame start after all: resume past this STX.
            buffer_.erase(buffer_.begin());
            ++rejected_;
            continue;
        }
        const std::size_t total = kHeaderSize + length + kCrcSize;
        if (buffer_.size() < total)
            return std::nullopt;
        const auto expected = crc16(buffer_.data() + 1, kHeaderSize - 1 + length);
        const auto received = static_cast<std::uint16_t>((buffer_[total - 2] << 8) | buffer_[total - 1]);
        if (expected != received) {
            buffer_.erase(buffer_.begin());
            ++rejected_;
            continue;
        }
        Frame frame;
        frame.type = static_cast<MessageType>(buffer_[1]);
        frame.seq = buffer_[2];
        frame.payload.assign(buffer_.begin() + kHeaderSize, buffer_.begin() + kHeaderSize + length);
        buffer_.erase(buffer_.begin(), buffer_.begin() + total);
        return frame;
    }
}

namespace {

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isPrintable(char c) {
    return c >= 0x20 && c <= 0x7E;
}

int number(std::string_view digits) {
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace

bool isValidTimestamp(std::string_view digits) {
    if (digits.size() != kTimestampSize || !allDigits(digits))
        return false;
    const int year = number(digits.substr(0, 4));
    const int month = number(digits.substr(4, 2));
    const int day = number(digits.substr(6, 2));
    return year >= 1900 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month) &&
           number(digits.substr(8, 2)) < 24 && number(digits.substr(10, 2)) < 60 &&
           number(digits.substr(12, 2)) < 60;
}

bool isValidRecord(const Record &record) {
    // The timestamp is taken as the terminal stored it: digits, but no
    // calendar check, since the reader copes with impossible dates.
    return record.timestamp.size() == kTimestampSize && allDigits(record.timestamp) &&
           (record.type == 'F' || record.type == '3' || record.type == '4') &&
           record.value.size() == kValueSize &&
           std::all_of(record.value.begin(), record.value.end(), isPrintable);
}

void appendRecord(std::vector<std::uint8_t> &out, const Record &record) {
    out.insert(out.end(), record.timestamp.begin(), record.timestamp.end());
    out.push_back(static_cast<std::uint8_t>(record.type));
    out.insert(out.end(), record.value.begin(), record.value.end());
}

std::optional<Record> readRecord(const std::vector<std::uint8_t> &in, std::size_t at) {
    if (at + kRecordSize > in.size())
        return std::nullopt;
    const auto *bytes = reinterpret_cast<const char *>(in.data() + at);
    Record record{std::string(bytes, kTimestampSize), bytes[kTimestampSize],
                  std::string(bytes + kTimestampSize + 1, kValueSize)};
    if (!isValidRecord(record))
        return std::nullopt;
    return record;
}

std::vector<std::uint8_t> encodeChunk(std::uint16_t index, const std::vector<Record> &records) {
    std::vector<std::uint8_t> out;
    putU16(out, index);
    out.push_back(static_cast<std::uint8_t>(records.size()));
    for (const Record &record : records)
        appendRecord(out, record);
    return out;
}

std::optional<Chunk> decodeChunk(const std::vector<std::uint8_t> &payload) {
    if (payload.size() < 3)
        return std::nullopt;
    Chunk chunk;
    chunk.index = *getU16(payload, 0);
    const std::size_t count = payload[2];
    if (count > kRecordsPerChunk || payload.size() != 3 + count * kRecordSize)
        return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
        auto record = readRecord(payload, 3 + i * kRecordSize);
        if (!record)
            return std::nullopt;
        chunk.records.push_back(std::move(*record));
    }
    return chunk;
}

std::size_t chunkCount(std::size_t records) {
    return (records + kRecordsPerChunk - 1) / kRecordsPerChunk;
}

std::size_t recordsInChunk(std::size_t records, std::size_t index) {
    const std::size_t first = index * kRecordsPerChunk;
    return first >= records ? 0 : std::min(kRecordsPerChunk, records - first);
}

} // namespace drav::collector
