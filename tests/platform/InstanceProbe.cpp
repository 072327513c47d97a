// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// A stand-in for a second converter start: exits 0 when a running converter answered, 1 otherwise.
#include "platform/qt/QtBus.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return platform::qt::QtSingleInstance().activateRunning() ? 0 : 1;
}
