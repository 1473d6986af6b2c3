#include "TerminalSimulator.h"

#include <chrono>
#include <climits>
#include <stdexcept>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace drav::terminalsim {

using namespace collector;

namespace {

constexpr int kPollMs = 50;
// A frame left half-received for this long is given up, so a damaged
// request cannot swallow the next one.
constexpr auto kStaleInput = std::chrono::milliseconds(200);

void checkRecords(const std::vector<Record> &records) {
    if (records.size() > kTerminalCapacity)
        throw std::invalid_argument("o terminal guarda no máximo " + std::to_string(kTerminalCapacity) +
                                    " registros");
    for (const Record &record : records)
        if (!isValidRecord(record))
            throw std::invalid_argument("registro inválido: " + record.timestamp + record.type +
                                        record.value);
}

Frame replyTo(const Frame &request, MessageType type, std::vector<std::uint8_t> payload = {}) {
    return Frame{type, request.seq, std::move(payload)};
}

Frame nak(const Frame &request, NakReason reason) {
    return replyTo(request, MessageType::Nak, {static_cast<std::uint8_t>(reason)});
}

std::optional<std::time_t> localTime(const std::vector<std::uint8_t> &digits) {
    const std::string text(digits.begin(), digits.end());
    if (!isValidTimestamp(text))
        return std::nullopt;
    std::tm parts{};
    parts.tm_year = std::stoi(text.substr(0, 4)) - 1900;
    parts.tm_mon = std::stoi(text.substr(4, 2)) - 1;
    parts.tm_mday = std::stoi(text.substr(6, 2));
    parts.tm_hour = std::stoi(text.substr(8, 2));
    parts.tm_min = std::stoi(text.substr(10, 2));
    parts.tm_sec = std::stoi(text.substr(12, 2));
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}

void damage(std::vector<std::uint8_t> &bytes, std::size_t payloadSize, Corruption mode) {
    if (mode == Corruption::Truncate) {
        bytes.resize(bytes.size() / 2);
        return;
    }
    // A payload byte when there is one, else the CRC.
    const std::size_t at = payloadSize > 0 ? kHeaderSize + payloadSize / 2 : bytes.size() - 1;
    bytes[at] ^= 0x55;
}

} // namespace

TerminalSimulator::TerminalSimulator(std::vector<Record> records) {
    checkRecords(records);
    records_ = std::move(records);
}

TerminalSimulator::~TerminalSimulator() {
    stop();
    if (slaveFd_ >= 0)
        ::close(slaveFd_);
}

std::string TerminalSimulator::openPseudoTerminal() {
    int master = -1;
    int slave = -1;
    char name[PATH_MAX] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        throw std::runtime_error("não foi possível abrir um pseudoterminal");
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    // Raw before anyone writes, or the slave's line discipline echoes.
    configureRaw(slave, 9600);
    line_ = SerialLine(master);
    slaveFd_ = slave;
    devicePath_ = name;
    return devicePath_;
}

void TerminalSimulator::openDevice(const std::string &path, int baud) {
    std::string error;
    line_ = SerialLine::openDevice(path, baud, error);
    if (!line_.isOpen())
        throw std::runtime_error(error);
    devicePath_ = path;
}

void TerminalSimulator::start() {
    if (!line_.isOpen())
        throw std::logic_error("simulator started without a line");
    if (thread_.joinable())
        return;
    stopping_ = false;
    thread_ = std::thread([this] { run(); });
}

void TerminalSimulator::stop() {
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
}

void TerminalSimulator::setCorruption(int everyNthReply, Corruption mode) {
    std::lock_guard lock(mutex_);
    corruptEvery_ = everyNthReply < 0 ? 0 : everyNthReply;
    corruption_ = mode;
    repliesSent_ = 0;
}

void TerminalSimulator::setClockOffset(long seconds) {
    std::lock_guard lock(mutex_);
    clockOffset_ = seconds;
}

long TerminalSimulator::clockOffset() const {
    std::lock_guard lock(mutex_);
    return clockOffset_;
}

std::time_t TerminalSimulator::clock() const {
    return std::time(nullptr) + clockOffset();
}

void TerminalSimulator::setRecords(std::vector<Record> records) {
    checkRecords(records);
    std::lock_guard lock(mutex_);
    records_ = std::move(records);
    snapshot_.reset();
}

std::vector<Record> TerminalSimulator::records() const {
    std::lock_guard lock(mutex_);
    return records_;
}

SimulatorStats TerminalSimulator::stats() const {
    std::lock_guard lock(mutex_);
    return stats_;
}

void TerminalSimulator::setLog(std::function<void(const std::string &)> log) {
    std::lock_guard lock(mutex_);
    log_ = std::move(log);
}

void TerminalSimulator::log(const std::string &text) {
    std::function<void(const std::string &)> sink;
    {
        std::lock_guard lock(mutex_);
        sink = log_;
    }
    if (sink)
        sink(text);
}

void TerminalSimulator::run() {
    std::uint8_t buffer[512];
    auto lastByte = std::chrono::steady_clock::now();
    while (!stopping_) {
        const long n = line_.readSome(buffer, sizeof buffer, kPollMs);
        if (n < 0) {
            // No driver on the other side yet or any more: wait and listen again.
            std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
            continue;
        }
        const auto now = std::chrono::steady_clock::now();
        if (n == 0) {
            if (decoder_.hasPartialInput() && now - lastByte > kStaleInput)
                decoder_.reset();
            continue;
        }
        lastByte = now;
        receive(buffer, static_cast<std::size_t>(n));
    }
}

void TerminalSimulator::receive(const std::uint8_t *data, std::size_t size) {
    {
        std::lock_guard lock(mutex_);
        stats_.bytesIn += size;
    }
    if (silent_) {
        decoder_.reset();
        return;
    }
    decoder_.feed(data, size);
    const std::size_t rejectedBefore = decoder_.rejectedFrames();
    while (auto request = decoder_.next()) {
        if (auto reply = answer(*request))
            send(*reply);
    }
    if (decoder_.rejectedFrames() != rejectedBefore) {
        std::lock_guard lock(mutex_);
        stats_.damagedRequests += decoder_.rejectedFrames() - rejectedBefore;
    }
}

std::optional<Frame> TerminalSimulator::answer(const Frame &request) {
    {
        std::lock_guard lock(mutex_);
        ++stats_.requests;
    }
    switch (request.type) {
    case MessageType::Ping: {
        log("teste de comunicação");
        std::vector<std::uint8_t> payload;
        putU16(payload, static_cast<std::uint16_t>(records().size()));
        return replyTo(request, MessageType::Pong, std::move(payload));
    }
    case MessageType::CollectBegin:
        return collectBegin(request);
    case MessageType::ReadChunk:
        return readChunk(request);
    case MessageType::Erase: {
        std::lock_guard lock(mutex_);
        records_.clear();
        snapshot_.reset();
    }
        log("registros apagados");
        return replyTo(request, MessageType::Erased);
    case MessageType::SetClock:
        return setClock(request);
    default:
        return nak(request, NakReason::UnknownRequest);
    }
}

Frame TerminalSimulator::collectBegin(const Frame &request) {
    std::size_t count;
    {
        std::lock_guard lock(mutex_);
        snapshot_ = records_;
        count = records_.size();
    }
    log("coleta: " + std::to_string(count) + " registros");
    std::vector<std::uint8_t> payload;
    putU16(payload, static_cast<std::uint16_t>(count));
    payload.push_back(static_cast<std::uint8_t>(kRecordsPerChunk));
    return replyTo(request, MessageType::CollectInfo, std::move(payload));
}

Frame TerminalSimulator::readChunk(const Frame &request) {
    const auto index = getU16(request.payload, 0);
    std::lock_guard lock(mutex_);
    if (!snapshot_ || !index || request.payload.size() != 2 || *index >= chunkCount(snapshot_->size()))
        return nak(request, NakReason::BadArgument);
    const auto first = snapshot_->begin() + static_cast<long>(*index * kRecordsPerChunk);
    const std::vector<Record> part(first,
                                   first + static_cast<long>(recordsInChunk(snapshot_->size(), *index)));
    return replyTo(request, MessageType::Chunk, encodeChunk(*index, part));
}

Frame TerminalSimulator::setClock(const Frame &request) {
    const auto when = localTime(request.payload);
    if (!when)
        return nak(request, NakReason::BadArgument);
    setClockOffset(static_cast<long>(*when - std::time(nullptr)));
    log("relógio acertado: " + std::string(request.payload.begin(), request.payload.end()));
    return replyTo(request, MessageType::ClockSet);
}

void TerminalSimulator::send(const Frame &reply) {
    auto bytes = encodeFrame(reply);
    {
        std::lock_guard lock(mutex_);
        ++repliesSent_;
        if (corruptEvery_ > 0 && repliesSent_ % static_cast<std::size_t>(corruptEvery_) == 0) {
            damage(bytes, reply.payload.size(), corruption_);
            ++stats_.corruptedReplies;
        }
        stats_.bytesOut += bytes.size();
    }
    sendPaced(bytes);
}

void TerminalSimulator::sendPaced(const std::vector<std::uint8_t> &bytes) {
    const int baud = paceBaud_;
    if (baud <= 0) {
        line_.writeAll(bytes.data(), bytes.size(), 1000);
        return;
    }
    // Ten bits per byte on an 8N1 line; sent in slices of about 10 ms.
    const std::size_t slice = std::max<std::size_t>(1, static_cast<std::size_t>(baud) / 1000);
    for (std::size_t at = 0; at < bytes.size() && !stopping_; at += slice) {
        const std::size_t size = std::min(slice, bytes.size() - at);
        line_.writeAll(bytes.data() + at, size, 1000);
        std::this_thread::sleep_for(
            std::chrono::microseconds(size * 10'000'000 / static_cast<std::size_t>(baud)));
    }
}

} // namespace drav::terminalsim
