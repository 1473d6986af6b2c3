#include "platform/collector/CollectorDriver.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace drav::collector {

namespace {

// The library ships with the executable, so it is looked for there, not in
// the (possibly redirected) folder for the program's data.
QString executableFolder() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

} // namespace

QString CollectorDriver::libraryFileName() {
    return QStringLiteral("libminidrav.so");
}

QString CollectorDriver::defaultLibraryPath() {
    return executableFolder() + QLatin1Char('/') + libraryFileName();
}

CollectorDriver::CollectorDriver(const QString &libraryPath) : libraryPath_(libraryPath) {
    // A path with a slash keeps dlopen from searching elsewhere.
    const QString absolute = QFileInfo(libraryPath).absoluteFilePath();
    handle_ = ::dlopen(QFile::encodeName(absolute).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_)
        throw DriverLoadError(QStringLiteral("Não foi possível carregar a biblioteca do coletor \"%1\": %2")
                                  .arg(libraryPath, QString::fromLocal8Bit(::dlerror())));
    try {
        testaComunicacao_ = reinterpret_cast<Operation>(resolve("TestaComunicacao"));
        coletaDados_ = reinterpret_cast<Operation>(resolve("ColetaDados"));
        apagaDados_ = reinterpret_cast<Operation>(resolve("ApagaDados"));
        enviaDataHora_ = reinterpret_cast<Operation>(resolve("EnviaDataHora"));
        dataFilePath_ = reinterpret_cast<PathFunction>(resolve("CaminhoArquivoDados"));
    } catch (...) {
        ::dlclose(handle_);
        throw;
    }
}

CollectorDriver::~CollectorDriver() {
    ::dlclose(handle_);
}

void *CollectorDriver::resolve(const char *name) const {
    ::dlerror();
    void *symbol = ::dlsym(handle_, name);
    if (!symbol)
        throw DriverLoadError(QStringLiteral("A biblioteca do coletor \"%1\" não contém a função \"%2\".")
                                  .arg(libraryPath_, QString::fromLatin1(name)));
    return symbol;
}

QString CollectorDriver::dataFilePath() const {
    return QFile::decodeName(dataFilePath_());
}

} // namespace drav::collector
