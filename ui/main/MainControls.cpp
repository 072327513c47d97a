// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The converter window's controls: made, named, described for assistive technology, and placed.
#include "MainControls.h"

#include "CommandLabel.h"
#include "data/Resources.h"
#include "ui/common/Colours.h"
#include "ui/common/Twips.h"
#include "ui/common/WholeRowList.h"
#include "ui/common/Windows.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>

#include <algorithm>

namespace ui {

namespace {

QFont desktopFont(double pointSize)
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setPointSizeF(pointSize);
    f.setBold(false);
    f.setItalic(false);
    return f;
}

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void createCommandRow(Labels &l, QWidget *client)
{
    l.paste = new CommandLabel(QStringLiteral("&Paste"), client);
    l.shrink = new CommandLabel(QStringLiteral("&Minimize"), client);
    l.cal = new CommandLabel(QStringLiteral("C&alculator "), client);
    l.copy = new CommandLabel(QStringLiteral("&Copy"), client);
    l.paste->setObjectName(QStringLiteral("lblPaste"));
    l.shrink->setObjectName(QStringLiteral("lblShrink"));
    l.cal->setObjectName(QStringLiteral("lblCal"));
    l.copy->setObjectName(QStringLiteral("lblCopy"));
}

void setAccessibility(const Controls &c, const Labels &l)
{
    struct Entry
    {
        QWidget *widget;
        const char *name;
        const char *description;
    };
    const Entry entries[] = {
        { c.txtInput, "Value to convert", "Type a value; the result follows every keystroke." },
        { c.txtResult, "Result", "The value converted into the Into unit." },
        { c.lstConvFrom, "From unit", "The unit of the value to convert." },
        { c.lstConvInto, "Into unit", "The unit of the result." },
        { l.paste, "Paste", "Pastes the clipboard text as the value to convert." },
        { l.shrink, "Minimize", "Hides the window into the notification area." },
        { l.cal, "Calculator", "Starts the calculator with the result." },
        { l.copy, "Copy", "Copies the result and records the conversion in the history." },
    };
    for (const Entry &e : entries) {
        e.widget->setAccessibleName(text(e.name));
        e.widget->setAccessibleDescription(text(e.description));
    }
}

} // namespace

MainControls BuildControls(QMainWindow *window)
{
    MainControls all;
    Controls &c = all.controls;
    Labels &l = all.labels;
    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(desktopFont(8.25));
    window->setCentralWidget(client);

    const QFont textFont = desktopFont(9.75);
    c.fraConvFrom = new QGroupBox(QStringLiteral("From..."), client);
    c.fraConvInto = new QGroupBox(QStringLiteral("Into..."), client);
    c.txtInput = new QLineEdit(c.fraConvFrom);
    c.txtResult = new QLineEdit(c.fraConvInto);
    c.lstConvFrom = new WholeRowList(c.fraConvFrom);
    c.lstConvInto = new WholeRowList(c.fraConvInto);
    c.txtInput->setFont(textFont);
    c.txtResult->setFont(textFont);
    for (QListWidget *list : { c.lstConvFrom, c.lstConvInto }) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        // Long unit names are elided rather than scrolled, which keeps every row of the list in view;
        // the whole name shows as a tooltip.
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    c.imgHand = new QLabel(client);
    // Drawn from its SVG for this screen's scale, so it stays sharp at 2x.
    c.imgHand->setPixmap(resources::picture(resources::Picture::Hand, 32, window->devicePixelRatioF()));
    window->setWindowIcon(resources::appIcon(window->devicePixelRatioF()));
    c.imgHand->resize(32, 32);

    // The Convert command has no button of its own on screen; the other handlers call it.
    c.cmdConvert = new QPushButton(QStringLiteral("Convert"), client);
    c.cmdConvert->hide();
    c.txtDest = new QLineEdit(client);
    c.txtDest->hide();

    c.fraConvFrom->setObjectName(QStringLiteral("fraConvFrom"));
    c.fraConvInto->setObjectName(QStringLiteral("fraConvInto"));
    c.txtInput->setObjectName(QStringLiteral("txtInput"));
    c.txtResult->setObjectName(QStringLiteral("txtResult"));
    c.lstConvFrom->setObjectName(QStringLiteral("lstConvFrom"));
    c.lstConvInto->setObjectName(QStringLiteral("lstConvInto"));
    c.imgHand->setObjectName(QStringLiteral("imgHand"));
    c.cmdConvert->setObjectName(QStringLiteral("cmdConvert"));
    c.txtDest->setObjectName(QStringLiteral("txtDest"));

    createCommandRow(l, client);
    setAccessibility(c, l);
    return all;
}

void ApplyMainGeometry(
    QMainWindow *window, const MainControls &all, const MainGeometry &g, std::int16_t Tppx, std::int16_t Tppy)
{
    const int frameTop = Nearest(g.frameTop);
    const int frameHeight = Nearest(g.frameHeight);
    all.controls.fraConvFrom->setGeometry(g.fromLeft, frameTop, g.frameWidth, frameHeight);
    all.controls.fraConvInto->setGeometry(g.intoLeft, frameTop, g.frameWidth, frameHeight);

    const int left = ToPixels(g.innerLeftTw, Tppx);
    const int width = ToPixels(g.innerWidthTw, Tppx);
    const int textTop = ToPixels(g.textTopTw, Tppy);
    const int textHeight = ToPixels(g.textHeightTw, Tppy);
    const int listTop = ToPixels(g.listTopTw, Tppy);
    const int listHeight = ToPixels(g.listHeightTw, Tppy);
    for (QLineEdit *box : { all.controls.txtInput, all.controls.txtResult })
        box->setGeometry(left, textTop, width, textHeight);
    for (QListWidget *list : { all.controls.lstConvFrom, all.controls.lstConvInto })
        list->setGeometry(left, listTop, width, listHeight);

    all.controls.imgHand->move(Nearest(g.handLeft), Nearest(g.handTop));

    const auto row = all.labels.row();
    for (std::size_t i = 0; i < std::size(row); ++i) {
        CommandLabel *l = row[i];
        l->setGeometry(g.buttonLeft[i], 0, g.pnBtnWidth, g.rowH);
        l->setMetrics({ g.pnBtnTextTop, g.pnBtnWidth, Nearest(g.labelHeightPx) });
    }

    // The hidden controls stay below the visible client area.
    all.controls.cmdConvert->move(0, Nearest(g.clientHeight) + 8);
    all.controls.txtDest->move(0, Nearest(g.clientHeight) + 40);
    window->setFixedSize(g.clientWidth, ToPixels(g.windowHeightTw, Tppy));
}

LayoutMetrics MeasureMain(
    const QMainWindow *window, const MainControls &all, const state::ProgramState &state)
{
    LayoutMetrics m;
    m.Tppx = state.Tppx();
    m.Tppy = state.Tppy();
    m.lineHeightPx = QFontMetrics(all.controls.fraConvFrom->font()).height();
    m.frameHeightPx = FrameHeight(window);
    // The caption labels size themselves to their text, so a larger desktop font is not cut off.
    m.labelHeight = std::max(m.labelHeight, m.lineHeightPx * m.Tppy);
    return m;
}

void ColourCommandRow(const Labels &l, const CommandColours &colours)
{
    const auto row = l.row();
    for (std::size_t i = 0; i < std::size(row); ++i) {
        row[i]->setColours(colours.face, colours.text[i]);
        row[i]->DrawRaised();
    }
}

} // namespace ui
