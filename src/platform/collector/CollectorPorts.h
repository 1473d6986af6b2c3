#pragma once
// The serial ports the collector dialog offers, as "COMn" names whose number
// is the driver's port number (see DriverConfig.h for how numbers map to
// devices).

#include <QString>
#include <QStringList>

namespace drav::collector {

// "COM1", "COM2", ... for every port named in the driver's settings file in
// folder and every present /dev/ttyS<n-1>; ascending.
QStringList collectorPortNames(const QString &folder);
QStringList collectorPortNames(const QString &folder, const QString &devRoot, const QString &sysTtyRoot);

// The number after "COM" in a port name; 0 when the name has none.
qint32 portNumberFromName(const QString &name);

} // namespace drav::collector
