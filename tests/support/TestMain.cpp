// Test main: a headless application object, the scripted dialog service for
// the whole run, and a check after each test that no queued answer was left.

#include "ScriptedDialogs.h"

#ifdef DRAV_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QLocale>

#include <gtest/gtest.h>

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

namespace {
class DialogCheck : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo &) override {
        EXPECT_EQ(dialogs().pending(), 0u) << "answers queued for dialogs that were never shown";
        dialogs().reset();
    }
};
} // namespace

} // namespace drav::test

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    TestApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    ::testing::InitGoogleTest(&argc, argv);
    drav::test::dialogs();
    ::testing::UnitTest::GetInstance()->listeners().Append(new drav::test::DialogCheck);
    return RUN_ALL_TESTS();
}
