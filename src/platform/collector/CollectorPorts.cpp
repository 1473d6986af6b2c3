#include "platform/collector/CollectorPorts.h"

#include "platform/collector/DriverConfig.h"

#include <QFile>

#include <algorithm>

namespace drav::collector {

QStringList collectorPortNames(const QString &folder) {
    const DeviceRoots roots;
    return collectorPortNames(folder, QFile::decodeName(roots.dev.c_str()),
                              QFile::decodeName(roots.sysTty.c_str()));
}

QStringList collectorPortNames(const QString &folder, const QString &devRoot, const QString &sysTtyRoot) {
    const auto config = loadDriverConfig(
        QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(kConfigFileName)).toStdString());
    const DeviceRoots roots{QFile::encodeName(devRoot).toStdString(),
                            QFile::encodeName(sysTtyRoot).toStdString()};
    QStringList names;
    for (int number : availablePortNumbers(config, roots))
        names << QStringLiteral("COM%1").arg(number);
    return names;
}

qint32 portNumberFromName(const QString &name) {
    if (!name.startsWith(QLatin1String("COM")))
        return 0;
    const QString digits = name.mid(3);
    bool isNumber = false;
    const int number = digits.toInt(&isNumber);
    const bool plainDigits =
        !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    return isNumber && plainDigits && number > 0 ? number : 0;
}

} // namespace drav::collector
