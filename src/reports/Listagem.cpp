#include "reports/Listagem.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/report/Preview.h"

void abreListagem(TFormRelatorio &relatorio, QWidget *dono, const QString &mensagemVazia) {
    if (!relatorio.abre()) {
        drav::dlg::aviso(mensagemVazia.isEmpty() ? relatorio.mensagemVazia() : mensagemVazia,
                         drav::dlg::Icon::Warning);
        return;
    }
    drav::report::preview(relatorio.QuickRep1, dono);
}
