#include "forms/TFPesquisa2.h"

#include "data/TdmDados.h"

TFPesquisa2::TFPesquisa2(QWidget *parent) : TFPesquisaBase(parent) {}

ConfigPesquisa2 TFPesquisa2::config() const { return {Consultas, Distinto, MostraDemitidos, CondicaoExtra}; }

QString TFPesquisa2::montaSql(const QString &texto) const {
    return SqlPesquisa2(config(), dmDados->EmpresaAtual, ComboBox1->currentIndex(), texto);
}

void TFPesquisa2::Prepara() {
    QStringList escolhas;
    std::vector<drav::ui::GridColumn> colunas;
    for (int i = 0; i < int(Consultas.size()); ++i) {
        const TCampos &c = Consultas[std::size_t(i)];
        if (!c.mostrado())
            continue;  // joined only: neither shown nor offered
        escolhas << c.Titulo;
        colunas.push_back({.fieldName = c.Campo, .title = c.Titulo, .titleAlignment = Qt::AlignCenter, .fieldIndex = i});
    }
    montaEscolhas(escolhas, std::move(colunas));
    Pesquisa(QString());
}
