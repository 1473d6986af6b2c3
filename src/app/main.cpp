// The entry sequence: one copy per user session, the splash, the data module
// (which connects, and may create the database), the main window (whose
// creation runs the login and the choice of company and harvest), a pause
// with the splash on screen, then the event loop.
#include "app/CatalogoTelas.h"
#include "app/ConexaoInterativa.h"
#include "app/SequenciaInicio.h"
#include "app/TfmMain.h"
#include "app/TfmSplash.h"
#include "data/TdmDados.h"
#include "platform/shell/Application.h"
#include "platform/ProgramFolder.h"
#include "platform/shell/SingleInstance.h"
#include "platform/dialogs/QtDialogService.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <QTranslator>

namespace {

void instalaTraducoes(QTranslator &qtTranslator) {
    if (qtTranslator.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
}

} // namespace

int main(int argc, char *argv[]) {
    drav::Application app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QTranslator qtTranslator;
    instalaTraducoes(qtTranslator);
    drav::dlg::install(std::make_unique<drav::dlg::QtDialogService>());
    drav::Application::setTitle(QStringLiteral("DravTolvera"));

    drav::SingleInstance instancia(nomeInstanciaUnica());
    if (!primeiraInstancia(instancia))
        return 0;

    auto *splash = new TfmSplash;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    TdmDados dados(drav::programFolder());
    {
        ConexaoInterativa interativa(*splash);
        if (dados.conecta(interativa) == TdmDados::Conexao::Encerrar)
            return 0;
    }

    registraTelasDoSistema();
    TfmMain fmMain(dados);
    QObject::connect(&instancia, &drav::SingleInstance::ativacaoPedida, &fmMain,
                     [&fmMain] { trazParaFrente(&fmMain); });
    if (!fmMain.inicia() || drav::Application::terminated())
        return 0;

    // The splash stays up a little longer; the main window shows when it goes.
    QPointer<TfmSplash> splashVivo(splash);
    QTimer::singleShot(EsperaSplashMs, &fmMain, [&fmMain, splashVivo] {
        fmMain.show();
        if (splashVivo) {
            splashVivo->hide();
            splashVivo->deleteLater();
        }
    });
    return QApplication::exec();
}
