// A stand-in for a second converter start: "ask" exits 0 when a running converter answered,
// 1 otherwise; "listen" registers as the running one, prints "ready" and exits 0 once asked.
#include "platform/qt/QtBus.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    platform::qt::QtSingleInstance instance;
    const QStringList args = QCoreApplication::arguments();
    if (args.value(1) == QStringLiteral("ask"))
        return instance.activateRunning() ? 0 : 1;

    instance.listen([] { QCoreApplication::exit(0); });
    std::puts("ready");
    std::fflush(stdout);
    QTimer::singleShot(10000, [] { QCoreApplication::exit(2); });
    return QCoreApplication::exec();
}
