// The data-aware controls over a dataset of a small table: what they show in
// each state, what they write, masks, case, empty dates, stored values of
// fixed choices, and the grid.

#include "platform/dataset/DatasetError.h"
#include "platform/widgets/DataActions.h"
#include "platform/widgets/DateEdit.h"
#include "platform/widgets/DbChoices.h"
#include "platform/widgets/DbEdit.h"
#include "platform/widgets/DbGrid.h"
#include "platform/widgets/DbMemo.h"
#include "platform/widgets/ProgramFormats.h"

#include "TestDatabase.h"

#include <QApplication>
#include <QAbstractButton>
#include <QCalendarWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace ui = drav::ui;
using drav::ds::Dataset;
using drav::ds::State;

namespace {

class WidgetsTest : public drav::test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        drav::installProgramFormats();
        conn().executeScript(QStringLiteral(
            "CREATE TABLE tbteste (id int PRIMARY KEY, nome varchar(10), cep varchar(8), data date NULL,"
            " situacao char(1), obs text, valor decimal(10,2));"
            "INSERT INTO tbteste VALUES (1, 'ana', '30110000', '2020-05-17', 'A', 'nota', 1234.5),"
            " (2, 'bia', NULL, NULL, 'X', NULL, 0), (3, 'caio', NULL, NULL, 'I', NULL, 7);"));
        ds = std::make_unique<Dataset>(conn(), QStringLiteral("teste"));
        ds->setSql(QStringLiteral("select * from tbteste order by id"));
        ds->defineFields({{.name = "cep", .editMask = "00000\\-999;0;_"}, {.name = "valor", .displayFormat = "#,##0.00"}});
        ds->open();
        fonte = std::make_unique<ui::DataSource>(ds.get());
        janela.show();
        QApplication::setActiveWindow(&janela);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    }
    void TearDown() override {
        fonte.reset();
        ds.reset();
        DbTest::TearDown();
    }
    template <class W> W *liga(W *w, const QString &campo) {
        w->setParent(&janela);
        w->setDataSource(fonte.get());
        w->setDataField(campo);
        w->show();
        return w;
    }
    static void digitaLetra(QWidget *w, QChar c) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
    static void digita(QWidget *w, const QString &texto) {
        for (QChar c : texto)
            digitaLetra(w, c);
    }

    QWidget janela;
    std::unique_ptr<Dataset> ds;
    std::unique_ptr<ui::DataSource> fonte;
};

TEST_F(WidgetsTest, TheEditShowsTheDisplayTextUnlessFocusedWhileEditing) {
    auto *valor = liga(new ui::DbEdit, "valor");
    auto *cep = liga(new ui::DbEdit, "cep");
    EXPECT_EQ(valor->text(), "1.234,50") << "through FormatFloat";
    EXPECT_EQ(valor->alignment() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_TRUE(valor->isReadOnly()) << "browsing, without automatic edit";
    cep->setFocus();
    EXPECT_TRUE(cep->inputMask().isEmpty()) << "browsing: no mask";
    ds->edit();
    EXPECT_FALSE(cep->isReadOnly());
    EXPECT_FALSE(cep->inputMask().isEmpty()) << "focused while editing: the field's mask";
    EXPECT_EQ(cep->displayText(), "30110-000");
    valor->setFocus();
    EXPECT_TRUE(cep->inputMask().isEmpty());
    EXPECT_EQ(cep->text(), ds->fieldByName("cep").displayText());
    ds->next();  // leaving the row ends the edit
    EXPECT_EQ(valor->text(), "0,00");
}

TEST_F(WidgetsTest, TheMaskIsTakenOffWhatIsWritten) {
    auto *cep = liga(new ui::DbEdit, "cep");
    ds->next();
    ds->edit();
    cep->setFocus();
    cep->home(false);
    QTest::keyClicks(cep, "12345678");
    EXPECT_EQ(cep->displayText(), "12345-678");
    fonte->updateRecord();
    EXPECT_EQ(ds->fieldByName("cep").asString(), "12345678");
    EXPECT_FALSE(cep->isModified());
}

TEST_F(WidgetsTest, CaseForcingAppliesToWhatIsTyped) {
    struct Caso {
        ui::CharCase caixa;
        QString digitado, gravado;
    };
    const Caso casos[] = {{ui::CharCase::Upper, "joão", "JOÃO"},
                          {ui::CharCase::Lower, "ÇÃO", "ção"},
                          {ui::CharCase::Normal, "Ana", "Ana"}};
    auto *nome = liga(new ui::DbEdit, "nome");
    ds->edit();
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.digitado.toStdString());
        nome->setCharCase(c.caixa);
        nome->setFocus();
        nome->clear();
        digita(nome, c.digitado);
        EXPECT_EQ(nome->text(), c.gravado);
        nome->clearFocus();
        EXPECT_EQ(ds->fieldByName("nome").asString(), c.gravado) << "written when the control is left";
    }
}

TEST_F(WidgetsTest, TheFieldSizeLimitsTheText) {
    auto *nome = liga(new ui::DbEdit, "nome");
    ds->edit();
    nome->setFocus();
    EXPECT_EQ(nome->maxLength(), 10);
    nome->setMaxTextLength(3);
    EXPECT_EQ(nome->maxLength(), 3);
}

TEST_F(WidgetsTest, TypingStartsAnEditOnlyWithAutomaticEdit) {
    auto *nome = liga(new ui::DbEdit, "nome");
    nome->setFocus();
    QTest::keyClicks(nome, "x");
    EXPECT_EQ(ds->state(), State::Browse);
    EXPECT_EQ(nome->text(), "ana");

    fonte->setAutoEdit(true);
    nome->end(false);
    QTest::keyClicks(nome, "x");
    EXPECT_EQ(ds->state(), State::Edit);
    EXPECT_EQ(nome->text(), "anax");
    fonte->updateRecord();
    EXPECT_EQ(ds->fieldByName("nome").asString(), "anax");

    nome->setDataReadOnly(true);
    QTest::keyClicks(nome, "y");
    EXPECT_EQ(nome->text(), "anax") << "never writable";
}

TEST_F(WidgetsTest, PasswordEchoHidesTheText) {
    auto *nome = liga(new ui::DbEdit, "nome");
    nome->setEchoMode(QLineEdit::Password);
    ds->edit();
    nome->setFocus();
    nome->clear();
    QTest::keyClicks(nome, "segredo");
    EXPECT_NE(nome->displayText(), "segredo");
    fonte->updateRecord();
    EXPECT_EQ(ds->fieldByName("nome").asString(), "segredo");
}

TEST_F(WidgetsTest, AnEmptyDateWritesNull) {
    auto *data = liga(new ui::DbDateEdit, "data");
    EXPECT_EQ(data->lineEdit()->text(), "17/05/2020");
    EXPECT_TRUE(data->lineEdit()->isReadOnly());
    ds->edit();
    data->lineEdit()->setFocus();
    data->lineEdit()->selectAll();
    QTest::keyClick(data->lineEdit(), Qt::Key_Delete);
    EXPECT_TRUE(data->isEmpty());
    fonte->updateRecord();
    EXPECT_TRUE(ds->fieldByName("data").isNull());

    data->lineEdit()->home(false);
    QTest::keyClicks(data->lineEdit(), "01022021");
    fonte->updateRecord();
    EXPECT_EQ(ds->fieldByName("data").asDate(), QDate(2021, 2, 1));

    data->lineEdit()->selectAll();
    QTest::keyClicks(data->lineEdit(), "31022021");
    EXPECT_THROW(data->writeField(), drav::ds::ConversionError) << "no such day";
    EXPECT_EQ(ds->fieldByName("data").asDate(), QDate(2021, 2, 1));
}

TEST_F(WidgetsTest, TheCalendarPicksADate) {
    auto *data = liga(new ui::DbDateEdit, "data");
    ds->edit();
    data->showCalendar();
    ASSERT_NE(data->calendar(), nullptr);
    EXPECT_EQ(data->calendar()->selectedDate(), QDate(2020, 5, 17));
    Q_EMIT data->calendar()->clicked(QDate(2022, 3, 4));
    EXPECT_FALSE(data->calendar()->isVisible());
    fonte->updateRecord();
    EXPECT_EQ(ds->fieldByName("data").asDate(), QDate(2022, 3, 4));
}

TEST_F(WidgetsTest, AnEmptyUnboundDateReadsAsTheZeroDate) {
    ui::DateEdit data(&janela);
    EXPECT_TRUE(data.isEmpty());
    EXPECT_EQ(data.date(), QDate(1899, 12, 30));
    data.setDate(QDate(2009, 7, 1));
    EXPECT_EQ(data.lineEdit()->text(), "01/07/2009");
    EXPECT_EQ(data.date(), QDate(2009, 7, 1));
    data.setDate(ui::DateEdit::zeroDate());
    EXPECT_TRUE(data.isEmpty());
    data.lineEdit()->setFocus();
    data.lineEdit()->home(false);
    QTest::keyClicks(data.lineEdit(), "1207");
    EXPECT_THROW((void)data.date(), drav::ds::ConversionError) << "half a date";
}

TEST_F(WidgetsTest, TheComboStoresTheValueOfTheChosenItem) {
    auto *combo = liga(new ui::DbComboBox, "situacao");
    combo->setChoices({"Ativo", "Inativo"}, {"A", "I"});
    EXPECT_EQ(combo->currentText(), "Ativo");
    Q_EMIT combo->activated(1);
    EXPECT_EQ(combo->currentIndex(), 0) << "browsing: the choice does not stick";
    EXPECT_EQ(ds->fieldByName("situacao").asString(), "A");

    ds->edit();
    combo->setCurrentIndex(1);
    Q_EMIT combo->activated(1);
    EXPECT_EQ(ds->fieldByName("situacao").asString(), "I");
    ds->next();  // posts
    EXPECT_EQ(combo->currentIndex(), -1) << "a value not in the list shows no item";
    ds->next();
    EXPECT_EQ(combo->currentText(), "Inativo");

    combo->setChoices({"S", "N"});
    ds->edit();
    combo->setCurrentIndex(1);
    Q_EMIT combo->activated(1);
    EXPECT_EQ(ds->fieldByName("situacao").asString(), "N") << "without values the text is stored";
}

TEST_F(WidgetsTest, TheRadioGroupStoresTheValueOfTheCheckedButton) {
    auto *grupo = liga(new ui::DbRadioGroup("Situação"), "situacao");
    grupo->setChoices({"Ativo", "Inativo"}, {"A", "I"});
    grupo->setColumns(2);
    EXPECT_EQ(grupo->itemIndex(), 0);
    grupo->button(1)->click();
    EXPECT_EQ(grupo->itemIndex(), 0) << "browsing";
    ds->edit();
    grupo->button(1)->click();
    EXPECT_EQ(ds->fieldByName("situacao").asString(), "I");
    ds->cancel();
    EXPECT_EQ(grupo->itemIndex(), 0);
    ds->next();
    EXPECT_EQ(grupo->itemIndex(), -1);
}

TEST_F(WidgetsTest, TheMemoWritesItsText) {
    auto *memo = liga(new ui::DbMemo, "obs");
    EXPECT_EQ(memo->toPlainText(), "nota");
    EXPECT_TRUE(memo->isReadOnly());
    ds->edit();
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, " longa");
    fonte->updateRecord();
    EXPECT_EQ(ds->fieldByName("obs").asString(), "nota longa");
}

TEST_F(WidgetsTest, TheGridShowsItsColumnsAndFollowsTheCurrentRow) {
    auto *grade = new ui::DbGrid(&janela);
    grade->setDataSource(fonte.get());
    grade->setColumns({{.fieldName = "valor", .title = "Valor", .width = 90}, {.fieldName = "nome", .title = "Nome"}});
    grade->show();
    auto *modelo = grade->gridModel();
    const int colValor = modelo->modelColumn(grade->columns()[0]);
    const int colNome = modelo->modelColumn(grade->columns()[1]);
    EXPECT_EQ(grade->horizontalHeader()->visualIndex(colValor), 0);
    EXPECT_EQ(grade->horizontalHeader()->visualIndex(colNome), 1);
    EXPECT_EQ(modelo->headerData(colValor, Qt::Horizontal).toString(), "Valor");
    EXPECT_EQ(grade->columnWidth(colValor), 90);
    EXPECT_TRUE(grade->isColumnHidden(modelo->columnOf(&ds->fieldByName("cep"))));
    EXPECT_EQ(grade->cellText(0, colValor), "1.234,50");
    EXPECT_EQ(grade->editTriggers(), QAbstractItemView::NoEditTriggers);

    grade->selectRow(2);
    EXPECT_EQ(ds->recNo(), 3);
    ds->first();
    EXPECT_EQ(grade->currentIndex().row(), 0);

    int duplos = 0;
    QObject::connect(grade, &ui::DbGrid::gridDoubleClicked, [&] { ++duplos; });
    QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(duplos, 1);
    ds->close();
    ds->open();
    EXPECT_TRUE(grade->isColumnHidden(modelo->columnOf(&ds->fieldByName("cep")))) << "after a reopen too";
}

TEST_F(WidgetsTest, DatasetActionsFollowTheState) {
    ui::DatasetAction incluir("&Incluir", ui::EnabledWhen::Browsing);
    ui::DatasetAction gravar("&Gravar", ui::EnabledWhen::Editing);
    EXPECT_FALSE(incluir.isEnabled()) << "no data source";
    incluir.setDataSource(fonte.get());
    gravar.setDataSource(fonte.get());
    EXPECT_TRUE(incluir.isEnabled());
    EXPECT_FALSE(gravar.isEnabled());
    ds->append();
    EXPECT_FALSE(incluir.isEnabled());
    EXPECT_TRUE(gravar.isEnabled());
    ds->cancel();
    ds->close();
    EXPECT_FALSE(incluir.isEnabled());
    EXPECT_FALSE(gravar.isEnabled());
}

} // namespace
