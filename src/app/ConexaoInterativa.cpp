#include "app/ConexaoInterativa.h"

#include "app/TfmConfigDB.h"
#include "app/TfmSplash.h"
#include "platform/dialogs/Dialogs.h"

std::optional<DadosConexao> ConexaoInterativa::pedeConexao() {
    TfmConfigDB dialogo;
    if (drav::dlg::service().execModal(&dialogo) != QDialog::Accepted)
        return std::nullopt;
    return dialogo.dados();
}

void ConexaoInterativa::mostraProgresso(int posicao) { splash_.mostraProgresso(posicao); }

void ConexaoInterativa::escondeProgresso() { splash_.escondeProgresso(); }
