#pragma once
// The application object. An exception that escapes an event handler ends
// only that handler: ordinary errors are shown in an error box titled with
// the application's title, a silent abort shows nothing, and the event loop
// (and every window) goes on.

#include <QApplication>

#include <functional>

namespace drav {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Runs one delivery, turning an escaping exception into its error box.
    // Returns the delivery's result, or false when it threw.
    static bool deliverGuarded(const std::function<bool()> &delivery);
    // The error box of an exception that escaped a handler.
    static void showError(const QString &text);

    // The title of the error boxes (the program's name). Window captions are
    // left alone: each window sets its own.
    static QString title();
    static void setTitle(const QString &title);

    // Asks the program to end: the running event loop stops, and a start
    // still under way sees terminated() and does not enter the loop.
    static void terminate();
    static bool terminated();
};

} // namespace drav
