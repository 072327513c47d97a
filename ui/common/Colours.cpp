// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "ui/common/Colours.h"

#include <QApplication>
#include <QListWidget>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace ui {

namespace {

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor &c)
{
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ContrastingText(const QColor &background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ContrastRatio(background, black) >= ContrastRatio(background, white) ? black : white;
}

void SetBaseWithText(QWidget *w, const QColor &background)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, background);
    pal.setColor(QPalette::Text, ContrastingText(background));
    w->setPalette(pal);
}

void SetPaletteBase(QWidget *w)
{
    const QPalette app = QApplication::palette(w);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, app.color(QPalette::Base));
    pal.setColor(QPalette::Text, app.color(QPalette::Text));
    w->setPalette(pal);
}

void SetBase(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
}

QColor Base(const QWidget *w)
{
    return w->palette().color(QPalette::Base);
}

void ColourAsButtons(QListWidget *list)
{
    QPalette p = list->palette();
    for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        p.setColor(group, QPalette::Base, p.color(group, QPalette::Button));
        p.setColor(group, QPalette::Text, p.color(group, QPalette::ButtonText));
    }
    list->setPalette(p);
}

} // namespace ui
