#pragma once
// Tables shaped like the program's registers: a composite key with a joined
// name (operation and group), an auto-increment row with defaults
// (production), and a table without a key whose rows are found by all their
// values.

#include "platform/dataset/Dataset.h"

#include "TestDatabase.h"

#include <gtest/gtest.h>

namespace drav::test {

class DatasetTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        conn().executeScript(QStringLiteral(R"(
            CREATE TABLE tbgrupo (idgrupo INT NOT NULL, idempresa INT NOT NULL, nomegrupo VARCHAR(35) NOT NULL,
                PRIMARY KEY (idgrupo, idempresa)) ENGINE=InnoDB DEFAULT CHARSET=latin1;
            CREATE TABLE tboperacao (idoperacao INT NOT NULL, idempresa INT NOT NULL, idgrupo INT NOT NULL,
                nomeoperacao VARCHAR(40), PRIMARY KEY (idoperacao, idempresa),
                CONSTRAINT fk_operacao_grupo FOREIGN KEY (idgrupo, idempresa) REFERENCES tbgrupo (idgrupo, idempresa))
                ENGINE=InnoDB DEFAULT CHARSET=latin1;
            CREATE TABLE tbproducao (idproducao INT NOT NULL AUTO_INCREMENT PRIMARY KEY, idempresa INT NOT NULL,
                qtdunit DECIMAL(15,2), data DATE NOT NULL DEFAULT '0000-00-00', status CHAR(1) NOT NULL DEFAULT 'A',
                hora VARCHAR(10), obs VARCHAR(60)) ENGINE=InnoDB DEFAULT CHARSET=latin1;
            CREATE TABLE tbnota (numero INT, serie VARCHAR(3), texto VARCHAR(20)) ENGINE=InnoDB DEFAULT CHARSET=latin1;
            INSERT INTO tbgrupo VALUES (1, 1, 'COLHEITA'), (2, 1, 'TRATOS'), (1, 2, 'OUTRA EMPRESA');
            INSERT INTO tboperacao VALUES (10, 1, 1, 'Derriça'), (11, 1, 1, 'Varrição'), (20, 1, 2, 'Adubação'),
                (10, 2, 1, 'Outra');
            INSERT INTO tbproducao (idempresa, qtdunit, data, status, hora, obs) VALUES
                (1, 12.50, '2009-03-05', 'A', '07:10:00', NULL), (1, NULL, '0000-00-00', 'F', NULL, 'sem data');
            INSERT INTO tbnota VALUES (1, NULL, 'sem série'), (2, 'A', 'com série');
        )"));
    }

    // TbOperacao of the data module: a join whose group name is not written.
    std::unique_ptr<ds::Dataset> operacoes(const char *where = "a.idempresa = :Pidempresa") {
        auto d = std::make_unique<ds::Dataset>(conn(), QStringLiteral("TbOperacao"));
        d->setSql(QStringLiteral("Select a.*, b.nomegrupo from Tboperacao a inner join Tbgrupo b on b.idgrupo = "
                                 "a.idgrupo and b.idempresa = a.idempresa where %1 order by a.idoperacao")
                      .arg(QString::fromLatin1(where)));
        d->setParam(QStringLiteral("pidempresa"), 1);
        return d;
    }

    std::unique_ptr<ds::Dataset> query(const QString &sql) {
        auto d = std::make_unique<ds::Dataset>(conn(), QStringLiteral("qy"));
        d->setSql(sql);
        return d;
    }

    qint64 scalar(const QString &sql) { return conn().query(sql).integer(0, 0); }
    QString text(const QString &sql) { return conn().query(sql).text(0, 0); }
};

} // namespace drav::test
