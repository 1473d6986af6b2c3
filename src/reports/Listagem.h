#pragma once
// The listings the main menu opens without a filter dialog: the report form
// is made, its query opened for the current company, and either the entry's
// empty message is shown or the report is previewed modally. The form is
// released when the preview closes, when there are no rows, and when the
// query fails (the error goes on to the caller).

#include "data/TdmDados.h"
#include "reports/TFormRelatorio.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

void abreListagem(TFormRelatorio &relatorio, QWidget *dono, const QString &mensagemVazia);

// The catalogue entry of a listing: makes `Relatorio` on the data module for
// one print. With no message from the menu the report's own is shown.
template <class Relatorio> std::function<void(QWidget *, const QString &)> listagemDe() {
    return [](QWidget *dono, const QString &mensagemVazia) {
        const auto relatorio = std::make_unique<Relatorio>(*dmDados);
        abreListagem(*relatorio, dono, mensagemVazia);
    };
}
