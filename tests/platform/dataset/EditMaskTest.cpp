// Edit masks: the platform's notation, what is stored, what is shown, and
// the QLineEdit equivalent.

#include "DatasetFixture.h"

#include "platform/dataset/EditMask.h"

using drav::ds::EditMask;
using drav::test::DatasetTest;

TEST(EditMaskTest, MasksOfThePrograms) {
    struct Case {
        const char *mask;
        bool saveLiterals;
        const char *inputMask;
        const char *typed;
        const char *stored;
        const char *shown;
        bool blank;
    };
    const std::vector<Case> cases = {
        {"!99/99/0000;1;_", true, "00/00/9999;_", "05/03/2009", "05/03/2009", "05/03/2009", false},
        {"!99/99/0000;1;_", true, "00/00/9999;_", "__/__/____", "  /  /", "  /  /", true},
        {"00000\\-999;0;_", false, "99999-000;_", "37500-000", "37500000", "37500-000", false},
        {"!\\(99\\) 0000-0000;0;_", false, "(00) 9999-9999;_", "(35) 3222-1234", "3532221234", "(35) 3222-1234",
         false},
        {"!90:00;1;_", true, "09:99;_", "07:30", "07:30", "07:30", false},
        {"!90:00;1;_", true, "09:99;_", "__:__", "  :", "  :", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " " + c.typed);
        const EditMask mask{QString::fromLatin1(c.mask)};
        EXPECT_EQ(mask.saveLiterals(), c.saveLiterals);
        EXPECT_EQ(mask.blank(), u'_');
        EXPECT_EQ(mask.inputMask(), QString::fromLatin1(c.inputMask));
        EXPECT_EQ(mask.valueOf(QString::fromLatin1(c.typed)), QString::fromLatin1(c.stored));
        EXPECT_EQ(mask.textOf(QString::fromLatin1(c.stored)), QString::fromLatin1(c.shown));
        EXPECT_EQ(mask.isBlank(QString::fromLatin1(c.typed)), c.blank);
    }
}

TEST_F(DatasetTest, TextTypedThroughAMaskIsStoredByTheMask) {
    auto d = query(QStringLiteral("select * from tbproducao order by idproducao"));
    d->defineFields({drav::ds::FieldDef{.name = QStringLiteral("data"), .editMask = QStringLiteral("!99/99/0000;1;_")},
                     drav::ds::FieldDef{.name = QStringLiteral("obs"), .editMask = QStringLiteral("00000\\-999;0;_")}});
    d->open();
    d->edit();
    auto &data = d->fieldByName(QStringLiteral("data"));
    data.setText(QStringLiteral("__/__/____"));
    EXPECT_TRUE(data.isNull());
    data.setText(QStringLiteral("07/09/2009"));
    EXPECT_EQ(data.asDate(), QDate(2009, 9, 7));
    auto &cep = d->fieldByName(QStringLiteral("obs"));
    cep.setText(QStringLiteral("37500-000"));
    EXPECT_EQ(cep.asString(), QStringLiteral("37500000"));
    EXPECT_EQ(cep.editText(), QStringLiteral("37500-000"));
}
