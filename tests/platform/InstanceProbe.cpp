// A stand-in for a second converter start: exits 0 when a running converter answered, 1 otherwise.
#include "platform/qt/QtBus.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return platform::qt::QtSingleInstance().activateRunning() ? 0 : 1;
}
