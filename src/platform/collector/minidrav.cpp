// The driver library's four operations. Every call reads the settings file
// afresh, opens the port, does its work and closes the port again.

#include "platform/collector/minidrav.h"

#include "platform/collector/CollectedFile.h"
#include "platform/collector/DriverConfig.h"
#include "platform/collector/Exchange.h"

#include <climits>
#include <cstdlib>
#include <ctime>
#include <exception>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drav::collector {
namespace {

const int anchor = 0;

std::string computeLibraryFolder() {
    Dl_info info{};
    if (::dladdr(&anchor, &info) == 0 || info.dli_fname == nullptr)
        return ".";
    char resolved[PATH_MAX];
    if (::realpath(info.dli_fname, resolved) == nullptr)
        return folderOf(info.dli_fname);
    return folderOf(resolved);
}

const std::string &libraryFolder() {
    static const std::string folder = computeLibraryFolder();
    return folder;
}

// Beside the library, which lies beside the program; a read-only
// installation writes into the user's data folder instead.
std::string computeDataFolder() {
    if (::access(libraryFolder().c_str(), W_OK) == 0)
        return libraryFolder();
    const char *xdg = std::getenv("XDG_DATA_HOME");
    const char *home = std::getenv("HOME");
    const std::string base = xdg && *xdg ? xdg : std::string(home ? home : "/tmp") + "/.local/share";
    const std::string folder = base + "/minidrav";
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        ::mkdir(folder.substr(0, slash).c_str(), 0755);
    ::mkdir(folder.c_str(), 0755);
    return folder;
}

const std::string &dataFilePath() {
    static const std::string path = computeDataFolder() + "/" + kDataFileName;
    return path;
}

template <typename Operation> std::int32_t onPort(std::int32_t port, Operation operation) {
    try {
        const DriverConfig config = loadDriverConfig(libraryFolder() + "/" + kConfigFileName);
        const std::string device = config.deviceFor(port);
        std::string error;
        SerialLine line = device.empty() ? SerialLine() : SerialLine::openDevice(device, config.baud, error);
        if (!line.isOpen())
            return MINIDRAV_PORTA_FECHADA;
        Exchange exchange(line, ExchangeTiming{config.timeoutMs, config.retries, config.baud});
        return operation(exchange);
    } catch (const std::exception &) {
        // Nothing may cross the C boundary; out of memory and the like.
        return MINIDRAV_FALHA_LOCAL;
    }
}

std::int32_t answered(const std::optional<Frame> &reply) {
    return reply ? MINIDRAV_OK : MINIDRAV_SEM_RESPOSTA;
}

std::vector<std::uint8_t> hostClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char digits[kTimestampSize + 1];
    std::strftime(digits, sizeof digits, "%Y%m%d%H%M%S", &local);
    return {digits, digits + kTimestampSize};
}

std::optional<std::size_t> beginCollect(Exchange &exchange) {
    const auto info =
        exchange.request(MessageType::CollectBegin, {}, MessageType::CollectInfo, [](const Frame &frame) {
            const auto count = getU16(frame.payload, 0);
            return frame.payload.size() == 3 && count && *count <= kTerminalCapacity &&
                   frame.payload[2] == kRecordsPerChunk;
        });
    if (!info)
        return std::nullopt;
    return *getU16(info->payload, 0);
}

std::optional<std::vector<Record>> readChunk(Exchange &exchange, std::size_t total, std::size_t index) {
    const auto expected = recordsInChunk(total, index);
    std::optional<Chunk> chunk;
    const auto reply = exchange.request(
        MessageType::ReadChunk,
        [index] {
            std::vector<std::uint8_t> payload;
            putU16(payload, static_cast<std::uint16_t>(index));
            return payload;
        },
        MessageType::Chunk,
        [&](const Frame &frame) {
            chunk = decodeChunk(frame.payload);
            return chunk && chunk->index == index && chunk->records.size() == expected;
        });
    if (!reply)
        return std::nullopt;
    return std::move(chunk->records);
}

std::int32_t collect(Exchange &exchange) {
    const auto total = beginCollect(exchange);
    if (!total)
        return MINIDRAV_SEM_RESPOSTA;
    std::vector<Record> records;
    records.reserve(*total);
    for (std::size_t index = 0; index < chunkCount(*total); ++index) {
        auto chunk = readChunk(exchange, *total, index);
        if (!chunk)
            return MINIDRAV_SEM_RESPOSTA;
        records.insert(records.end(), chunk->begin(), chunk->end());
    }
    std::string error;
    return writeCollectedFile(dataFilePath(), records, error) ? MINIDRAV_OK : MINIDRAV_FALHA_LOCAL;
}

} // namespace
} // namespace drav::collector

using namespace drav::collector;

extern "C" {

int32_t TestaComunicacao(int32_t porta) {
    return onPort(porta, [](Exchange &exchange) {
        return answered(exchange.request(MessageType::Ping, {}, MessageType::Pong,
                                         [](const Frame &frame) { return frame.payload.size() == 2; }));
    });
}

int32_t ColetaDados(int32_t porta) {
    return onPort(porta, collect);
}

int32_t ApagaDados(int32_t porta) {
    return onPort(porta, [](Exchange &exchange) {
        return answered(exchange.request(MessageType::Erase, {}, MessageType::Erased));
    });
}

int32_t EnviaDataHora(int32_t porta) {
    return onPort(porta, [](Exchange &exchange) {
        return answered(exchange.request(MessageType::SetClock, hostClock, MessageType::ClockSet));
    });
}

const char *CaminhoArquivoDados(void) {
    try {
        return dataFilePath().c_str();
    } catch (const std::exception &) {
        return "";
    }
}

} // extern "C"
