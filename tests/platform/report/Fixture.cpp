#include "Fixture.h"

#include <QFile>

namespace drav::report::test {

std::unique_ptr<MemoryRowSource> productionRows() {
    return std::make_unique<MemoryRowSource>(
        QStringList{"idturma", "turma", "nome", "qtd", "valor"},
        std::vector<QVariantList>{
            {1, "ALFA", "ANA", 10.0, 25.0},
            {1, "ALFA", "BRUNO", 4.0, 10.0},
            {2, "BETA", "CARLA", 7.5, 18.75},
            {3, "GAMA", "DANIEL", 2.0, 5.0},
            {3, "GAMA", "EVA", 3.0, 7.5},
            {3, "GAMA", "FABIO", 1.0, 2.5},
        });
}

std::unique_ptr<MemoryRowSource> numberedRows(int count, int perTeam) {
    auto rows = std::make_unique<MemoryRowSource>(QStringList{"idturma", "turma", "nome", "qtd", "valor"});
    for (int i = 1; i <= count; ++i) {
        const int team = (i - 1) / perTeam + 1;
        rows->append({team, QStringLiteral("TURMA %1").arg(team), QStringLiteral("COLABORADOR %1").arg(i, 5, 10, QChar(u'0')),
                      double(i % 7), (i % 7) * 2.5});
    }
    return rows;
}

QDateTime fixedNow() { return QDateTime(QDate(2024, 3, 14), QTime(9, 30, 5)); }

void buildListing(Report &r, RowSource &rows, bool groupByTeam) {
    r.caption = QStringLiteral("Relação de Produção");
    r.clock = fixedNow;
    r.setSource(rows);

    Band &ph = r.pageHeader.setHeight(20);
    ph.frame({0, 0, 190, 18});
    ph.label({0, 1, 190, 7}, QStringLiteral("RELAÇÃO DE PRODUÇÃO")).size(12).bold().center();
    ph.system({2, 8, 80, 5}, SystemField::DateTime, QStringLiteral("Data/Hora: "));
    ph.system({140, 8, 48, 5}, SystemField::PageNumber, QStringLiteral("Página: ")).right();
    ph.label({2, 13, 120, 5}, QStringLiteral("FAZENDA MODELO - SAFRA 2024"));

    r.columns({{QStringLiteral("Colaborador"), QStringLiteral("nome"), 100},
               {QStringLiteral("Quantidade"), QStringLiteral("qtd"), 40, Align::Right, QStringLiteral("0.0")},
               {QStringLiteral("Valor Total"), QStringLiteral("valor"), 50, Align::Right, QStringLiteral("R$0.00")}});
    r.detail.setShading(Shading::Alternate);

    if (groupByTeam) {
        Group &g = r.group(QStringLiteral("idturma"));
        g.header.setHeight(6).setName(QStringLiteral("turma"));
        g.header.label({0, 30}, QStringLiteral("TURMA:")).bold();
        g.header.field({30, 100}, QStringLiteral("turma")).bold();
        g.footer.setHeight(6);
        g.footer.label({0, 100}, QStringLiteral("Total da Turma:"));
        g.footer.sum({100, 40}, QStringLiteral("qtd")).mask(QStringLiteral("0.0")).right();
        g.footer.sum({140, 50}, QStringLiteral("valor")).mask(QStringLiteral("R$0.00")).right();
    }

    Band &s = r.summary.setHeight(12);
    s.rule(0);
    s.label({0, 1, 60, 5}, QStringLiteral("TOTAL DE PRODUÇÕES"));
    s.system({60, 1, 30, 5}, SystemField::DetailCount);
    s.label({0, 6, 100, 5}, QStringLiteral("TOTAL"));
    s.sum({100, 6, 40, 5}, QStringLiteral("qtd")).mask(QStringLiteral("0.0")).right();
    s.sum({140, 6, 50, 5}, QStringLiteral("valor")).mask(QStringLiteral("R$0.00")).right();
}

QString golden(const QString &name, const QString &actual) {
    const QString path = QStringLiteral(DRAV_REPORT_GOLDEN_DIR) + u'/' + name;
    if (qEnvironmentVariableIntValue("DRAV_UPDATE_GOLDEN") == 1) {
        QFile out(path);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(actual.toUtf8());
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing golden file %1>").arg(path);
    return QString::fromUtf8(in.readAll());
}

} // namespace drav::report::test
