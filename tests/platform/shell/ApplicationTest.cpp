// The application object: exceptions escaping event handlers become error
// boxes (or nothing, for a silent abort) and the event loop goes on.
#include "platform/shell/Application.h"

#include "ScriptedDialogs.h"
#include "platform/SilentAbort.h"
#include "platform/db/DbError.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

using drav::test::dialogs;

namespace drav::test {

ScriptedDialogs &dialogs() {
    static ScriptedDialogs *instance = [] {
        auto owned = std::make_unique<ScriptedDialogs>();
        ScriptedDialogs *raw = owned.get();
        dlg::install(std::move(owned));
        return raw;
    }();
    return *instance;
}

} // namespace drav::test

namespace {

struct Falha {
    const char *nome;
    std::function<void()> lanca;
    QStringList mensagens;
};

class Excecoes : public ::testing::TestWithParam<int> {};

std::vector<Falha> falhas() {
    return {
        {"std", [] { throw std::runtime_error("Valor inválido"); }, {QStringLiteral("Valor inválido")}},
        {"db",
         [] {
             throw drav::db::DbError(1062, QStringLiteral("Duplicate entry '1' for key 'PRIMARY'"),
                                     QStringLiteral("23000"));
         },
         {QStringLiteral("Duplicate entry '1' for key 'PRIMARY'")}},
        {"silent", [] { throw drav::SilentAbort(); }, {}},
    };
}

} // namespace

TEST_P(Excecoes, HandlerExceptionBecomesErrorBoxAndTheWindowStaysUsable) {
    const Falha f = falhas()[GetParam()];
    drav::Application::setTitle(QStringLiteral("DravTolvera"));
    QPushButton botao(QStringLiteral("&Gravar"));
    int cliquesBons = 0;
    bool falhar = true;
    QObject::connect(&botao, &QPushButton::clicked, [&] {
        if (falhar)
            f.lanca();
        ++cliquesBons;
    });
    botao.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&botao));

    if (!f.mensagens.isEmpty())
        dialogs().answer(drav::dlg::Ok);
    QTest::mouseClick(&botao, Qt::LeftButton);
    EXPECT_EQ(dialogs().messages(), f.mensagens) << f.nome;
    if (!f.mensagens.isEmpty()) {
        EXPECT_EQ(dialogs().last().message.title, QStringLiteral("DravTolvera"));
        EXPECT_EQ(dialogs().last().message.icon, drav::dlg::Icon::Critical);
    }

    falhar = false;
    QTest::mouseClick(&botao, Qt::LeftButton);
    EXPECT_EQ(cliquesBons, 1);
    EXPECT_TRUE(botao.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Application, Excecoes, ::testing::Values(0, 1, 2));

TEST(Application, EventLoopKeepsRunningAfterAnExceptionInATimer) {
    dialogs().answer(drav::dlg::Ok);
    int depois = 0;
    QTimer::singleShot(0, qApp, [] { throw std::runtime_error("falha no temporizador"); });
    QTimer::singleShot(0, qApp, [&] { ++depois; QCoreApplication::quit(); });
    QCoreApplication::exec();
    EXPECT_EQ(depois, 1);
    EXPECT_EQ(dialogs().messages(), QStringList{QStringLiteral("falha no temporizador")});
}

class VerificaDialogos : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo &) override {
        EXPECT_EQ(dialogs().pending(), 0u) << "answers queued for dialogs that were never shown";
        dialogs().reset();
    }
};

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    drav::Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    dialogs();
    ::testing::UnitTest::GetInstance()->listeners().Append(new VerificaDialogos);
    return RUN_ALL_TESTS();
}
