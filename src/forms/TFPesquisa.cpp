#include "forms/TFPesquisa.h"

#include "data/TdmDados.h"
#include "platform/shell/Application.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui = drav::ui;

void CaixaEscolha::hidePopup() {
    QComboBox::hidePopup();
    Q_EMIT fechada();
}

TFPesquisaBase::TFPesquisaBase(QWidget *parent)
    : QDialog(parent), QyPesquisa(dmDados->ConexaoBD, QStringLiteral("QyPesquisa")), DtsPesquisa(&QyPesquisa) {
    setWindowTitle(drav::Application::title());
    QyPesquisa.setReadOnly(true);

    auto *coluna = new QVBoxLayout(this);
    auto *cabecalho = new QWidget(this);
    cabecalho->setAutoFillBackground(true);
    cabecalho->setStyleSheet(QStringLiteral("background-color: #1f4e2c;"));
    auto *linhaTitulo = new QHBoxLayout(cabecalho);
    Label1 = new QLabel(QStringLiteral("Título"), cabecalho);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    linhaTitulo->addWidget(Label1);
    coluna->addWidget(cabecalho);

    auto *campos = new QGridLayout;
    EdtIncremental = new QLineEdit(this);
    EdtIncremental->setObjectName(QStringLiteral("EdtIncremental"));
    auto *rotuloValor = new QLabel(QStringLiteral("&Valor a Pesquisar:"), this);
    rotuloValor->setBuddy(EdtIncremental);
    ComboBox1 = new CaixaEscolha(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    auto *rotuloChave = new QLabel(QStringLiteral("&Campo chave:"), this);
    rotuloChave->setBuddy(ComboBox1);
    campos->addWidget(rotuloValor, 0, 0);
    campos->addWidget(rotuloChave, 0, 1);
    campos->addWidget(EdtIncremental, 1, 0);
    campos->addWidget(ComboBox1, 1, 1);
    campos->setColumnStretch(0, 2);
    campos->setColumnStretch(1, 1);
    coluna->addLayout(campos);

    DBGrid1 = new ui::DbGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setToolTip(QStringLiteral("Duplo clique para confirmar o valor da pesquisa"));
    DBGrid1->setDataSource(&DtsPesquisa);
    DBGrid1->setMinimumSize(520, 260);
    coluna->addWidget(DBGrid1, 1);

    BtnFechar = new QPushButton(QStringLiteral("&Fechar"), this);
    BtnFechar->setObjectName(QStringLiteral("BtnFechar"));
    BtnFechar->setAutoDefault(false);
    auto *rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(BtnFechar);
    coluna->addLayout(rodape);

    Timer1.setInterval(200);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TFPesquisaBase::Timer1Timer);
    connect(EdtIncremental, &QLineEdit::textEdited, this, [this](const QString &texto) {
        if (texto != texto.toUpper()) {
            const int cursor = EdtIncremental->cursorPosition();
            EdtIncremental->setText(texto.toUpper());
            EdtIncremental->setCursorPosition(cursor);
        }
    });
    connect(EdtIncremental, &QLineEdit::textChanged, this, [this] { Timer1.start(); });
    connect(ComboBox1, &CaixaEscolha::fechada, this, [this] { EdtIncremental->setFocus(); });
    connect(DBGrid1, &ui::DbGrid::gridDoubleClicked, this, &TFPesquisaBase::DBGrid1DblClick);
    connect(BtnFechar, &QPushButton::clicked, this, &QDialog::reject);
    EdtIncremental->installEventFilter(this);
    ComboBox1->installEventFilter(this);
}

TFPesquisaBase::~TFPesquisaBase() {
    // The children outlive this part of the dialog: nothing they signal or
    // filter while they are destroyed may reach it.
    for (QObject *filho : {static_cast<QObject *>(EdtIncremental), static_cast<QObject *>(ComboBox1)}) {
        filho->removeEventFilter(this);
        filho->disconnect(this);
    }
    Timer1.stop();
    DBGrid1->setDataSource(nullptr);  // the grid's model goes before the query
}

void TFPesquisaBase::Pesquisa(const QString &texto) {
    const QString sql = montaSql(texto);
    QyPesquisa.close();
    QyPesquisa.setSql(sql);
    QyPesquisa.open();
}

void TFPesquisaBase::Timer1Timer() {
    Timer1.stop();
    Pesquisa(EdtIncremental->text());
}

void TFPesquisaBase::montaEscolhas(const QStringList &titulos, std::vector<ui::GridColumn> colunas) {
    ComboBox1->clear();
    ComboBox1->addItems(titulos);
    ComboBox1->setCurrentIndex(titulos.isEmpty() ? -1 : 0);
    DBGrid1->setColumns(std::move(colunas));
}

void TFPesquisaBase::DBGrid1DblClick() {
    if (QyPesquisa.isActive() && !QyPesquisa.isEmpty())
        accept();
    else
        reject();
}

void TFPesquisaBase::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    EdtIncremental->setFocus();
}

bool TFPesquisaBase::teclaDaPesquisa(const QKeyEvent *tecla) {
    switch (tecla->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();  // also with an empty grid: the caller reads empty values
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (QyPesquisa.isActive())
            QyPesquisa.prior();
        return false;
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (QyPesquisa.isActive())
            QyPesquisa.next();
        return false;
    default:
        return false;
    }
}

bool TFPesquisaBase::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        auto *tecla = static_cast<QKeyEvent *>(event);
        if (watched == EdtIncremental)
            return teclaDaPesquisa(tecla);
        if (watched == ComboBox1 && (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter)) {
            DBGrid1->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- TFPesquisa ----

TFPesquisa::TFPesquisa(QWidget *parent) : TFPesquisaBase(parent) {}

ConfigPesquisa TFPesquisa::config() const {
    return {Titulos, Campos, Tabela, TabelaJuncao1, CampoJuncao1, TabelaJuncao2, CampoJuncao2};
}

QString TFPesquisa::montaSql(const QString &texto) const {
    int empresaDoCadastro = 0;
    if (const drav::ds::Field *f = dmDados->TbEmpresa.findField(QStringLiteral("idempresa")))
        empresaDoCadastro = int(f->asInteger());
    return SqlPesquisa(config(), dmDados->EmpresaAtual, empresaDoCadastro, ComboBox1->currentIndex(), texto);
}

void TFPesquisa::PreparaSemPesquisar() {
    std::vector<ui::GridColumn> colunas;
    for (int i = 0; i < Campos.size(); ++i)
        colunas.push_back({.fieldName = semTabela(Campos.at(i)), .title = Titulos.value(i), .fieldIndex = i});
    montaEscolhas(Titulos, std::move(colunas));
}

void TFPesquisa::Prepara() {
    PreparaSemPesquisar();
    Pesquisa(QString());
}
