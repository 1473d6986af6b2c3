// The grid model follows the dataset: opening, inserting, cancelling,
// deleting, the current row, and display text through the formats.

#include "DatasetFixture.h"

#include "platform/dataset/DatasetModel.h"

#include <QSignalSpy>

using drav::ds::Dataset;
using drav::ds::DatasetModel;
using drav::ds::FieldDef;
using drav::test::DatasetTest;

namespace {

QString f(const char *name) { return QString::fromLatin1(name); }

} // namespace

TEST_F(DatasetTest, ModelShowsTheVisibleFieldsOfEachRow) {
    auto d = operacoes();
    d->defineFields({FieldDef{.name = f("idoperacao"), .displayLabel = f("Código"), .displayFormat = f("000000")},
                     FieldDef{.name = f("idempresa"), .visible = false},
                     FieldDef{.name = f("idgrupo"), .visible = false}});
    DatasetModel model(d.get());
    EXPECT_EQ(model.rowCount(), 0);
    d->open();
    ASSERT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), f("Código"));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), f("nomegrupo"));
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), QStringLiteral("Adubação"));
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), f("10"));  // plain until a formatter is set

    drav::ds::setNumberFormatter([](const QString &picture, double v) {
        return QString::number(qint64(v)).rightJustified(int(picture.size()), u'0');
    });
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), f("000010"));
    drav::ds::setNumberFormatter(nullptr);
    d->close();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(DatasetTest, ModelFollowsInsertCancelDeleteAndTheCurrentRow) {
    auto d = query(f("select * from tbproducao order by idproducao"));
    DatasetModel model(d.get());
    d->open();
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy current(&model, &DatasetModel::currentRowChanged);

    d->append();
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(model.currentRow(), 2);
    d->fieldByName(f("obs")).setAsString(f("nova"));
    const int obs = model.columnOf(d->findField(f("obs")));
    EXPECT_EQ(model.data(model.index(2, obs)).toString(), f("nova"));
    d->cancel();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(removed.count(), 1);

    model.setCurrentRow(1);  // a click in the grid moves the dataset
    EXPECT_EQ(d->recNo(), 2);
    EXPECT_GE(current.count(), 1);
    EXPECT_EQ(current.last().at(0).toInt(), 1);

    // Typing in a cell edits the row; the dataset posts through its writer.
    EXPECT_TRUE(model.setData(model.index(0, obs), f("digitada")));
    EXPECT_EQ(d->state(), drav::ds::State::Edit);
    d->post();
    EXPECT_EQ(text(f("SELECT obs FROM tbproducao WHERE idproducao = 1")), f("digitada"));

    d->remove();
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(removed.count(), 2);
}
