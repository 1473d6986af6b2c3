#include "platform/collector/DriverConfig.h"

#include "platform/collector/SerialLine.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <set>
#include <sstream>

#include <sys/stat.h>

namespace drav::collector {

namespace {

constexpr int kFallbackPorts = 32;

std::string trimmed(const std::string &text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool toInt(const std::string &text, int &value) {
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

void setBounded(const std::string &text, int low, int high, int &target) {
    int value = 0;
    if (toInt(text, value) && value >= low && value <= high)
        target = value;
}

void applyLine(const std::string &key, const std::string &value, DriverConfig &config) {
    int port = 0;
    if (key.rfind("COM", 0) == 0 && toInt(key.substr(3), port) && port >= 1) {
        if (!value.empty())
            config.ports[port] = value;
    } else if (key == "TIMEOUT") {
        setBounded(value, 10, 60000, config.timeoutMs);
    } else if (key == "RETRIES") {
        setBounded(value, 0, 20, config.retries);
    } else if (key == "BAUD") {
        int baud = 0;
        if (toInt(value, baud) && isSupportedBaud(baud))
            config.baud = baud;
    }
}

bool exists(const std::string &path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool reportedAbsent(const std::string &typeFile) {
    std::ifstream in(typeFile);
    std::string type;
    return in && std::getline(in, type) && trimmed(type) == "0";
}

} // namespace

std::string DriverConfig::deviceFor(int port) const {
    if (port < 1)
        return {};
    const auto mapped = ports.find(port);
    if (mapped != ports.end())
        return mapped->second;
    return "/dev/ttyS" + std::to_string(port - 1);
}

DriverConfig parseDriverConfig(const std::string &text) {
    DriverConfig config;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        line = trimmed(line);
        const auto equals = line.find('=');
        if (line.empty() || line[0] == '#' || line[0] == ';' || equals == std::string::npos)
            continue;
        applyLine(upper(trimmed(line.substr(0, equals))), trimmed(line.substr(equals + 1)), config);
    }
    return config;
}

DriverConfig loadDriverConfig(const std::string &path) {
    std::ifstream in(path);
    if (!in)
        return DriverConfig{};
    std::ostringstream text;
    text << in.rdbuf();
    return parseDriverConfig(text.str());
}

std::vector<int> availablePortNumbers(const DriverConfig &config, const DeviceRoots &roots) {
    std::set<int> numbers;
    for (const auto &[port, device] : config.ports)
        numbers.insert(port);
    for (int port = 1; port <= kFallbackPorts; ++port) {
        const std::string name = "ttyS" + std::to_string(port - 1);
        if (exists(roots.dev + "/" + name) && !reportedAbsent(roots.sysTty + "/" + name + "/type"))
            numbers.insert(port);
    }
    return {numbers.begin(), numbers.end()};
}

std::string folderOf(const std::string &path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace drav::collector
