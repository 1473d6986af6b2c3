#pragma once
// Loads the collector terminal's driver library at run time and offers its
// four operations. The library is "libminidrav.so" in the program's folder
// unless a path is given; its settings file and the collected-data file lie
// beside it.

#include <QString>

#include <stdexcept>

namespace drav::collector {

// The statuses the driver returns; any other value is to be ignored.
namespace status {
inline constexpr qint32 Done = 0;
inline constexpr qint32 NoAnswer = 1;
inline constexpr qint32 PortUnavailable = 2;
} // namespace status

// The library or one of its functions is missing; message() is for the user.
class DriverLoadError : public std::runtime_error {
public:
    explicit DriverLoadError(QString message)
        : std::runtime_error(message.toStdString()), message_(std::move(message)) {}
    const QString &message() const { return message_; }

private:
    QString message_;
};

class CollectorDriver {
public:
    static QString libraryFileName();
    static QString defaultLibraryPath();

    // Throws DriverLoadError when the library cannot be loaded or lacks one
    // of its functions.
    explicit CollectorDriver(const QString &libraryPath = defaultLibraryPath());
    ~CollectorDriver();
    CollectorDriver(const CollectorDriver &) = delete;
    CollectorDriver &operator=(const CollectorDriver &) = delete;

    qint32 testaComunicacao(qint32 port) const { return testaComunicacao_(port); }
    qint32 coletaDados(qint32 port) const { return coletaDados_(port); }
    qint32 apagaDados(qint32 port) const { return apagaDados_(port); }
    qint32 enviaDataHora(qint32 port) const { return enviaDataHora_(port); }

    // Where a successful collect leaves the terminal's records.
    QString dataFilePath() const;
    const QString &libraryPath() const { return libraryPath_; }

private:
    using Operation = qint32 (*)(qint32);
    using PathFunction = const char *(*)();
    void *resolve(const char *name) const;

    QString libraryPath_;
    void *handle_ = nullptr;
    Operation testaComunicacao_ = nullptr;
    Operation coletaDados_ = nullptr;
    Operation apagaDados_ = nullptr;
    Operation enviaDataHora_ = nullptr;
    PathFunction dataFilePath_ = nullptr;
};

} // namespace drav::collector
