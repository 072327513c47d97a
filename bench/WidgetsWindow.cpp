// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// A second reference for the converter's start-up: a plain Qt Widgets window with the converter's
// kinds and numbers of widgets (a menu bar of five menus and about a hundred items, a row of four
// command labels, two group boxes each with a text box and a list of twenty entries, a picture), laid
// out by Qt to fit its text before it shows, as every window that sizes itself does. It reads no
// file, keeps no lock, offers nothing on the bus and has no notification icon: what it costs above
// the bare window is what those widgets cost in Qt itself.
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

void addItems(QMenu *menu, const QString &stem, int count)
{
    for (int i = 1; i <= count; ++i)
        menu->addAction(stem + QLatin1Char(' ') + QString::number(i));
}

QGroupBox *side(const QString &title)
{
    auto *box = new QGroupBox(title);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(new QLineEdit);
    auto *list = new QListWidget;
    for (int i = 1; i <= 20; ++i)
        list->addItem(QStringLiteral("u%1: unit number %1").arg(i));
    layout->addWidget(list);
    return box;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Qt window with the converter's widgets"));

    QMenuBar *bar = window.menuBar();
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    addItems(file, QStringLiteral("File item"), 2);
    QMenu *edit = bar->addMenu(QStringLiteral("&Edit"));
    addItems(edit, QStringLiteral("Edit item"), 2);
    addItems(edit->addMenu(QStringLiteral("&History")), QStringLiteral("History entry"), 8);
    QMenu *convert = bar->addMenu(QStringLiteral("Con&vert"));
    addItems(convert, QStringLiteral("Quantity"), 15);
    addItems(convert->addMenu(QStringLiteral("Com&puter")), QStringLiteral("Computer quantity"), 3);
    addItems(convert->addMenu(QStringLiteral("&Other")), QStringLiteral("Other quantity"), 13);
    addItems(convert->addMenu(QStringLiteral("C&ustom")), QStringLiteral("Custom quantity"), 20);
    addItems(convert, QStringLiteral("Convert item"), 4);
    QMenu *options = bar->addMenu(QStringLiteral("&Options"));
    addItems(options->addMenu(QStringLiteral("&Figures")), QStringLiteral("Figures"), 14);
    addItems(options->addMenu(QStringLiteral("&Format")), QStringLiteral("Format"), 2);
    addItems(options, QStringLiteral("Option"), 2);
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    addItems(help, QStringLiteral("Help item"), 2);

    auto *central = new QWidget;
    auto *column = new QVBoxLayout(central);
    auto *commands = new QHBoxLayout;
    for (const char *caption : { "Paste", "Minimize", "Calculator", "Copy" })
        commands->addWidget(new QLabel(QString::fromLatin1(caption)));
    column->addLayout(commands);
    auto *sides = new QHBoxLayout;
    sides->addWidget(side(QStringLiteral("From...")));
    auto *picture = new QLabel;
    QPixmap hand(32, 32);
    hand.fill(Qt::darkBlue);
    picture->setPixmap(hand);
    sides->addWidget(picture);
    sides->addWidget(side(QStringLiteral("Into...")));
    column->addLayout(sides);
    window.setCentralWidget(central);
    window.adjustSize();
    window.show();
    return QApplication::exec();
}
