#include "platform/dialogs/QtDialogService.h"

#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QTranslator>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    drav::dlg::install(std::make_unique<drav::dlg::QtDialogService>());

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("DravTolvera"));
    window.setCentralWidget(new QLabel(QStringLiteral("Controle de Tolvera")));
    window.resize(659, 459);
    window.show();
    return QApplication::exec();
}
