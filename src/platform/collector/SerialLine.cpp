#include "platform/collector/SerialLine.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace drav::collector {

namespace {

bool speedFor(int baud, speed_t &speed) {
    switch (baud) {
    case 1200:
        speed = B1200;
        return true;
    case 2400:
        speed = B2400;
        return true;
    case 4800:
        speed = B4800;
        return true;
    case 9600:
        speed = B9600;
        return true;
    case 19200:
        speed = B19200;
        return true;
    case 38400:
        speed = B38400;
        return true;
    case 57600:
        speed = B57600;
        return true;
    case 115200:
        speed = B115200;
        return true;
    default:
        return false;
    }
}

// Waits for the events on fd; the poll result, retried on EINTR.
int waitFor(int fd, short events, int timeoutMs, short &revents) {
    pollfd entry{fd, events, 0};
    int ready;
    do {
        ready = ::poll(&entry, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    revents = entry.revents;
    return ready;
}

} // namespace

bool isSupportedBaud(int baud) {
    speed_t speed;
    return speedFor(baud, speed);
}

bool configureRaw(int fd, int baud) {
    speed_t speed;
    termios settings{};
    if (!speedFor(baud, speed) || ::tcgetattr(fd, &settings) != 0)
        return false;
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    ::cfsetispeed(&settings, speed);
    ::cfsetospeed(&settings, speed);
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

SerialLine::~SerialLine() {
    close();
}

SerialLine::SerialLine(SerialLine &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

SerialLine &SerialLine::operator=(SerialLine &&other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void SerialLine::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

SerialLine SerialLine::openDevice(const std::string &path, int baud, std::string &error) {
    // O_NONBLOCK: a modem line without carrier must not block the open.
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = path + ": " + std::strerror(errno);
        return SerialLine();
    }
    SerialLine line(fd);
    if (!::isatty(fd)) {
        error = path + ": not a serial device";
        return SerialLine();
    }
    if (!configureRaw(fd, baud)) {
        error = path + ": cannot configure the line";
        return SerialLine();
    }
    line.discardInput();
    return line;
}

bool SerialLine::writeAll(const std::uint8_t *data, std::size_t size, int timeoutMs) {
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd_, data + written, size - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        short revents = 0;
        if (waitFor(fd_, POLLOUT, timeoutMs, revents) <= 0 || (revents & (POLLERR | POLLNVAL)))
            return false;
    }
    return true;
}

long SerialLine::readSome(std::uint8_t *buffer, std::size_t capacity, int timeoutMs) {
    short revents = 0;
    const int ready = waitFor(fd_, POLLIN, timeoutMs, revents);
    if (ready < 0)
        return -1;
    if (ready == 0)
        return 0;
    const ssize_t n = ::read(fd_, buffer, capacity);
    if (n > 0)
        return static_cast<long>(n);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return 0;
    return -1; // end of file, hang-up (EIO on a pseudo-terminal) or error
}

void SerialLine::discardInput() {
    if (fd_ >= 0)
        ::tcflush(fd_, TCIFLUSH);
}

} // namespace drav::collector
