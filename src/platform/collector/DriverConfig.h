#pragma once
// The driver's settings file, "minidrav.cfg" beside the driver library:
//
//   # comment
//   COM1=/dev/ttyUSB0      port number 1 is that device
//   COM3=/tmp/terminal     any path: a pseudo-terminal, a symbolic link...
//   Timeout=1000           ms of silence after which a reply is given up
//   Retries=3              further attempts after the first one
//   Baud=9600              line speed
//
// Keys are case-insensitive. A port without a COMn line is /dev/ttyS<n-1>,
// so COM1 is /dev/ttyS0 as on any Linux PC. A missing file means defaults.

#include <map>
#include <string>
#include <vector>

namespace drav::collector {

inline constexpr const char *kConfigFileName = "minidrav.cfg";
inline constexpr const char *kDataFileName = "DATAMD.TMD";

struct DriverConfig {
    std::map<int, std::string> ports; // COMn -> device
    int timeoutMs = 1000;
    int retries = 3;
    int baud = 9600;

    // The device of a port number: its COMn line, else /dev/ttyS<n-1>.
    // Empty for numbers below 1.
    std::string deviceFor(int port) const;
};

// Unknown keys and malformed lines are ignored; out-of-range numbers keep
// their defaults.
DriverConfig parseDriverConfig(const std::string &text);
DriverConfig loadDriverConfig(const std::string &path);

// Where the system's serial devices live; tests point these elsewhere.
struct DeviceRoots {
    std::string dev = "/dev";
    std::string sysTty = "/sys/class/tty";
};

// The port numbers worth offering: every COMn of the file, then every n
// (1..32) whose /dev/ttyS<n-1> exists and is not reported absent by the
// kernel (its sysfs "type" is 0). Ascending, no repeats.
std::vector<int> availablePortNumbers(const DriverConfig &config, const DeviceRoots &roots = {});

std::string folderOf(const std::string &path);

} // namespace drav::collector
