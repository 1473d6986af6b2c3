#include "app/TFLoginEmpresa.h"

#include "app/CatalogoTelas.h"
#include "data/TdmDados.h"
#include "forms/TFPesquisa.h"
#include "forms/TFPesquisa2.h"
#include "platform/SilentAbort.h"
#include "platform/dataset/Transaction.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/shell/Application.h"

#include "forms/PainelCabecalho.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using drav::ds::Dataset;
using drav::ds::TransactionGuard;

namespace {

QLineEdit *caixaLeitura() {
    auto *e = new QLineEdit;
    e->setReadOnly(true);
    return e;
}

// The search buttons take no focus in the Enter-as-Tab chain but keep
// their keyboard access.
QPushButton *botaoPesquisa() {
    auto *b = new QPushButton(QStringLiteral("..."));
    b->setFixedWidth(30);
    return b;
}

} // namespace

TFLoginEmpresa::TFLoginEmpresa(TdmDados &dados, QWidget *parent)
    : QDialog(parent), QyEmpresas(dados.ConexaoBD, QStringLiteral("QyEmpresas")), dados_(dados) {
    setObjectName(QStringLiteral("FLoginEmpresa"));
    setWindowTitle(QStringLiteral("DravTolvera"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    encerraAplicacao = [] { drav::Application::terminate(); };
    QyEmpresas.setSql(QStringLiteral("select * from tbempresa order by nome"));
    QyEmpresas.setReadOnly(true);
    DtsEmpresas.setDataset(&QyEmpresas);
    DtsSafras.setDataset(&dados_.TbVerSafra);
    montaTela();
    connect(&QyEmpresas, &Dataset::currentChanged, this, [this] {
        if (!QyEmpresas.isEmpty())
            selecionaEmpresa();
    });
    connect(&dados_.TbVerSafra, &Dataset::currentChanged, this, [this] { selecionaSafra(); });
}

void TFLoginEmpresa::montaTela() {
    edEmpresa = caixaLeitura();
    edSafra = caixaLeitura();
    BitBtn3 = botaoPesquisa();
    BitBtn1 = botaoPesquisa();
    DBGrid1 = new drav::ui::DbGrid;
    DBGrid1->setDataSource(&DtsEmpresas);
    DBGrid1->setColumns({{.fieldName = QStringLiteral("nome"), .title = QStringLiteral("Nome"), .width = 300}});
    DBGrid2 = new drav::ui::DbGrid;
    DBGrid2->setDataSource(&DtsSafras);
    DBGrid2->setColumns({{.fieldName = QStringLiteral("idsafra"), .title = QStringLiteral("Nome"), .width = 120}});
    for (drav::ui::DbGrid *g : {DBGrid1, DBGrid2})
        g->installEventFilter(this);
    btNovaEmpresa = new QPushButton(QStringLiteral("Nova empresa"));
    btConfirma = new QPushButton(QStringLiteral("&OK"));
    BitBtn2 = new QPushButton(QStringLiteral("&Cancelar"));
    // Enter belongs to the grids here, never to a default button.
    for (QPushButton *b : {btNovaEmpresa, btConfirma, BitBtn2, BitBtn3, BitBtn1})
        b->setAutoDefault(false);

    connect(BitBtn3, &QPushButton::clicked, this, &TFLoginEmpresa::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFLoginEmpresa::BitBtn1Click);
    connect(btConfirma, &QPushButton::clicked, this, &TFLoginEmpresa::btConfirmaClick);
    connect(btNovaEmpresa, &QPushButton::clicked, this, &TFLoginEmpresa::btNovaEmpresaClick);
    connect(BitBtn2, &QPushButton::clicked, this, &TFLoginEmpresa::BitBtn2Click);

    auto *grupoEmpresa = new QGroupBox(QStringLiteral("Informe a Empresa"));
    auto *le = new QGridLayout(grupoEmpresa);
    le->addWidget(edEmpresa, 0, 0);
    le->addWidget(BitBtn3, 0, 1);
    le->addWidget(DBGrid1, 1, 0, 1, 2);
    auto *grupoSafra = new QGroupBox(QStringLiteral("Escolha a Safra"));
    auto *ls = new QGridLayout(grupoSafra);
    ls->addWidget(edSafra, 0, 0);
    ls->addWidget(BitBtn1, 0, 1);
    ls->addWidget(DBGrid2, 1, 0, 1, 2);
    auto *botoes = new QHBoxLayout;
    botoes->addWidget(btNovaEmpresa);
    botoes->addStretch();
    botoes->addWidget(btConfirma);
    botoes->addWidget(BitBtn2);
    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(12, 12, 12, 12);
    corpo->addWidget(grupoEmpresa, 3);
    corpo->addWidget(grupoSafra, 2);
    corpo->addLayout(botoes);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new PainelCabecalho(QStringLiteral("Selecione a Empresa")));
    layout->addLayout(corpo);
    setFixedSize(420, 460);
}

void TFLoginEmpresa::abreEmpresas() {
    QyEmpresas.close();
    QyEmpresas.open();
}

void TFLoginEmpresa::showEvent(QShowEvent *evento) {
    QDialog::showEvent(evento);
    abreEmpresas();
    const bool semEmpresa = QyEmpresas.isEmpty();
    btNovaEmpresa->setVisible(semEmpresa);
    btConfirma->setVisible(!semEmpresa);
    BitBtn3->setVisible(!semEmpresa);
    if (semEmpresa) {
        btNovaEmpresa->setFocus();
        return;
    }
    DBGrid1->setFocus();
    selecionaEmpresa();
}

void TFLoginEmpresa::selecionaEmpresa() {
    edEmpresa->setText(QyEmpresas.fieldByName(QStringLiteral("nome")).asString());
    dados_.NomeEmpresaAtual = edEmpresa->text();
    dados_.EmpresaAtual = int(QyEmpresas.fieldByName(QStringLiteral("idempresa")).asInteger());
    Dataset &safras = dados_.TbVerSafra;
    safras.close();
    safras.setParam(QStringLiteral("Pidempresa"), dados_.EmpresaAtual);
    safras.open();
    // Without harvests the current one stays what it was.
    if (!safras.isEmpty()) {
        safras.first();
        selecionaSafra();
    } else {
        edSafra->clear();
    }
}

void TFLoginEmpresa::selecionaSafra() {
    const Dataset &safras = dados_.TbVerSafra;
    if (!safras.isActive() || safras.isEmpty())
        return;
    const qint64 safra = safras.fieldByName(QStringLiteral("idsafra")).asInteger();
    edSafra->setText(QString::number(safra));
    dados_.SafraAtual = int(safra);
}

bool TFLoginEmpresa::eventFilter(QObject *objeto, QEvent *evento) {
    if (evento->type() == QEvent::KeyPress) {
        auto *grade = qobject_cast<drav::ui::DbGrid *>(objeto);
        if (grade && teclaDaGrade(grade, static_cast<QKeyEvent *>(evento)->key()))
            return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

// Up/Left and Down/Right move through the rows; Enter goes on.
bool TFLoginEmpresa::teclaDaGrade(drav::ui::DbGrid *grade, int tecla) {
    Dataset *ds = grade->dataSource()->dataset();
    switch (tecla) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        ds->prior();
        return true;
    case Qt::Key_Down:
    case Qt::Key_Right:
        ds->next();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (grade == DBGrid1) {
            if (garanteTurmaZero())
                BitBtn1->setFocus();
        } else if (dados_.SafraAtual != 0) {
            accept();
        } else {
            encerra();
        }
        return true;
    default:
        return false;
    }
}

void TFLoginEmpresa::tomaEmpresa(qint64 idempresa) {
    dados_.TbEmpresa.close();
    dados_.TbEmpresa.setParam(QStringLiteral("pidempresa"), idempresa);
    dados_.TbEmpresa.open();
    if (!dados_.TbEmpresa.isEmpty()) {
        edEmpresa->setText(dados_.TbEmpresa.fieldByName(QStringLiteral("nome")).asString());
        dados_.NomeEmpresaAtual = edEmpresa->text();
    }
    dados_.EmpresaAtual = int(idempresa);
    QyEmpresas.locate(QStringLiteral("idempresa"), idempresa);
}

void TFLoginEmpresa::BitBtn3Click() {
    TFPesquisa pesquisa(this);
    pesquisa.Label1->setText(QStringLiteral("Pesquisa de Empresa"));
    pesquisa.Titulos = {QStringLiteral("Empresa"), QStringLiteral("Código")};
    pesquisa.Campos = {QStringLiteral("nome"), QStringLiteral("idempresa")};
    pesquisa.Tabela = QStringLiteral("tbempresa");
    pesquisa.Prepara();
    const bool ok = drav::dlg::service().execModal(&pesquisa) == QDialog::Accepted;
    const Dataset &linha = pesquisa.QyPesquisa;
    const qint64 escolhida = linha.isActive() && !linha.isEmpty()
                                 ? linha.fieldByName(QStringLiteral("idempresa")).asInteger()
                                 : 0;
    if (ok || escolhida > 0)
        tomaEmpresa(escolhida);
    selecionaEmpresa();
}

void TFLoginEmpresa::BitBtn1Click() {
    if (dados_.TbVerSafra.isEmpty())
        return;
    tomaEmpresa(QyEmpresas.fieldByName(QStringLiteral("idempresa")).asInteger());
    TFPesquisa2 pesquisa(this);
    pesquisa.Label1->setText(QStringLiteral("Pesquisa de Safras"));
    pesquisa.Consultas = {{QStringLiteral("Código"), QStringLiteral("idsafra"), QStringLiteral("tbsafra"), QStringLiteral("N")},
                          {QStringLiteral("Nome da Safra"), QStringLiteral("descricao"), QStringLiteral("tbsafra"),
                           QStringLiteral("N")}};
    pesquisa.Prepara();
    if (drav::dlg::service().execModal(&pesquisa) == QDialog::Accepted) {
        const qint64 safra = pesquisa.QyPesquisa.fieldByName(QStringLiteral("idsafra")).asInteger();
        edSafra->setText(QString::number(safra));
        dados_.SafraAtual = int(safra);
        dados_.TbVerSafra.locate(QStringLiteral("idsafra"), safra);
    }
    btConfirma->setFocus();
}

// Every company has its team 0; false when the server refused it (the
// shared handler has shown why).
bool TFLoginEmpresa::garanteTurmaZero() {
    Dataset &sql = dados_.qySQL;
    sql.close();
    sql.setSql(QStringLiteral("select * from tbturma where idturma = \"0\" and idempresa = :pidempresa"));
    sql.setParam(QStringLiteral("pidempresa"), dados_.EmpresaAtual);
    sql.open();
    if (!sql.isEmpty())
        return true;
    Dataset &turma = dados_.TbTurma;
    TransactionGuard guarda(dados_.ConexaoBD);
    turma.close();
    turma.setParam(QStringLiteral("Pidturma"), 0);
    turma.setParam(QStringLiteral("Pidempresa"), dados_.EmpresaAtual);
    turma.open();
    turma.append();
    try {
        turma.fieldByName(QStringLiteral("idturma")).setAsInteger(0);
        turma.fieldByName(QStringLiteral("nome")).setAsString(QStringLiteral("MENSALISTA"));
        turma.fieldByName(QStringLiteral("responsavel")).setAsString(QStringLiteral("DRAVOLTA"));
        turma.post();
    } catch (const drav::SilentAbort &) {
        // A pending append would be posted again by the next OK.
        turma.cancel();
        return false;
    } catch (...) {
        turma.cancel();
        throw;
    }
    guarda.commit();
    return true;
}

// The harvest of this year for the company of the list; when it had to be
// created, the current harvest becomes the company's oldest.
bool TFLoginEmpresa::garanteSafraDoAno() {
    const int ano = QDate::currentDate().year();
    const qint64 empresa = QyEmpresas.isEmpty() ? dados_.EmpresaAtual
                                                : QyEmpresas.fieldByName(QStringLiteral("idempresa")).asInteger();
    Dataset &safra = dados_.TbSafra;
    safra.close();
    safra.setParam(QStringLiteral("pidempresa"), empresa);
    safra.setParam(QStringLiteral("pidsafra"), ano);
    safra.open();
    if (!safra.isEmpty())
        return true;
    TransactionGuard guarda(dados_.ConexaoBD);
    safra.append();
    try {
        safra.fieldByName(QStringLiteral("idsafra")).setAsInteger(ano);
        safra.fieldByName(QStringLiteral("descricao")).setAsString(QStringLiteral("SAFRA DO ANO DE %1").arg(ano));
        safra.fieldByName(QStringLiteral("idempresa")).setAsInteger(empresa);
        safra.post();
    } catch (const drav::SilentAbort &) {
        safra.cancel();
        return false;
    } catch (...) {
        safra.cancel();
        throw;
    }
    guarda.commit();
    Dataset &safras = dados_.TbVerSafra;
    safras.close();
    safras.setParam(QStringLiteral("Pidempresa"), dados_.EmpresaAtual);
    safras.open();
    qint64 maisAntiga = 0;
    for (safras.first(); !safras.eof(); safras.next()) {
        const qint64 id = safras.fieldByName(QStringLiteral("idsafra")).asInteger();
        if (maisAntiga == 0 || id < maisAntiga)
            maisAntiga = id;
    }
    safras.locate(QStringLiteral("idsafra"), maisAntiga);
    dados_.SafraAtual = int(maisAntiga);
    edSafra->setText(QString::number(maisAntiga));
    return true;
}

void TFLoginEmpresa::btConfirmaClick() {
    if (!garanteTurmaZero() || !garanteSafraDoAno())
        return;  // the dialog stays open
    if (dados_.SafraAtual != 0)
        accept();
    else
        encerra();
}

void TFLoginEmpresa::btNovaEmpresaClick() {
    if (const CatalogoTelas::Tela *tela = CatalogoTelas::instancia().tela(QStringLiteral("TFEmpresa")); tela && tela->cria) {
        std::unique_ptr<QDialog> cadastro = tela->cria(this);
        drav::dlg::service().execModal(cadastro.get());
    }
    btNovaEmpresa->hide();
    btConfirma->show();
    BitBtn3->show();
    abreEmpresas();
    if (!QyEmpresas.isEmpty()) {
        QyEmpresas.first();
        selecionaEmpresa();
    } else {
        dados_.EmpresaAtual = 0;
        dados_.NomeEmpresaAtual.clear();
    }
    btConfirmaClick();
}

void TFLoginEmpresa::BitBtn2Click() {
    dados_.ArquivoConfig.reset();
    dados_.ConexaoBD.disconnect();
    encerra();
}

void TFLoginEmpresa::encerra() {
    if (encerraAplicacao)
        encerraAplicacao();
    reject();
}
