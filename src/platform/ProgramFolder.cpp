#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace drav {

QString programFolder() {
    static const QString folder = [] {
        const QString exeDir = QCoreApplication::applicationDirPath();
        if (QFileInfo(exeDir).isWritable())
            return QDir(exeDir).absolutePath() + u'/';
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(data);
        return QDir(data).absolutePath() + u'/';
    }();
    return folder;
}

} // namespace drav
