#include "app/SequenciaInicio.h"

#include "platform/shell/SingleInstance.h"

#include "ScriptedDialogs.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using drav::test::dialogs;

TEST(SequenciaInicio, InstanceName) {
    EXPECT_EQ(nomeInstanciaUnica(), QStringLiteral("DravTolvera - Controle de Apontamentos"));
    EXPECT_EQ(EsperaSplashMs, 3000);
}

TEST(SequenciaInicio, SecondStartShowsTheMessageAndWakesTheRunningCopy) {
    // A name of its own, so a copy of the program running on this machine
    // does not take part.
    const QString nome = nomeInstanciaUnica() + QStringLiteral(" (teste)");
    drav::SingleInstance emExecucao(nome);
    ASSERT_TRUE(primeiraInstancia(emExecucao));
    EXPECT_TRUE(dialogs().shown().empty());
    QSignalSpy pedidos(&emExecucao, &drav::SingleInstance::ativacaoPedida);

    drav::SingleInstance segunda(nome);
    dialogs().answer(drav::dlg::Ok);
    EXPECT_FALSE(primeiraInstancia(segunda));
    ASSERT_EQ(dialogs().shown().size(), 1u);
    const drav::dlg::Message &m = dialogs().last().message;
    EXPECT_EQ(m.text, QStringLiteral("Já existe uma Aplicação do DravTolvera em Execução"));
    EXPECT_EQ(m.title, QStringLiteral("Aviso"));
    EXPECT_EQ(m.icon, drav::dlg::Icon::Warning);
    EXPECT_EQ(m.buttons, drav::dlg::Ok);
    ASSERT_TRUE(pedidos.count() > 0 || pedidos.wait(5000));
}

TEST(SequenciaInicio, BringToFrontRestoresAMinimisedWindow) {
    QWidget janela;
    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    janela.showMinimized();
    trazParaFrente(&janela);
    EXPECT_FALSE(janela.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(janela.isVisible());
}
