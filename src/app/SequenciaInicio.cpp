#include "app/SequenciaInicio.h"

#include "platform/shell/SingleInstance.h"
#include "platform/dialogs/Dialogs.h"

#include <QWidget>

QString nomeInstanciaUnica() { return QStringLiteral("DravTolvera - Controle de Apontamentos"); }

bool primeiraInstancia(drav::SingleInstance &instancia) {
    if (instancia.inicia())
        return true;
    drav::dlg::aviso(QStringLiteral("Já existe uma Aplicação do DravTolvera em Execução"),
                     drav::dlg::Icon::Warning);
    return false;
}

void trazParaFrente(QWidget *janela) {
    if (!janela->isVisible())
        return;  // still starting: it shows itself when ready
    janela->setWindowState((janela->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    janela->raise();
    janela->activateWindow();
}
