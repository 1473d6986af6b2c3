// States, navigation, parameters, fields, locate, bookmarks, master and detail.

#include "DatasetFixture.h"

#include <functional>

using drav::ds::Dataset;
using drav::ds::DatasetError;
using drav::ds::FieldDef;
using drav::ds::State;
using drav::test::DatasetTest;

namespace {

const char *stateName(State s) {
    switch (s) {
    case State::Inactive: return "Inactive";
    case State::Browse: return "Browse";
    case State::Edit: return "Edit";
    case State::Insert: return "Insert";
    }
    return "?";
}

} // namespace

// Each state against each operation: what it becomes, or that it is refused.
TEST_F(DatasetTest, EachStateAllowsItsOperations) {
    using Op = std::function<void(Dataset &)>;
    struct Case {
        const char *what;
        std::function<void(Dataset &)> setup;
        Op op;
        bool refused;
        State after;
    };
    const auto closed = [](Dataset &) {};
    const auto browsing = [](Dataset &d) { d.open(); };
    const auto editing = [](Dataset &d) {
        d.open();
        d.edit();
    };
    const auto inserting = [](Dataset &d) {
        d.open();
        d.append();
    };
    const auto readOnly = [](Dataset &d) {
        d.setReadOnly(true);
        d.open();
    };
    const Op next = [](Dataset &d) { d.next(); };
    const Op append = [](Dataset &d) { d.append(); };
    const Op edit = [](Dataset &d) { d.edit(); };
    const Op post = [](Dataset &d) { d.post(); };
    const Op cancel = [](Dataset &d) { d.cancel(); };
    const Op remove = [](Dataset &d) { d.remove(); };
    const Op assign = [](Dataset &d) { d.fieldByName(QStringLiteral("nomeoperacao")).setAsString(QStringLiteral("X")); };
    const Op close = [](Dataset &d) { d.close(); };
    const std::vector<Case> cases = {
        {"closed next", closed, next, true, State::Inactive},
        {"closed append", closed, append, true, State::Inactive},
        {"closed edit", closed, edit, true, State::Inactive},
        {"closed remove", closed, remove, true, State::Inactive},
        {"closed post", closed, post, false, State::Inactive},
        {"closed cancel", closed, cancel, false, State::Inactive},
        {"browse assign", browsing, assign, true, State::Browse},
        {"browse append", browsing, append, false, State::Insert},
        {"browse edit", browsing, edit, false, State::Edit},
        {"browse post", browsing, post, false, State::Browse},
        {"browse cancel", browsing, cancel, false, State::Browse},
        {"edit assign", editing, assign, false, State::Edit},
        {"edit post", editing, post, false, State::Browse},
        {"edit cancel", editing, cancel, false, State::Browse},
        {"edit unmodified next", editing, next, false, State::Browse},
        {"edit close", editing, close, false, State::Inactive},
        {"insert assign", inserting, assign, false, State::Insert},
        {"insert cancel", inserting, cancel, false, State::Browse},
        {"insert remove", inserting, remove, false, State::Browse},
        {"insert edit", inserting, edit, false, State::Insert},
        {"read-only append", readOnly, append, true, State::Browse},
        {"read-only edit", readOnly, edit, true, State::Browse},
        {"read-only remove", readOnly, remove, true, State::Browse},
        {"read-only next", readOnly, next, false, State::Browse},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        auto d = operacoes();
        c.setup(*d);
        bool refused = false;
        try {
            c.op(*d);
        } catch (const DatasetError &) {
            refused = true;
        }
        EXPECT_EQ(refused, c.refused);
        EXPECT_STREQ(stateName(d->state()), stateName(c.after));
    }
}

TEST_F(DatasetTest, StateChangesAreSignalled) {
    auto d = operacoes();
    std::vector<State> seen;
    QObject::connect(d.get(), &Dataset::stateChanged, [&](State s) { seen.push_back(s); });
    d->open();
    d->append();
    d->cancel();
    d->edit();
    d->cancel();
    d->close();
    const std::vector<State> expected = {State::Browse, State::Insert, State::Browse,
                                         State::Edit,   State::Browse, State::Inactive};
    EXPECT_EQ(seen, expected);
}

TEST_F(DatasetTest, EditOnAnEmptyDatasetAppends) {
    auto d = operacoes();
    d->setParam(QStringLiteral("Pidempresa"), 99);
    d->open();
    d->edit();
    EXPECT_EQ(d->state(), State::Insert);
}

TEST_F(DatasetTest, ModifiedRowIsPostedWhenTheCursorMovesOn) {
    auto d = operacoes();
    d->open();
    d->edit();
    d->fieldByName(QStringLiteral("nomeoperacao")).setAsString(QStringLiteral("Colheita manual"));
    d->next();
    EXPECT_EQ(d->state(), State::Browse);
    EXPECT_EQ(text(QStringLiteral("SELECT nomeoperacao FROM tboperacao WHERE idoperacao = 10 AND idempresa = 1")),
              QStringLiteral("Colheita manual"));
}

TEST_F(DatasetTest, ParametersMatchInAnyCaseAndKeepTheirValues) {
    auto d = operacoes();
    ASSERT_EQ(d->params().size(), 1u);
    EXPECT_EQ(d->params()[0].name(), QStringLiteral("Pidempresa"));
    d->open();
    EXPECT_EQ(d->recordCount(), 3);
    d->close();
    EXPECT_EQ(d->paramByName(QStringLiteral("PIDEMPRESA")).value().toInt(), 1);

    // A new text keeps the values of the names it still has.
    d->setSql(QStringLiteral("select * from tboperacao where idempresa = :pidEmpresa"));
    d->addSql(QStringLiteral("and idgrupo = :Pidgrupo"));
    EXPECT_EQ(d->paramByName(QStringLiteral("pidempresa")).value().toInt(), 1);
    EXPECT_TRUE(d->paramByName(QStringLiteral("pidgrupo")).isNull());
    d->setParam(QStringLiteral("pidgrupo"), 2);
    d->open();
    EXPECT_EQ(d->recordCount(), 1);
    d->setSqlLine(1, QStringLiteral("and idgrupo <> :Pidgrupo"));
    EXPECT_FALSE(d->isActive());
    d->open();
    EXPECT_EQ(d->recordCount(), 2);
    EXPECT_THROW(d->paramByName(QStringLiteral("Pidoperacao")), DatasetError);

    // Quoted text and "::" are no parameters.
    d->setSql(QStringLiteral("select ':naoparam', 1 as x from dual where 1 = :p"));
    EXPECT_EQ(d->params().size(), 1u);
}

TEST_F(DatasetTest, ExecSqlRunsTheStatementWithItsParameters) {
    auto d = query(QStringLiteral("update tboperacao set nomeoperacao = :pnome where idempresa = :pidempresa"));
    d->setParam(QStringLiteral("PNOME"), QStringLiteral("Igual"));
    d->setParam(QStringLiteral("PIDEMPRESA"), 1);
    EXPECT_EQ(d->execSql(), 3u);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tboperacao WHERE nomeoperacao = 'Igual'")), 3);
}

TEST_F(DatasetTest, WalksForwardAndBackward) {
    auto d = operacoes();
    d->open();
    EXPECT_TRUE(d->bof());
    EXPECT_FALSE(d->eof());
    QList<qint64> ids;
    for (d->first(); !d->eof(); d->next())
        ids << d->fieldByName(QStringLiteral("idoperacao")).asInteger();
    EXPECT_EQ(ids, (QList<qint64>{10, 11, 20}));
    EXPECT_EQ(d->recNo(), 3);
    ids.clear();
    for (d->last(); !d->bof(); d->prior())
        ids << d->fieldByName(QStringLiteral("idoperacao")).asInteger();
    EXPECT_EQ(ids, (QList<qint64>{20, 11, 10}));
    d->setRecNo(2);
    EXPECT_EQ(d->fieldByName(QStringLiteral("idoperacao")).asInteger(), 11);
    EXPECT_THROW(d->setRecNo(4), DatasetError);

    auto empty = operacoes();
    empty->setParam(QStringLiteral("pidempresa"), 99);
    empty->open();
    EXPECT_TRUE(empty->bof());
    EXPECT_TRUE(empty->eof());
    EXPECT_EQ(empty->recNo(), 0);
    EXPECT_TRUE(empty->fieldByName(QStringLiteral("nomeoperacao")).isNull());
}

TEST_F(DatasetTest, FieldsReadByTypeAndNameInAnyCase) {
    auto d = query(QStringLiteral("select * from tbproducao order by idproducao"));
    d->open();
    const auto &f = [&](const char *name) -> drav::ds::Field & { return d->fieldByName(QString::fromLatin1(name)); };
    EXPECT_EQ(&f("QTDUNIT"), &f("qtdunit"));
    EXPECT_EQ(f("idproducao").asInteger(), 1);
    EXPECT_DOUBLE_EQ(f("qtdunit").asFloat(), 12.5);
    EXPECT_EQ(f("qtdunit").asString(), QStringLiteral("12,5"));
    EXPECT_EQ(f("data").asDate(), QDate(2009, 3, 5));
    EXPECT_EQ(f("data").asDateTime(), QDateTime(QDate(2009, 3, 5), QTime(0, 0)));
    EXPECT_EQ(f("data").asString(), QStringLiteral("05/03/2009"));
    EXPECT_EQ(f("hora").asString(), QStringLiteral("07:10:00"));
    EXPECT_TRUE(f("obs").isNull());
    EXPECT_EQ(f("obs").asString(), QString());
    d->next();
    EXPECT_TRUE(f("qtdunit").isNull());
    EXPECT_EQ(f("qtdunit").asInteger(), 0);
    EXPECT_FALSE(f("data").asDate().isValid());  // the zero date
    EXPECT_THROW(d->fieldByName(QStringLiteral("nada")), DatasetError);
    EXPECT_EQ(d->findField(QStringLiteral("nada")), nullptr);
}

TEST_F(DatasetTest, FieldsTakeTheirSizeFromTheColumnAndTheDeclaredProperties) {
    auto d = operacoes();
    d->defineFields({FieldDef{.name = QStringLiteral("NOMEOPERACAO"), .displayLabel = QStringLiteral("Nome da Operação"),
                              .required = true},
                     FieldDef{.name = QStringLiteral("nomegrupo"), .written = false, .visible = false}});
    d->open();
    const auto &nome = d->fieldByName(QStringLiteral("nomeoperacao"));
    EXPECT_EQ(nome.size(), 40);
    EXPECT_EQ(nome.displayName(), QStringLiteral("Nome da Operação"));
    EXPECT_TRUE(nome.required());
    EXPECT_EQ(d->fieldByName(QStringLiteral("idgrupo")).displayName(), QStringLiteral("idgrupo"));
    EXPECT_FALSE(d->fieldByName(QStringLiteral("nomegrupo")).isWritten());
    EXPECT_EQ(d->fieldByName(QStringLiteral("nomegrupo")).dataType(), drav::ds::FieldType::String);

    // A field the statement no longer has is a mistake of the declaration.
    auto wrong = operacoes();
    wrong->defineFields({FieldDef{.name = QStringLiteral("nomeoperacoes")}});
    EXPECT_THROW(wrong->open(), DatasetError);
    EXPECT_FALSE(wrong->isActive());
}

TEST_F(DatasetTest, FieldsKeepTheirIdentityAcrossAReopen) {
    auto d = operacoes();
    d->open();
    auto *nome = &d->fieldByName(QStringLiteral("nomeoperacao"));
    nome->setDisplayLabel(QStringLiteral("Operação"));
    d->close();
    EXPECT_TRUE(nome->isNull());
    d->open();
    EXPECT_EQ(&d->fieldByName(QStringLiteral("nomeoperacao")), nome);
    EXPECT_EQ(nome->asString(), QStringLiteral("Derriça"));
}

TEST_F(DatasetTest, AssignmentsConvertClearAndCopy) {
    auto d = query(QStringLiteral("select * from tbproducao order by idproducao"));
    d->open();
    d->edit();
    auto &qtd = d->fieldByName(QStringLiteral("qtdunit"));
    qtd.setAsString(QStringLiteral("1.234,75"));
    EXPECT_DOUBLE_EQ(qtd.asFloat(), 1234.75);
    qtd.setAsInteger(3);
    EXPECT_EQ(qtd.asString(), QStringLiteral("3"));
    qtd.clear();
    EXPECT_TRUE(qtd.isNull());
    EXPECT_EQ(qtd.asInteger(), 0);
    auto &data = d->fieldByName(QStringLiteral("data"));
    data.setAsString(QStringLiteral("07/09/2009"));
    EXPECT_EQ(data.asDate(), QDate(2009, 9, 7));
    EXPECT_THROW(data.setAsString(QStringLiteral("31/02/2009")), drav::ds::ConversionError);
    EXPECT_EQ(data.asDate(), QDate(2009, 9, 7));
    auto &obs = d->fieldByName(QStringLiteral("obs"));
    obs.assign(data);
    EXPECT_EQ(obs.asString(), QStringLiteral("07/09/2009"));
    EXPECT_TRUE(d->isModified());
}

TEST_F(DatasetTest, AValidatorMayRefuseAnAssignment) {
    auto d = query(QStringLiteral("select * from tbproducao order by idproducao"));
    int calls = 0;
    d->defineFields({FieldDef{.name = QStringLiteral("obs"), .validate = [&](drav::ds::Field &f) {
                                  ++calls;
                                  if (f.asString() == u"ruim")
                                      throw DatasetError(QStringLiteral("Valor ruim"));
                                  if (f.asString() == u"limpa") {
                                      f.clear();  // the validator clears and refuses
                                      throw DatasetError(QStringLiteral("Limpo"));
                                  }
                              }}});
    d->open();
    d->edit();
    auto &obs = d->fieldByName(QStringLiteral("obs"));
    obs.setAsString(QStringLiteral("bom"));
    EXPECT_THROW(obs.setAsString(QStringLiteral("ruim")), DatasetError);
    EXPECT_EQ(obs.asString(), QStringLiteral("bom"));
    EXPECT_THROW(obs.setAsString(QStringLiteral("limpa")), DatasetError);
    EXPECT_TRUE(obs.isNull());
    EXPECT_EQ(calls, 4);
}

TEST_F(DatasetTest, LocateOnOneAndOnTwoFields) {
    auto d = query(QStringLiteral("select * from tboperacao order by idempresa, idoperacao"));
    d->open();
    struct Case {
        const char *fields;
        QVariantList values;
        bool found;
        const char *nome;
    };
    const std::vector<Case> cases = {
        {"nomeoperacao", {QStringLiteral("Adubação")}, true, "Adubação"},
        {"nomeoperacao", {QStringLiteral("adubação")}, false, "Adubação"},  // case-sensitive; stays
        {"nomeoperacao", {QStringLiteral("Adub")}, false, "Adubação"},      // exact, not partial
        {"idoperacao;idempresa", {10, 2}, true, "Outra"},
        {"IDOPERACAO; idempresa", {QStringLiteral("10"), 1}, true, "Derriça"},
        {"idoperacao;idempresa", {20, 2}, false, "Derriça"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fields);
        EXPECT_EQ(d->locate(QString::fromLatin1(c.fields), c.values), c.found);
        EXPECT_EQ(d->fieldByName(QStringLiteral("nomeoperacao")).asString(), QString::fromUtf8(c.nome));
    }
}

TEST_F(DatasetTest, BookmarksBringBackTheRowWhileItExists) {
    conn().execute(QStringLiteral("INSERT INTO tbproducao (idempresa, obs) VALUES (1, 'terceira')"));
    auto d = query(QStringLiteral("select * from tbproducao order by idproducao"));
    d->open();
    const auto first = d->bookmark();
    d->next();
    const auto second = d->bookmark();
    d->last();
    d->gotoBookmark(second);
    EXPECT_EQ(d->fieldByName(QStringLiteral("idproducao")).asInteger(), 2);

    d->remove();  // only the deleted row's bookmark goes
    EXPECT_FALSE(d->bookmarkValid(second));
    EXPECT_THROW(d->gotoBookmark(second), DatasetError);
    d->append();
    d->fieldByName(QStringLiteral("idempresa")).setAsInteger(1);
    d->post();
    const auto appended = d->bookmark();
    d->gotoBookmark(first);
    EXPECT_EQ(d->fieldByName(QStringLiteral("idproducao")).asInteger(), 1);
    d->gotoBookmark(appended);
    EXPECT_EQ(d->fieldByName(QStringLiteral("idproducao")).asInteger(), 4);

    d->close();
    d->open();
    EXPECT_FALSE(d->bookmarkValid(first));
}

TEST_F(DatasetTest, DetailFollowsTheMastersCurrentRow) {
    auto grupos = query(QStringLiteral("select * from tbgrupo where idempresa = 1 order by idgrupo"));
    auto detalhe = query(QStringLiteral("select * from tboperacao where idgrupo = :IDGRUPO and idempresa = :idempresa "
                                        "order by idoperacao"));
    detalhe->setMaster(grupos.get());
    grupos->open();
    detalhe->open();
    EXPECT_EQ(detalhe->recordCount(), 2);
    int reopened = 0;
    QObject::connect(detalhe.get(), &Dataset::opened, [&] { ++reopened; });
    grupos->next();
    EXPECT_EQ(reopened, 1);
    EXPECT_EQ(detalhe->recordCount(), 1);
    EXPECT_EQ(detalhe->fieldByName(QStringLiteral("nomeoperacao")).asString(), QStringLiteral("Adubação"));
    grupos->append();  // a new master row has no details yet
    EXPECT_EQ(detalhe->recordCount(), 0);
    grupos->cancel();
    EXPECT_EQ(detalhe->recordCount(), 1);
    grupos->first();
    EXPECT_EQ(detalhe->recordCount(), 2);

    // A closed detail stays closed.
    detalhe->close();
    grupos->next();
    EXPECT_FALSE(detalhe->isActive());
}
