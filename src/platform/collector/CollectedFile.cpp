#include "platform/collector/CollectedFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drav::collector {

namespace {

constexpr std::size_t kTimestampAt = 1; // zero-based column of position 2
constexpr std::size_t kTypeAt = 25;
constexpr std::size_t kValueAt = 26;

bool writeFully(int fd, const std::string &text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

std::string contents(const std::vector<Record> &records) {
    std::string text;
    text.reserve(records.size() * (kLineLength + 2));
    for (const Record &record : records)
        text += formatLine(record) + "\r\n";
    return text;
}

} // namespace

std::string formatLine(const Record &record) {
    std::string line(kLineLength, ' ');
    line.replace(kTimestampAt, kTimestampSize, record.timestamp);
    line[kTypeAt] = record.type;
    line.replace(kValueAt, kValueSize, record.value);
    return line;
}

std::optional<Record> parseLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.size() != kLineLength)
        return std::nullopt;
    Record record{std::string(line.substr(kTimestampAt, kTimestampSize)), line[kTypeAt],
                  std::string(line.substr(kValueAt, kValueSize))};
    if (!isValidRecord(record))
        return std::nullopt;
    return record;
}

bool writeCollectedFile(const std::string &path, const std::vector<Record> &records, std::string &error) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = ::fchmod(fd, 0644) == 0 && writeFully(fd, contents(records)) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(written && closed ? errno : savedErrno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool readCollectedFile(const std::string &path, std::vector<Record> &records, std::string &error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    records.clear();
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line == "\r")
            continue;
        auto record = parseLine(line);
        if (!record) {
            error = path + ":" + std::to_string(number) + ": not a record in the collected-data layout";
            return false;
        }
        records.push_back(std::move(*record));
    }
    return true;
}

} // namespace drav::collector
