// Posting and deleting: required fields, generated and explicit statements,
// key read-back, rows that are not there, error handlers, hostile text.

#include "DatasetFixture.h"

#include "platform/SilentAbort.h"

using drav::SilentAbort;
using drav::db::DbError;
using drav::ds::Dataset;
using drav::ds::ErrorAction;
using drav::ds::FieldDef;
using drav::ds::RequiredFieldError;
using drav::ds::RowNotFoundError;
using drav::ds::State;
using drav::ds::UpdateSql;
using drav::test::DatasetTest;

namespace {

QString f(const char *name) { return QString::fromLatin1(name); }

// The explicit statements of a production dataset, as the data module writes them.
UpdateSql updateProducao() {
    return UpdateSql::forColumns(f("tbproducao"), {f("idproducao"), f("idempresa"), f("qtdunit"), f("data"),
                                                   f("status"), f("hora"), f("obs")},
                                 {f("idproducao")}, UpdateSql::Nulls::Match);
}

} // namespace

TEST_F(DatasetTest, RequiredFieldsAreCheckedInFieldOrderByLabelOrName) {
    struct Case {
        const char *filled;    // fields given a value before post
        const char *message;
    };
    const std::vector<Case> cases = {
        {"", "Field 'idoperacao' must have a value"},
        {"idoperacao;nomeoperacao", "Field 'Grupo' must have a value"},
        {"idoperacao;idgrupo", "Field 'Nome da Operação' must have a value"},  // an empty text is no value
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        auto d = operacoes();
        d->defineFields({FieldDef{.name = f("idoperacao"), .required = true},
                         FieldDef{.name = f("nomeoperacao"), .displayLabel = QStringLiteral("Nome da Operação"),
                                  .required = true},
                         FieldDef{.name = f("idgrupo"), .displayLabel = f("Grupo"), .required = true}});
        d->open();
        d->append();
        for (const QString &name : QString::fromLatin1(c.filled).split(u';', Qt::SkipEmptyParts))
            d->fieldByName(name).setAsString(name == u"nomeoperacao" ? f("Poda") : f("30"));
        if (!QString::fromLatin1(c.filled).contains(f("nomeoperacao")))
            d->fieldByName(f("nomeoperacao")).setAsString(QString());
        try {
            d->post();
            ADD_FAILURE() << "post accepted";
        } catch (const RequiredFieldError &e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), QString::fromUtf8(c.message));
        }
        EXPECT_EQ(d->state(), State::Insert);
        if (QString::fromLatin1(c.filled).contains(f("idoperacao"))) {
            EXPECT_EQ(d->fieldByName(f("idoperacao")).asInteger(), 30);
        }
    }
    EXPECT_EQ(scalar(f("SELECT COUNT(*) FROM tboperacao")), 4);
}

TEST_F(DatasetTest, GeneratedStatementsWriteOnlyTheTablesOwnColumns) {
    auto d = operacoes();
    d->setOnNewRecord([](Dataset &ds) { ds.fieldByName(f("idempresa")).setAsInteger(1); });
    d->open();
    d->append();
    d->fieldByName(f("idoperacao")).setAsInteger(30);
    d->fieldByName(f("idgrupo")).setAsInteger(2);
    d->fieldByName(f("nomeoperacao")).setAsString(QStringLiteral("Poda"));
    d->fieldByName(f("nomegrupo")).setAsString(QStringLiteral("TRATOS"));  // a joined name: shown, not written
    d->post();
    EXPECT_EQ(d->state(), State::Browse);
    EXPECT_EQ(d->recordCount(), 4);
    EXPECT_EQ(d->fieldByName(f("nomegrupo")).asString(), QStringLiteral("TRATOS"));
    EXPECT_EQ(text(f("SELECT nomeoperacao FROM tboperacao WHERE idoperacao = 30 AND idempresa = 1")), f("Poda"));

    // The composite key finds the row by its old values, also when the key changes.
    d->edit();
    d->fieldByName(f("idoperacao")).setAsInteger(31);
    d->post();
    EXPECT_EQ(scalar(f("SELECT COUNT(*) FROM tboperacao WHERE idoperacao = 31 AND idempresa = 1")), 1);
    EXPECT_EQ(scalar(f("SELECT COUNT(*) FROM tboperacao WHERE idoperacao = 30")), 0);
    EXPECT_EQ(scalar(f("SELECT COUNT(*) FROM tboperacao WHERE idoperacao = 10 AND idempresa = 2")), 1);

    // A row rewritten with its own values was still found.
    d->edit();
    d->fieldByName(f("nomeoperacao")).setAsString(QStringLiteral("Poda"));
    EXPECT_NO_THROW(d->post());

    d->remove();
    EXPECT_EQ(scalar(f("SELECT COUNT(*) FROM tboperacao WHERE idoperacao = 31")), 0);
    EXPECT_EQ(d->recordCount(), 3);
}

TEST_F(DatasetTest, NotWrittenFieldsStayOutOfTheStatements) {
    auto d = query(f("select * from tbproducao order by idproducao"));
    d->defineFields({FieldDef{.name = f("obs"), .written = false}});
    d->open();
    d->edit();
    d->fieldByName(f("obs")).setAsString(QStringLiteral("só na tela"));
    d->fieldByName(f("status")).setAsString(f("F"));
    d->post();
    EXPECT_EQ(text(f("SELECT status FROM tbproducao WHERE idproducao = 1")), f("F"));
    EXPECT_TRUE(conn().query(f("SELECT obs FROM tbproducao WHERE idproducao = 1")).isNull(0, 0));
}

TEST_F(DatasetTest, InsertedRowReadsBackItsGeneratedKey) {
    const UpdateSql explicitSql = updateProducao();
    for (const UpdateSql *update : {static_cast<const UpdateSql *>(nullptr), &explicitSql}) {
        SCOPED_TRACE(update ? "explicit statements" : "generated statements");
        auto d = query(f("select * from tbproducao where idempresa = :pidempresa order by idproducao"));
        d->setParam(f("pidempresa"), 1);
        d->setUpdateSql(update);
        d->setOnNewRecord([](Dataset &ds) {
            ds.fieldByName(f("idempresa")).setAsInteger(1);
            ds.fieldByName(f("data")).setAsDate(QDate(2009, 3, 6));
            ds.fieldByName(f("status")).setAsString(f("A"));
        });
        d->open();
        d->append();
        d->fieldByName(f("qtdunit")).setAsFloat(3.25);
        d->post();
        const qint64 id = d->fieldByName(f("idproducao")).asInteger();
        EXPECT_EQ(id, qint64(conn().lastInsertId()));
        EXPECT_GT(id, 2);
        // The new key identifies the row for the next change.
        d->edit();
        d->fieldByName(f("obs")).setAsString(f("corrigida"));
        d->post();
        EXPECT_EQ(text(QStringLiteral("SELECT obs FROM tbproducao WHERE idproducao = %1").arg(id)), f("corrigida"));
        EXPECT_EQ(text(QStringLiteral("SELECT qtdunit FROM tbproducao WHERE idproducao = %1").arg(id)), f("3.25"));
    }
}

TEST_F(DatasetTest, UnassignedFieldsOfAnInsertedRowTakeTheTablesDefaults) {
    auto d = query(f("select * from tbproducao"));
    d->open();
    d->append();
    d->fieldByName(f("idempresa")).setAsInteger(1);
    d->post();
    EXPECT_EQ(text(QStringLiteral("SELECT status FROM tbproducao WHERE idproducao = %1")
                       .arg(d->fieldByName(f("idproducao")).asInteger())),
              f("A"));
}

TEST_F(DatasetTest, ExplicitStatementsGetNewAndOldValues) {
    auto d = query(f("select * from tbnota order by numero"));
    const UpdateSql byAll = UpdateSql::forColumns(f("tbnota"), {f("numero"), f("serie"), f("texto")},
                                                  {f("numero"), f("serie"), f("texto")}, UpdateSql::Nulls::Match);
    d->setUpdateSql(&byAll);
    d->open();
    ASSERT_TRUE(d->fieldByName(f("serie")).isNull());
    d->edit();
    d->fieldByName(f("texto")).setAsString(f("novo texto"));
    d->post();  // the null old serie matched the null in the row
    EXPECT_EQ(text(f("SELECT texto FROM tbnota WHERE numero = 1")), f("novo texto"));

    // Where nulls do not match, the same change finds no row.
    const UpdateSql nullsDiffer = UpdateSql::forColumns(f("tbnota"), {f("numero"), f("serie"), f("texto")},
                                                        {f("numero"), f("serie"), f("texto")});
    d->setUpdateSql(&nullsDiffer);
    d->edit();
    d->fieldByName(f("texto")).setAsString(f("outro"));
    EXPECT_THROW(d->post(), RowNotFoundError);
    EXPECT_EQ(d->state(), State::Edit);
    EXPECT_EQ(text(f("SELECT texto FROM tbnota WHERE numero = 1")), f("novo texto"));
    d->cancel();

    d->setUpdateSql(&byAll);
    d->remove();
    EXPECT_EQ(scalar(f("SELECT COUNT(*) FROM tbnota")), 1);
}

TEST_F(DatasetTest, UpdateOrDeleteTouchingNoRowIsAnError) {
    const UpdateSql explicitSql = updateProducao();
    for (const UpdateSql *update : {static_cast<const UpdateSql *>(nullptr), &explicitSql}) {
        SCOPED_TRACE(update ? "explicit statements" : "generated statements");
        conn().execute(f("INSERT INTO tbproducao (idproducao, idempresa) VALUES (50, 1), (51, 1)"));
        auto d = query(f("select * from tbproducao where idproducao >= 50 order by idproducao"));
        d->setUpdateSql(update);
        d->open();
        auto other = database->openConnection();
        other->execute(f("DELETE FROM tbproducao WHERE idproducao >= 50"));
        d->edit();
        d->fieldByName(f("obs")).setAsString(f("perdida"));
        EXPECT_THROW(d->post(), RowNotFoundError);
        EXPECT_EQ(d->state(), State::Edit);
        d->cancel();
        d->next();
        EXPECT_THROW(d->remove(), RowNotFoundError);
        EXPECT_EQ(d->recordCount(), 2);
    }
}

TEST_F(DatasetTest, PostErrorHandlerEndsSilentlyOrLetsTheErrorThrough) {
    struct Seen {
        unsigned code = 0;
        QString required;
    } seen;
    auto handler = [&](ErrorAction action) {
        return [&seen, action](Dataset &, const std::exception &e) {
            if (const auto *db = dynamic_cast<const DbError *>(&e))
                seen.code = db->code();
            if (const auto *req = dynamic_cast<const RequiredFieldError *>(&e))
                seen.required = req->field().fieldName();
            return action;
        };
    };
    auto d = operacoes();
    d->defineFields({FieldDef{.name = f("nomeoperacao"), .required = true}});
    d->open();
    const auto typeDuplicate = [&] {
        d->append();
        d->fieldByName(f("idoperacao")).setAsInteger(10);
        d->fieldByName(f("idempresa")).setAsInteger(1);
        d->fieldByName(f("idgrupo")).setAsInteger(1);
        d->fieldByName(f("nomeoperacao")).setAsString(f("Repetida"));
    };

    d->setOnPostError(handler(ErrorAction::Abort));
    typeDuplicate();
    EXPECT_THROW(d->post(), SilentAbort);
    EXPECT_EQ(seen.code, 1062u);
    EXPECT_EQ(d->state(), State::Insert);
    EXPECT_EQ(d->fieldByName(f("nomeoperacao")).asString(), f("Repetida"));
    d->fieldByName(f("nomeoperacao")).clear();
    EXPECT_THROW(d->post(), SilentAbort);
    EXPECT_EQ(seen.required, f("nomeoperacao"));
    d->cancel();

    d->setOnPostError(handler(ErrorAction::Fail));
    typeDuplicate();
    try {
        d->post();
        ADD_FAILURE() << "post accepted";
    } catch (const DbError &e) {
        EXPECT_EQ(e.code(), 1062u);
    }
    EXPECT_EQ(d->state(), State::Insert);
    d->cancel();

    d->setOnPostError(nullptr);  // without a handler the error reaches the caller
    d->append();
    d->fieldByName(f("idoperacao")).setAsInteger(40);
    d->fieldByName(f("idempresa")).setAsInteger(1);
    d->fieldByName(f("idgrupo")).setAsInteger(9);  // no such group
    d->fieldByName(f("nomeoperacao")).setAsString(f("Sem grupo"));
    try {
        d->post();
        ADD_FAILURE() << "post accepted";
    } catch (const DbError &e) {
        EXPECT_EQ(e.code(), 1452u);
    }
}

TEST_F(DatasetTest, DeleteErrorHandlerKeepsTheRow) {
    auto grupos = query(f("select * from tbgrupo where idempresa = 1 order by idgrupo"));
    unsigned code = 0;
    grupos->setOnDeleteError([&](Dataset &ds, const std::exception &e) {
        EXPECT_EQ(&ds, grupos.get());
        code = dynamic_cast<const DbError &>(e).code();
        return ErrorAction::Abort;
    });
    grupos->open();
    EXPECT_THROW(grupos->remove(), SilentAbort);
    EXPECT_EQ(code, 1451u);
    EXPECT_EQ(grupos->recordCount(), 2);
    EXPECT_EQ(grupos->fieldByName(f("nomegrupo")).asString(), f("COLHEITA"));
    EXPECT_EQ(scalar(f("SELECT COUNT(*) FROM tbgrupo")), 3);

    grupos->setOnDeleteError(nullptr);
    EXPECT_THROW(grupos->remove(), DbError);
}

TEST_F(DatasetTest, HostileTextChangesNoStatement) {
    const QStringList hostile = {
        QStringLiteral("x'; DROP TABLE tbgrupo; --"),
        QStringLiteral("a\\' OR 1=1 #"),
        QStringLiteral(":Pidempresa :OLD_nomegrupo"),
        QStringLiteral("\"; DELETE FROM tbgrupo; \""),
        QStringLiteral("`tbgrupo`"),
    };
    const UpdateSql explicitSql = UpdateSql::forColumns(f("tbgrupo"), {f("idgrupo"), f("idempresa"), f("nomegrupo")},
                                                        {f("idgrupo"), f("idempresa"), f("nomegrupo")});
    int id = 10;
    for (const UpdateSql *update : {static_cast<const UpdateSql *>(nullptr), &explicitSql}) {
        for (const QString &text : hostile) {
            SCOPED_TRACE(text.toStdString());
            auto d = query(f("select * from tbgrupo where nomegrupo = :pnome or idgrupo = :pid"));
            d->setUpdateSql(update);
            d->setParam(f("pnome"), text);
            d->setParam(f("pid"), QVariant());
            d->open();
            EXPECT_EQ(d->recordCount(), 0);
            d->append();
            d->fieldByName(f("idgrupo")).setAsInteger(++id);
            d->fieldByName(f("idempresa")).setAsInteger(1);
            d->fieldByName(f("nomegrupo")).setAsString(text);
            d->post();
            d->close();
            d->open();  // the parameter finds exactly the stored text
            ASSERT_EQ(d->recordCount(), 1);
            d->edit();
            d->fieldByName(f("nomegrupo")).setAsString(text + u'!');
            d->post();  // the old hostile value identified the row
            d->remove();
        }
    }
    EXPECT_EQ(scalar(f("SELECT COUNT(*) FROM tbgrupo")), 3);
    EXPECT_EQ(scalar(f("SELECT COUNT(*) FROM tboperacao")), 4);
}
