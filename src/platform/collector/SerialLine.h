#pragma once
// A serial line over a POSIX file descriptor: raw 8N1, non-blocking, every
// wait bounded by poll. Used by the driver on a serial device and by the
// terminal simulator on a device or a pseudo-terminal master.

#include <cstddef>
#include <cstdint>
#include <string>

namespace drav::collector {

// Puts a terminal device into raw 8N1 at the given speed. False when fd is
// not a terminal or the speed is not a standard one.
bool configureRaw(int fd, int baud);
bool isSupportedBaud(int baud);

class SerialLine {
public:
    SerialLine() = default;
    explicit SerialLine(int fd) : fd_(fd) {} // takes ownership
    ~SerialLine();
    SerialLine(SerialLine &&other) noexcept;
    SerialLine &operator=(SerialLine &&other) noexcept;
    SerialLine(const SerialLine &) = delete;
    SerialLine &operator=(const SerialLine &) = delete;

    // Opens and configures a serial device. On failure the line stays closed
    // and error says why.
    static SerialLine openDevice(const std::string &path, int baud, std::string &error);

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }

    // Writes every byte unless the line refuses them for timeoutMs.
    bool writeAll(const std::uint8_t *data, std::size_t size, int timeoutMs);
    // Bytes read (> 0), 0 when nothing came within timeoutMs, -1 when the line
    // is gone (hang-up or error).
    long readSome(std::uint8_t *buffer, std::size_t capacity, int timeoutMs);
    // Drops whatever the line has received and not yet read.
    void discardInput();

private:
    void close();
    int fd_ = -1;
};

} // namespace drav::collector
