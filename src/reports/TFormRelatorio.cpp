#include "reports/TFormRelatorio.h"

#include "data/TdmDados.h"
#include "platform/format/Formats.h"

#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using drav::report::Band;
using drav::report::Box;
using drav::report::Element;
using drav::report::Report;
using drav::report::SystemField;

namespace drav::relatorios {

namespace {

constexpr double kLargura = 190;        // A4 portrait between the 10 mm margins
constexpr double kAlturaCabecalho = 20; // without the period line
constexpr double kAlturaLinha = 5;
constexpr double kAlturaLegendas = 6;

bool ehNumeroInteiro(int tipo) {
    switch (tipo) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

// A picture of zeros only ("000000", the numbers of the registers): every
// row of a listing goes through it, so it skips FormatFloat's general path.
bool soZeros(const QString &mascara) {
    if (mascara.isEmpty())
        return false;
    for (QChar c : mascara)
        if (c != u'0')
            return false;
    return true;
}

QString inteiroComZeros(qint64 valor, qsizetype digitos) {
    const QString numero = QString::number(valor < 0 ? -valor : valor).rightJustified(digitos, u'0');
    return valor < 0 ? u'-' + numero : numero;
}

// A listing of 10,000 rows holds some 6 MB of laid-out pages, and the preview
// lays the report out again to paint, print and save it. Handing that memory
// back to the system after each layout makes the next one fault every page
// in again, which costs more than the layout itself: keep it in the process.
void guardaMemoriaDasPaginas() {
#ifdef __GLIBC__
    static std::once_flag uma;
    std::call_once(uma, [] { mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024); });
#endif
}

} // namespace

QString formataValor(const QString &mascara, const QVariant &valor) {
    if (!valor.isValid() || valor.isNull())
        return {};
    const int tipo = valor.typeId();
    if (tipo == QMetaType::QString && mascara.isEmpty())
        return qvariant_cast<QString>(valor);
    if (tipo == QMetaType::QDate)
        return FormatDate(mascara.isEmpty() ? QStringLiteral("dd/mm/yyyy") : mascara, valor.toDate());
    if (tipo == QMetaType::QTime)
        return FormatTime(mascara.isEmpty() ? QStringLiteral("hh:nn:ss") : mascara, valor.toTime());
    if (tipo == QMetaType::QDateTime)
        return FormatDateTime(mascara.isEmpty() ? QStringLiteral("dd/mm/yyyy hh:nn:ss") : mascara,
                              valor.toDateTime());
    if (tipo == QMetaType::Double || tipo == QMetaType::Float)
        return FormatFloat(mascara, valor.toDouble());
    if (ehNumeroInteiro(tipo)) {
        if (mascara.isEmpty())
            return valor.toString();
        if (soZeros(mascara))
            return inteiroComZeros(valor.toLongLong(), mascara.size());
        return FormatFloat(mascara, valor.toDouble());
    }
    // Text that holds a number (a computed decimal) still takes a mask.
    if (!mascara.isEmpty()) {
        bool ok = false;
        const double numero = valor.toString().toDouble(&ok);
        if (ok)
            return FormatFloat(mascara, numero);
    }
    return valor.toString();
}

QString linhaEmpresa(const QString &nomeEmpresa, int safra) {
    return nomeEmpresa + QStringLiteral(" - SAFRA ") + QString::number(safra);
}

QString linhaPeriodo(const QDate &inicial, const QDate &fim) {
    const QString mascara = QStringLiteral("dd/mm/yyyy");
    return QStringLiteral("Período: ") + FormatDate(mascara, inicial) + QStringLiteral(" a ") +
           FormatDate(mascara, fim);
}

CabecalhoPadrao montaCabecalho(Report &r, const QString &titulo, bool comPeriodo) {
    const double altura = kAlturaCabecalho + (comPeriodo ? kAlturaLinha : 0);
    Band &ph = r.pageHeader.setHeight(altura).setName(QStringLiteral("cabecalho"));
    ph.frame({0, 0, kLargura, altura - 1});
    CabecalhoPadrao c;
    c.qrTitulo = &ph.label({0, 1.5, kLargura, 6}, titulo.toUpper()).size(12).bold().center();
    ph.system({2, 8, 90, kAlturaLinha}, SystemField::DateTime, QStringLiteral("Data/Hora: "));
    ph.system({120, 8, kLargura - 122, kAlturaLinha}, SystemField::PageNumber, QStringLiteral("Página: "))
        .right();
    c.qrEmpresa = &ph.label({2, 13, kLargura - 4, kAlturaLinha}, {}).bold();
    if (comPeriodo)
        c.qrPeriodo = &ph.label({2, 18, kLargura - 4, kAlturaLinha}, {});
    return c;
}

std::vector<Element *> montaColunas(Report &r, const std::vector<report::Column> &colunas, double x) {
    r.columnHeader.setHeight(kAlturaLegendas).setName(QStringLiteral("legendas"));
    r.detail.setHeight(kAlturaLinha);
    std::vector<Element *> campos = r.columns(colunas, x);
    r.columnHeader.rule(kAlturaLegendas - 0.5);
    r.detail.setShading(report::Shading::Alternate);
    return campos;
}

Element &totalDinheiro(Band &banda, const Box &caixa, const QString &campo) {
    return banda.sum(caixa, campo).mask(kMascaraDinheiro).right();
}

} // namespace drav::relatorios

TFormRelatorio::TFormRelatorio(TdmDados &dados, const Definicao &definicao)
    : QyRelatorio(dados.ConexaoBD, QStringLiteral("QyRelatorio")), dados_(dados), vazio_(definicao.vazio),
      fonte_(QyRelatorio) {
    namespace rel = drav::relatorios;
    rel::guardaMemoriaDasPaginas();
    QyRelatorio.setReadOnly(true);
    QuickRep1.caption = definicao.titulo;
    QuickRep1.formatter = rel::formataValor;
    QuickRep1.setSource(fonte_);
    const rel::CabecalhoPadrao c = rel::montaCabecalho(QuickRep1, definicao.titulo, definicao.periodo);
    qrTitulo = c.qrTitulo;
    qrEmpresa = c.qrEmpresa;
    qrPeriodo = c.qrPeriodo;
    colunas = rel::montaColunas(QuickRep1, definicao.colunas, 1);
    // Written now, so a later change of company leaves this print alone.
    qrEmpresa->setText(rel::linhaEmpresa(dados.NomeEmpresaAtual, dados.SafraAtual));
}

TFormRelatorio::~TFormRelatorio() = default;

bool TFormRelatorio::abre() {
    QyRelatorio.close();
    if (drav::ds::Parameter *p = QyRelatorio.findParam(QStringLiteral("pidempresa")))
        p->setAsInteger(dados_.EmpresaAtual);
    if (drav::ds::Parameter *p = QyRelatorio.findParam(QStringLiteral("pidsafra")))
        p->setAsInteger(dados_.SafraAtual);
    QyRelatorio.open();
    return !QyRelatorio.isEmpty();
}

void TFormRelatorio::setPeriodo(const QDate &inicial, const QDate &fim) {
    if (qrPeriodo)
        qrPeriodo->setText(drav::relatorios::linhaPeriodo(inicial, fim));
}
