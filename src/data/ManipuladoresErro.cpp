#include "data/ManipuladoresErro.h"

#include "platform/dialogs/Dialogs.h"

namespace dlg = drav::dlg;
using drav::db::DbError;
using drav::ds::ErrorAction;

namespace {

void aviso(const QString &texto) { dlg::message(QStringLiteral("Aviso"), texto, dlg::Icon::Information, dlg::Ok); }

void erroBanco(const DbError &e) {
    dlg::message(QStringLiteral("DravTolvera"), mensagemErroBanco(e), dlg::Icon::None, dlg::Ok);
}

// The caption of a required field left empty, from the standard text
// "Field '<caption>' must have a value"; nullopt for any other error.
std::optional<QString> campoObrigatorio(const std::exception &erro) {
    const QString texto = QString::fromUtf8(erro.what());
    if (!texto.toUpper().contains(QStringLiteral("MUST HAVE A VALUE")))
        return std::nullopt;
    const int primeiro = texto.indexOf(u'\'');
    const int segundo = primeiro < 0 ? -1 : texto.indexOf(u'\'', primeiro + 1);
    return segundo < 0 ? QString() : texto.mid(primeiro + 1, segundo - primeiro - 1);
}

} // namespace

QString mensagemErroBanco(const DbError &e) {
    return QStringLiteral("Erro no banco de dados: %1\r\rMensagem .............: %2\r\rStatusCode ...........: %3")
        .arg(e.code())
        .arg(e.message(), e.sqlState());
}

ErrorAction QyOnPostError(drav::ds::Dataset &, const std::exception &erro) {
    if (const auto campo = campoObrigatorio(erro)) {
        aviso(QStringLiteral("É obrigatório o preenchimento do campo ") + *campo);
        return ErrorAction::Abort;
    }
    const auto *e = dynamic_cast<const DbError *>(&erro);
    if (!e)
        return ErrorAction::Fail;
    switch (e->code()) {
    case 1062:
        aviso(QStringLiteral("Erro de Chave Primária, Código já Existe !!!"));
        break;
    case 1451:
    case 1452:
        aviso(QStringLiteral("Código de Chave Estrangeira Inválido !!!"));
        break;
    default:
        erroBanco(*e);
    }
    return ErrorAction::Abort;
}

ErrorAction QyOnDeleteError(drav::ds::Dataset &, const std::exception &erro) {
    const auto *e = dynamic_cast<const DbError *>(&erro);
    if (!e)
        return ErrorAction::Fail;
    if (e->code() == 1451)
        aviso(QStringLiteral("Este registro esta ligado a outras Tabelas e não pode ser Excluído !!!"));
    else
        erroBanco(*e);
    return ErrorAction::Abort;
}
