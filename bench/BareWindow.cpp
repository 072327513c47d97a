// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The floor the converter's start-up is measured against: a bare Qt Widgets window of about the
// converter's size showing one line of text (so the fonts load, as in every real window), shown as
// soon as the application exists, nothing else.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Bare Qt window"));
    window.resize(390, 231);
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.show();
    return QApplication::exec();
}
