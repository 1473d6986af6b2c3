#pragma once
// What every report form of the program shares: A4 in millimetres with
// 10 mm margins, the standard page header (title, "Data/Hora: ", "Página: ",
// the company line, the frame, the optional period line), column captions,
// the shaded detail band, the program's number and date formats, and the
// query that feeds it on the main connection.
//
// A report form is made for one print and released after its preview:
//
//     class TFrTurma : public TFormRelatorio {
//     public:
//         explicit TFrTurma(TdmDados &dados)
//             : TFormRelatorio(dados, {.titulo = "RELAÇÃO DE TURMAS",
//                                      .colunas = {{"Turma", "idturma", 25, Align::Left, "000000"}, ...},
//                                      .vazio = "Não há turma cadastrada!"}) {
//             QyRelatorio.setSql("select * from tbturma where idempresa = :pidempresa ...");
//         }
//     };
//
//     auto form = std::make_unique<TFrTurma>(*dmDados);   // company line written here
//     form->QyRelatorio.setParam("pdataini", ...);         // the report's own choices
//     if (form->abre()) { form->setPeriodo(ini, fim); preview(form->QuickRep1); }

#include "platform/dataset/Dataset.h"
#include "platform/report/Report.h"
#include "reports/DatasetSource.h"

#include <QDate>

#include <vector>

class TdmDados;

namespace drav::relatorios {

// The mask of money in reports.
inline const QString kMascaraDinheiro = QStringLiteral("R$0.00");

// The program's formats for report values: numbers through FormatFloat
// (decimal comma, "." thousands), dates dd/mm/yyyy, times hh:nn:ss.
QString formataValor(const QString &mascara, const QVariant &valor);

// The company line: "<company> - SAFRA <harvest>".
QString linhaEmpresa(const QString &nomeEmpresa, int safra);
// The period line: "Período: dd/mm/yyyy a dd/mm/yyyy".
QString linhaPeriodo(const QDate &inicial, const QDate &fim);

struct CabecalhoPadrao {
    report::Element *qrTitulo = nullptr;
    report::Element *qrEmpresa = nullptr;
    report::Element *qrPeriodo = nullptr; // null when the report has no period line
};

// Builds the standard page header into `r.pageHeader` (title in capitals).
CabecalhoPadrao montaCabecalho(report::Report &r, const QString &titulo, bool comPeriodo);
// Column captions (bold, ruled below, every page) over the detail fields,
// laid out left to right from `x`; returns the detail elements in order.
std::vector<report::Element *> montaColunas(report::Report &r, const std::vector<report::Column> &colunas,
                                            double x = 0);
// A money total: the sum of `campo` under "R$0.00", right-aligned.
report::Element &totalDinheiro(report::Band &banda, const report::Box &caixa, const QString &campo);

} // namespace drav::relatorios

class TFormRelatorio {
public:
    struct Definicao {
        QString titulo; // in capitals
        std::vector<drav::report::Column> colunas;
        QString vazio;        // the message for an empty result
        bool periodo = false; // the header has the period line
    };

    // Writes the company line from the session values as they are now.
    TFormRelatorio(TdmDados &dados, const Definicao &definicao);
    virtual ~TFormRelatorio();
    TFormRelatorio(const TFormRelatorio &) = delete;
    TFormRelatorio &operator=(const TFormRelatorio &) = delete;

    // Fills the session parameters the statement names (`pidempresa` with the
    // current company, `pidsafra` with the current harvest, in any letter
    // case) and opens the query; true when it has rows.
    bool abre();
    // Writes the period line.
    void setPeriodo(const QDate &inicial, const QDate &fim);

    const QString &mensagemVazia() const { return vazio_; }
    TdmDados &dados() const { return dados_; }

    drav::ds::Dataset QyRelatorio; // the report query, on ConexaoBD
    drav::report::Report QuickRep1;
    drav::report::Element *qrTitulo = nullptr;
    drav::report::Element *qrEmpresa = nullptr;
    drav::report::Element *qrPeriodo = nullptr;
    std::vector<drav::report::Element *> colunas; // the detail fields, in column order

private:
    TdmDados &dados_;
    QString vazio_;
    drav::report::DatasetSource fonte_;
};
