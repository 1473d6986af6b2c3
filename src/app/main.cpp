#include "app/ConexaoInterativa.h"
#include "app/TfmSplash.h"
#include "data/TdmDados.h"
#include "platform/ProgramFolder.h"
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

    TfmSplash splash;
    splash.show();
    QApplication::processEvents();

    TdmDados dados(drav::programFolder());
    ConexaoInterativa interativa(splash);
    if (dados.conecta(interativa) == TdmDados::Conexao::Encerrar)
        return 0;

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("DravTolvera"));
    window.setCentralWidget(new QLabel(QStringLiteral("Controle de Tolvera")));
    window.resize(659, 459);
    window.show();
    splash.hide();
    return QApplication::exec();
}
