#include "labour/TFEmpresa.h"

#include "data/TdmDados.h"
#include "forms/RotinasForm.h"
#include "forms/TFPesquisa2.h"
#include "platform/SilentAbort.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/widgets/DbEdit.h"

#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ds = drav::ds;
namespace ui = drav::ui;
namespace dlg = drav::dlg;

namespace {

constexpr int AbaEmpresa = 0;
constexpr int AbaSafra = 1;

void avisa(const QString &texto) {
    dlg::aviso(texto, dlg::Icon::Warning);
}

QLabel *rotulo(const QString &texto, QWidget *dono) {
    return new QLabel(texto, dono);
}

QLineEdit *caixaSoLeitura(QWidget *dono) {
    auto *caixa = new QLineEdit(dono);
    caixa->setReadOnly(true);
    caixa->setFocusPolicy(Qt::NoFocus);
    return caixa;
}

// The text of a field of the dataset's current row; empty when there is none.
QString textoDe(const ds::Dataset &dataset, const char *campo) {
    if (!dataset.isActive() || dataset.currentIndex() < 0)
        return {};
    const ds::Field *f = dataset.findField(QString::fromLatin1(campo));
    return f ? f->asString() : QString();
}

} // namespace

TFEmpresa::TFEmpresa(QWidget *parent)
    : TFPai(parent), DtsEmpresa(DtsPadrao), DtsSafra(new ui::DataSource(this)) {
    setObjectName(QStringLiteral("FEmpresa"));
    Label2->setText(QStringLiteral("Empresa/Safra"));
    DtsEmpresa->setDataset(&dmDados->TbEmpresa);
    DtsSafra->setDataset(&dmDados->TbSafra);

    PageControl1 = new QTabWidget(Painel);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto *coluna = new QVBoxLayout(Painel);
    coluna->addWidget(PageControl1);
    montaAbaEmpresa();
    montaAbaSafra();
    PageControl1->setCurrentIndex(AbaEmpresa);

    connect(PageControl1, &QTabWidget::currentChanged, this, &TFEmpresa::PageControl1Change);
    connect(Button1, &QPushButton::clicked, this, &TFEmpresa::Button1Click);
    connect(DtsEmpresa, &ui::DataSource::currentChanged, this, &TFEmpresa::mostraNomeEmpresa);
}

ui::DbEdit *TFEmpresa::campo(QWidget *dono, ui::DataSource *fonte, const QString &nome) {
    auto *edit = new ui::DbEdit(dono);
    edit->setDataSource(fonte);
    edit->setDataField(nome);
    return edit;
}

void TFEmpresa::montaAbaEmpresa() {
    TabEmpresa = new QWidget(PageControl1);
    PageControl1->addTab(TabEmpresa, QStringLiteral("Empresa"));
    EdtCodigo = campo(TabEmpresa, DtsEmpresa, QStringLiteral("idempresa"));
    EdtCodigo->setEnabled(false);
    EdtCodigo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    EdtNome = campo(TabEmpresa, DtsEmpresa, QStringLiteral("nome"));
    EdtNome->setCharCase(ui::CharCase::Upper);
    EdtEndereco = campo(TabEmpresa, DtsEmpresa, QStringLiteral("endereco"));
    EdtEndereco->setCharCase(ui::CharCase::Upper);
    EdtIdCidade = campo(TabEmpresa, DtsEmpresa, QStringLiteral("idcidade"));
    EdtIdCidade->setDataReadOnly(true);
    EdtIdCidade->setFocusPolicy(Qt::NoFocus);
    EdtCidade = caixaSoLeitura(TabEmpresa);
    Button1 = new QPushButton(QStringLiteral("..."), TabEmpresa);
    Button1->setAutoDefault(false);
    Button1->setFixedWidth(28);
    EdtUF = caixaSoLeitura(TabEmpresa);
    EdtPais = caixaSoLeitura(TabEmpresa);

    auto *grade = new QGridLayout(TabEmpresa);
    grade->addWidget(rotulo(QStringLiteral("Código"), TabEmpresa), 0, 0);
    grade->addWidget(EdtCodigo, 1, 0);
    grade->addWidget(rotulo(QStringLiteral("Nome da Empresa"), TabEmpresa), 2, 0);
    grade->addWidget(EdtNome, 3, 0, 1, 5);
    grade->addWidget(rotulo(QStringLiteral("Endereço"), TabEmpresa), 4, 0);
    grade->addWidget(EdtEndereco, 5, 0, 1, 5);
    grade->addWidget(rotulo(QStringLiteral("Cidade"), TabEmpresa), 6, 0);
    grade->addWidget(rotulo(QStringLiteral("UF"), TabEmpresa), 6, 3);
    grade->addWidget(rotulo(QStringLiteral("País"), TabEmpresa), 6, 4);
    grade->addWidget(EdtIdCidade, 7, 0);
    grade->addWidget(EdtCidade, 7, 1);
    grade->addWidget(Button1, 7, 2);
    grade->addWidget(EdtUF, 7, 3);
    grade->addWidget(EdtPais, 7, 4);
    grade->setColumnMinimumWidth(1, 220);
    grade->setRowStretch(8, 1);
}

void TFEmpresa::montaAbaSafra() {
    TabSafra = new QWidget(PageControl1);
    PageControl1->addTab(TabSafra, QStringLiteral("Safra"));
    LblEmpresa = new QLabel(TabSafra);
    QFont negrito = LblEmpresa->font();
    negrito.setBold(true);
    negrito.setPointSize(negrito.pointSize() + 2);
    LblEmpresa->setFont(negrito);
    LblEmpresa->setStyleSheet(QStringLiteral("color: navy;"));
    EdtSafra = campo(TabSafra, DtsSafra, QStringLiteral("idsafra"));
    EdtDescricao = campo(TabSafra, DtsSafra, QStringLiteral("descricao"));
    EdtDescricao->setCharCase(ui::CharCase::Upper);

    auto *grade = new QGridLayout(TabSafra);
    grade->addWidget(LblEmpresa, 0, 0, 1, 2);
    grade->addWidget(rotulo(QStringLiteral("Nome"), TabSafra), 1, 0);
    grade->addWidget(EdtSafra, 2, 0);
    grade->addWidget(rotulo(QStringLiteral("Descrição"), TabSafra), 3, 0);
    grade->addWidget(EdtDescricao, 4, 0, 1, 2);
    grade->setColumnStretch(1, 1);
    grade->setRowStretch(5, 1);
}

bool TFEmpresa::naAbaEmpresa() const {
    return abaAtual_ == AbaEmpresa;
}

int TFEmpresa::empresaMostrada() const {
    const ds::Dataset &empresa = dmDados->TbEmpresa;
    if (!empresa.isActive() || empresa.currentIndex() < 0)
        return 0;
    return int(empresa.fieldByName(QStringLiteral("idempresa")).asInteger());
}

// ---- show and close ----

void TFEmpresa::FormShow() {
    TFPai::FormShow();
    mostraCidade();
    ds::Dataset &safra = dmDados->TbSafra;
    safra.setMaster(&dmDados->TbEmpresa);
    if (!safra.isActive())
        safra.open();
    mostraNomeEmpresa();
}

void TFEmpresa::FormClose() {
    // The harvests are shared: they must not follow this screen's company
    // once it is gone.
    dmDados->TbSafra.setMaster(nullptr);
    TFPai::FormClose();
}

// ---- tabs ----

void TFEmpresa::PageControl1Change(int aba) {
    if (trocandoAba_ || aba == abaAtual_)
        return;
    ui::DataSource *deixada = naAbaEmpresa() ? DtsEmpresa : DtsSafra;
    if (deixada->isEditing()) {
        // The save runs on its own tab, where its messages point.
        mudaAba(abaAtual_);
        if (!gravaPendente(deixada))
            return;
        mudaAba(aba);
    }
    abaAtual_ = aba;
    if (aba == AbaEmpresa)
        AtribuiFonteAcoes(DtsEmpresa, ActionList1);
    else
        entraNaSafra();
}

void TFEmpresa::mudaAba(int aba) {
    trocandoAba_ = true;
    PageControl1->setCurrentIndex(aba);
    trocandoAba_ = false;
}

bool TFEmpresa::gravaPendente(ui::DataSource *fonte) {
    // Saved as by "Gravar", so that no posted row waits in an open
    // transaction that a later "Cancelar" would roll back.
    try {
        ActGravarExecute();
    } catch (const drav::SilentAbort &) {
        // the handler has shown its message; the row stays for correction
    }
    return !fonte->isEditing();
}

void TFEmpresa::entraNaSafra() {
    AtribuiFonteAcoes(DtsSafra, ActionList1);
    if (empresaMostrada() == 0) {
        reabreEmpresa(dmDados->EmpresaAtual);
        mostraCidade();
    }
    reabreSafras();
    mostraNomeEmpresa();
}

void TFEmpresa::reabreEmpresa(int idempresa) {
    ds::Dataset &empresa = dmDados->TbEmpresa;
    empresa.close();
    empresa.setParam(QStringLiteral("pidempresa"), idempresa);
    empresa.open();
}

void TFEmpresa::reabreSafras() {
    ds::Dataset &safra = dmDados->TbSafra;
    safra.close();
    safra.setParam(QStringLiteral("pidempresa"), empresaMostrada());
    safra.open();
}

// ---- actions ----

void TFEmpresa::ActIncluirExecute() {
    if (naAbaEmpresa()) {
        TFPai::ActIncluirExecute();
        EdtNome->setFocus();
        limpaCidade();
        return;
    }
    const int empresa = empresaMostrada();
    if (empresa == 0)
        return; // a harvest always belongs to the company shown
    TFPai::ActIncluirExecute();
    ds::Dataset &safra = dmDados->TbSafra;
    safra.fieldByName(QStringLiteral("idempresa")).setAsInteger(empresa);
    safra.fieldByName(QStringLiteral("idsafra")).setAsInteger(QDate::currentDate().year());
    EdtDescricao->setFocus();
}

void TFEmpresa::ActGravarExecute() {
    if (naAbaEmpresa())
        gravaEmpresa();
    else
        gravaSafra();
}

void TFEmpresa::gravaEmpresa() {
    if (!DtsEmpresa->isEditing())
        return;
    DtsEmpresa->updateRecord();
    if (dmDados->TbEmpresa.fieldByName(QStringLiteral("nome")).asString().trimmed().isEmpty()) {
        avisa(QStringLiteral("Favor informar o nome da empresa"));
        EdtNome->setFocus();
        return;
    }
    if (EdtCidade->text().isEmpty()) {
        avisa(QStringLiteral("Favor informar a cidade"));
        Button1->setFocus();
        return;
    }
    TFPai::ActGravarExecute();
}

void TFEmpresa::gravaSafra() {
    if (!DtsSafra->isEditing())
        return;
    DtsSafra->updateRecord();
    if (dmDados->TbSafra.fieldByName(QStringLiteral("idsafra")).isNull()) {
        avisa(QStringLiteral("Favor informar o nome da safra"));
        EdtSafra->setFocus();
        return;
    }
    TFPai::ActGravarExecute();
}

void TFEmpresa::ActExcluirExecute() {
    if (naAbaEmpresa())
        excluiEmpresa();
    else
        excluiSafra();
}

void TFEmpresa::excluiEmpresa() {
    ds::Dataset &empresa = dmDados->TbEmpresa;
    if (empresaMostrada() == 0)
        return; // nothing shown: no question, no transaction
    // The harvests and the company go in one transaction: a refused company
    // delete rolls the harvests back with it.
    ds::TransactionGuard guard(empresa.connection());
    if (!dlg::pergunta(QStringLiteral("Confirma a Exclusão do Registro !!"))) {
        empresa.cancel();
        return;
    }
    excluiSafrasDe(empresaMostrada());
    empresa.remove();
    guard.commit();
    mostraCidade();
}

void TFEmpresa::excluiSafrasDe(int idempresa) {
    ds::Dataset &safras = dmDados->TbVerSafra;
    safras.close();
    safras.setParam(QStringLiteral("Pidempresa"), idempresa);
    safras.open();
    while (!safras.isEmpty()) {
        safras.first();
        safras.remove();
    }
    safras.close();
}

void TFEmpresa::excluiSafra() {
    ds::Dataset &safra = dmDados->TbSafra;
    if (!safra.isActive() || safra.currentIndex() < 0)
        return;
    ds::TransactionGuard guard(safra.connection());
    if (!dlg::pergunta(QStringLiteral("Confirma a Exclusão desta Safra !!"))) {
        safra.cancel();
        return;
    }
    safra.remove();
    guard.commit();
}

void TFEmpresa::ActCancelarExecute() {
    const bool empresa = naAbaEmpresa();
    TFPai::ActCancelarExecute();
    // The boxes show the city of the row shown again, so that a later save
    // of that row still finds its city.
    if (empresa)
        mostraCidade();
}

void TFEmpresa::ActLocalizarExecute() {
    if (naAbaEmpresa()) {
        pesquisaEmpresa();
    } else if (empresaMostrada() != 0) {
        pesquisaSafra();
    } else {
        PageControl1->setCurrentIndex(AbaEmpresa);
        pesquisaEmpresa();
    }
}

void TFEmpresa::pesquisaEmpresa() {
    TFPesquisa2 pesquisa(this);
    pesquisa.Label1->setText(QStringLiteral("Pesquisa de Empresas"));
    pesquisa.Consultas = {{QStringLiteral("Código"), QStringLiteral("idempresa"), QStringLiteral("tbempresa"),
                           QStringLiteral("N")},
                          {QStringLiteral("Nome da Empresa"), QStringLiteral("nome"),
                           QStringLiteral("tbempresa"), QStringLiteral("N")}};
    pesquisa.Prepara();
    if (dlg::service().execModal(&pesquisa) == QDialog::Accepted)
        reabreEmpresa(int(pesquisa.QyPesquisa.fieldByName(QStringLiteral("idempresa")).asInteger()));
    mostraCidade();
}

void TFEmpresa::pesquisaSafra() {
    TFPesquisa2 pesquisa(this);
    pesquisa.Label1->setText(QStringLiteral("Pesquisa de Safras"));
    pesquisa.Consultas = {
        {QStringLiteral("Código"), QStringLiteral("idsafra"), QStringLiteral("tbsafra"), QStringLiteral("N")},
        {QStringLiteral("Nome da Safra"), QStringLiteral("descricao"), QStringLiteral("tbsafra"),
         QStringLiteral("N")},
        {QString(), QStringLiteral("idempresa"), QStringLiteral("tbsafra"), QStringLiteral("N")}};
    pesquisa.Prepara();
    if (dlg::service().execModal(&pesquisa) != QDialog::Accepted)
        return;
    ds::Dataset &safra = dmDados->TbSafra;
    safra.close();
    safra.setParam(QStringLiteral("pidsafra"),
                   pesquisa.QyPesquisa.fieldByName(QStringLiteral("idsafra")).asInteger());
    safra.setParam(QStringLiteral("pidempresa"), dmDados->EmpresaAtual);
    safra.open();
}

void TFEmpresa::Button1Click() {
    if (!DtsEmpresa->isEditing())
        return;
    TFPesquisa2 pesquisa(this);
    pesquisa.Label1->setText(QStringLiteral("Pesquisa de Cidades"));
    pesquisa.Consultas = {
        {QStringLiteral("Cidade"), QStringLiteral("nomecidade"), QStringLiteral("tbcidade"),
         QStringLiteral("N")},
        {QStringLiteral("Estado"), QStringLiteral("idestado"), QStringLiteral("tbcidade"),
         QStringLiteral("N")},
        {QStringLiteral("País"), QStringLiteral("idpais"), QStringLiteral("tbcidade"), QStringLiteral("N")},
        {QString(), QStringLiteral("idcidade"), QStringLiteral("tbcidade"), QStringLiteral("N")}};
    pesquisa.Prepara();
    if (dlg::service().execModal(&pesquisa) != QDialog::Accepted)
        return;
    const ds::Dataset &cidade = pesquisa.QyPesquisa;
    ds::Dataset &empresa = dmDados->TbEmpresa;
    empresa.fieldByName(QStringLiteral("idcidade"))
        .setValue(cidade.fieldByName(QStringLiteral("idcidade")).value());
    // The joined columns too, so that the saved row shows its new city.
    for (const char *coluna : {"nomecidade", "idestado", "idpais"})
        empresa.fieldByName(QString::fromLatin1(coluna)).setAsString(textoDe(cidade, coluna));
    mostraCidade();
}

// ---- display boxes ----

void TFEmpresa::mostraCidade() {
    const ds::Dataset &empresa = dmDados->TbEmpresa;
    EdtCidade->setText(textoDe(empresa, "nomecidade"));
    EdtUF->setText(textoDe(empresa, "idestado"));
    EdtPais->setText(textoDe(empresa, "idpais"));
}

void TFEmpresa::limpaCidade() {
    EdtCidade->clear();
    EdtUF->clear();
    EdtPais->clear();
}

void TFEmpresa::mostraNomeEmpresa() {
    LblEmpresa->setText(textoDe(dmDados->TbEmpresa, "nome"));
}
