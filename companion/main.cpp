// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Veldra, the calculator the converter hands its results to.
#include "companion/CalcBus.h"
#include "companion/frmCalc.h"
#include "platform/qt/QtServices.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veldra"));

    platform::qt::QtClipboard clipboard;
    companion::frmCalc window(clipboard);
    window.show();
    window.activateWindow();

    // Without a session bus the calculator still works; it just cannot be handed values.
    companion::CalcBus link(window);
    link.publish();

    return QApplication::exec();
}
