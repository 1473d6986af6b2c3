#pragma once
// The collector terminal, simulated: answers the driver's requests on a
// serial device or on a pseudo-terminal it opens itself. Runs in its own
// thread, so tests can drive it in-process; every control is thread-safe.

#include "platform/collector/Protocol.h"
#include "platform/collector/SerialLine.h"

#include <atomic>
#include <ctime>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace drav::terminalsim {

using collector::Frame;
using collector::Record;

enum class Corruption {
    Flip,     // one byte of the frame changed
    Truncate, // only the first half of the frame sent
};

struct SimulatorStats {
    std::size_t bytesIn = 0;
    std::size_t bytesOut = 0;
    std::size_t requests = 0;
    std::size_t damagedRequests = 0;
    std::size_t corruptedReplies = 0;
};

class TerminalSimulator {
public:
    // Throws std::invalid_argument for more records than the terminal holds
    // or an invalid record.
    explicit TerminalSimulator(std::vector<Record> records = {});
    ~TerminalSimulator();
    TerminalSimulator(const TerminalSimulator &) = delete;
    TerminalSimulator &operator=(const TerminalSimulator &) = delete;

    // Opens a pseudo-terminal pair; returns the path the driver opens.
    std::string openPseudoTerminal();
    void openDevice(const std::string &path, int baud);
    const std::string &devicePath() const { return devicePath_; }

    void start();
    void stop();

    void setSilent(bool silent) { silent_ = silent; }
    // Every n-th reply goes out damaged; 0 turns that off.
    void setCorruption(int everyNthReply, Corruption mode = Corruption::Flip);
    // Sends no faster than this line speed would allow; 0 = no pacing.
    void setPaceBaud(int baud) { paceBaud_ = baud; }

    void setClockOffset(long seconds);
    long clockOffset() const;
    std::time_t clock() const;

    void setRecords(std::vector<Record> records);
    std::vector<Record> records() const;
    SimulatorStats stats() const;

    // Receives one line per request handled (for the command-line tool).
    void setLog(std::function<void(const std::string &)> log);

private:
    void run();
    void receive(const std::uint8_t *data, std::size_t size);
    std::optional<Frame> answer(const Frame &request);
    Frame collectBegin(const Frame &request);
    Frame readChunk(const Frame &request);
    Frame setClock(const Frame &request);
    void send(const Frame &reply);
    void sendPaced(const std::vector<std::uint8_t> &bytes);
    void log(const std::string &text);

    collector::SerialLine line_;
    int slaveFd_ = -1; // held open so the master side never sees a hang-up
    std::string devicePath_;
    collector::FrameDecoder decoder_;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> silent_{false};
    std::atomic<int> paceBaud_{0};

    mutable std::mutex mutex_;
    std::vector<Record> records_;
    std::optional<std::vector<Record>> snapshot_;
    long clockOffset_ = 0;
    int corruptEvery_ = 0;
    Corruption corruption_ = Corruption::Flip;
    std::size_t repliesSent_ = 0;
    SimulatorStats stats_;
    std::function<void(const std::string &)> log_;
};

} // namespace drav::terminalsim
