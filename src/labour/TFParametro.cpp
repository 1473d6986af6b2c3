#include "labour/TFParametro.h"

#include "data/ManipuladoresErro.h"
#include "data/TdmDados.h"
#include "forms/TFPesquisa2.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/widgets/DateEdit.h"
#include "platform/widgets/DbEdit.h"
#include "platform/widgets/DbGrid.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace ds = drav::ds;
namespace ui = drav::ui;
namespace dlg = drav::dlg;

TFParametro::TFParametro(QWidget *parent)
    : TFPai(parent), TbVerParam(dmDados->ConexaoBD, QStringLiteral("TbVerParam")) {
    setObjectName(QStringLiteral("FParametro"));
    Label2->setText(QStringLiteral("Parâmetros"));
    configuraTbVerParam();
    DtsPadrao->setDataset(&TbVerParam);

    auto *coluna = new QVBoxLayout(Painel);
    montaUnidade();
    montaParametros();
    coluna->addWidget(GroupBox1);
    coluna->addWidget(PageControl1, 1);
    trocaBotaoLocalizar();
}

TFParametro::~TFParametro() {
    // The controls go after the query, which is a member: unbind them first.
    DBGrid1->setDataSource(nullptr);
    DtsPadrao->setDataset(nullptr);
}

void TFParametro::configuraTbVerParam() {
    TbVerParam.setSql(
        QStringLiteral("select * from tbparametro where idunidade = :Pidunidade and idempresa = "
                       ":Pidempresa and idsafra = :Pidsafra"));
    TbVerParam.defineFields({
        {.name = QStringLiteral("idparametro"), .visible = false},
        {.name = QStringLiteral("qtdlitro"), .displayLabel = QStringLiteral("Quantidade de Litros")},
        {.name = QStringLiteral("idempresa"), .required = true, .visible = false},
        {.name = QStringLiteral("idsafra"), .required = true, .visible = false},
        {.name = QStringLiteral("datavigor"), .displayLabel = QStringLiteral("Data a vigorar")},
        {.name = QStringLiteral("idunidade"), .required = true, .visible = false},
    });
    TbVerParam.setUpdateTable(QStringLiteral("tbparametro"));
    TbVerParam.setAfterInsert([this](ds::Dataset &d) { TbVerParamAfterInsert(d); });
    TbVerParam.setOnPostError(QyOnPostError);
    TbVerParam.setOnDeleteError(QyOnDeleteError);
}

void TFParametro::montaUnidade() {
    GroupBox1 = new QGroupBox(QStringLiteral("Informe o tipo de Unidade"), Painel);
    EdtCodigo = new QLineEdit(GroupBox1);
    EdtCodigo->setObjectName(QStringLiteral("EdtCodigo"));
    EdtCodigo->setMaxLength(3); // the size of a unit code
    EdtNome = new QLineEdit(GroupBox1);
    EdtNome->setObjectName(QStringLiteral("EdtNome"));
    auto *rotuloCodigo = new QLabel(QStringLiteral("Có&digo"), GroupBox1);
    rotuloCodigo->setBuddy(EdtCodigo);
    auto *rotuloNome = new QLabel(QStringLiteral("&Nome"), GroupBox1);
    rotuloNome->setBuddy(EdtNome);

    auto *grade = new QGridLayout(GroupBox1);
    grade->addWidget(rotuloCodigo, 0, 0);
    grade->addWidget(rotuloNome, 0, 1);
    grade->addWidget(EdtCodigo, 1, 0);
    grade->addWidget(EdtNome, 1, 1);
    grade->setColumnStretch(1, 1);
}

void TFParametro::montaParametros() {
    PageControl1 = new QTabWidget(Painel);
    TabParametros = new QWidget(PageControl1);
    PageControl1->addTab(TabParametros, QStringLiteral("Parâmetros"));

    auto *grupo = new QGroupBox(TabParametros);
    EdtQuantidade = new ui::DbEdit(grupo);
    EdtQuantidade->setDataSource(DtsPadrao);
    EdtQuantidade->setDataField(QStringLiteral("qtdlitro"));
    EdtDataVigor = new ui::DbDateEdit(grupo);
    EdtDataVigor->setDataSource(DtsPadrao);
    EdtDataVigor->setDataField(QStringLiteral("datavigor"));
    auto *campos = new QGridLayout(grupo);
    campos->addWidget(new QLabel(QStringLiteral("Quantidade"), grupo), 0, 0);
    campos->addWidget(new QLabel(QStringLiteral("Data a vigorar"), grupo), 0, 1);
    campos->addWidget(EdtQuantidade, 1, 0);
    campos->addWidget(EdtDataVigor, 1, 1);

    DBGrid1 = new ui::DbGrid(TabParametros);
    DBGrid1->setDataSource(DtsPadrao);
    DBGrid1->setColumns({{.fieldName = QStringLiteral("qtdlitro"),
                          .title = QStringLiteral("Quantidade de Litros"),
                          .width = 160},
                         {.fieldName = QStringLiteral("datavigor"),
                          .title = QStringLiteral("Data a vigorar"),
                          .width = 120}});
    DBGrid1->setMinimumSize(320, 160);

    auto *coluna = new QVBoxLayout(TabParametros);
    coluna->addWidget(grupo);
    coluna->addWidget(DBGrid1, 1);
}

void TFParametro::trocaBotaoLocalizar() {
    ToolButton6 = new QAction(ActLocalizar->icon(), ActLocalizar->text(), this);
    ToolBar1->insertAction(ActLocalizar, ToolButton6);
    ToolBar1->removeAction(ActLocalizar);
    addAction(ActLocalizar); // keeps its F3 in the window
    connect(ToolButton6, &QAction::triggered, this, &TFParametro::ToolButton6Click);
}

QString TFParametro::unidade() const {
    return EdtCodigo->text().trimmed();
}

// ---- handlers ----

void TFParametro::ActLocalizarExecute() {
    ToolButton6Click();
}

void TFParametro::ToolButton6Click() {
    if (TbVerParam.isEditing()) {
        if (!dlg::pergunta(QStringLiteral("Salvar as alterações ?"), true)) {
            ActCancelarExecute();
            return;
        }
        ActGravarExecute(); // post and commit
        if (TbVerParam.isEditing())
            return; // refused: the row stays for correction
    } else {
        TbVerParam.close();
        TbVerParam.open();
    }
    pesquisaUnidade();
}

void TFParametro::pesquisaUnidade() {
    TFPesquisa2 pesquisa(this);
    pesquisa.Label1->setText(QStringLiteral("Pesquisa de Unidades"));
    pesquisa.Consultas = {{QStringLiteral("Unidade"), QStringLiteral("nomeunidade"),
                           QStringLiteral("tbunidade"), QStringLiteral("N")},
                          {QStringLiteral("Código"), QStringLiteral("idunidade"), QStringLiteral("tbunidade"),
                           QStringLiteral("N")}};
    pesquisa.Prepara();
    if (dlg::service().execModal(&pesquisa) != QDialog::Accepted)
        return;
    EdtNome->setText(pesquisa.QyPesquisa.fieldByName(QStringLiteral("nomeunidade")).asString());
    EdtCodigo->setText(pesquisa.QyPesquisa.fieldByName(QStringLiteral("idunidade")).asString());
    EdtQuantidade->setFocus();
    reabreParametros(EdtCodigo->text());
}

void TFParametro::reabreParametros(const QString &codigo) {
    TbVerParam.close();
    TbVerParam.setParam(QStringLiteral("Pidunidade"), codigo);
    TbVerParam.setParam(QStringLiteral("Pidempresa"), dmDados->EmpresaAtual);
    TbVerParam.setParam(QStringLiteral("Pidsafra"), dmDados->SafraAtual);
    TbVerParam.open();
}

void TFParametro::ActIncluirExecute() {
    if (unidade().isEmpty())
        return;
    TFPai::ActIncluirExecute();
    TbVerParam.fieldByName(QStringLiteral("datavigor")).setAsDate(QDate::currentDate());
    EdtQuantidade->setFocus();
}

void TFParametro::TbVerParamAfterInsert(ds::Dataset &dataset) {
    dataset.fieldByName(QStringLiteral("idunidade")).setAsString(unidade());
    dataset.fieldByName(QStringLiteral("idempresa")).setAsInteger(dmDados->EmpresaAtual);
    dataset.fieldByName(QStringLiteral("idsafra")).setAsInteger(dmDados->SafraAtual);
}

void TFParametro::ActGravarExecute() {
    if (unidade().isEmpty()) {
        dlg::aviso(QStringLiteral("Favor informar a unidade!"), dlg::Icon::Warning);
        EdtCodigo->setFocus();
        return;
    }
    // The code may have been typed by hand after the row was started.
    if (TbVerParam.isEditing())
        TbVerParam.fieldByName(QStringLiteral("idunidade")).setAsString(unidade());
    TFPai::ActGravarExecute();
}
