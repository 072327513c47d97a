// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "ui/common/Colours.h"

#include "core/mOrlo.h"

#include <QApplication>
#include <QListWidget>
#include <QPalette>
#include <QWidget>

#include <algorithm>
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

std::optional<QColor> ColourFromText(std::string_view text)
{
    if (text.size() != 9
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    auto part = [&](std::size_t at) {
        const int v = (text[at] - '0') * 100 + (text[at + 1] - '0') * 10 + (text[at + 2] - '0');
        return std::min(v, 255);
    };
    return QColor(part(0), part(3), part(6));
}

CommandColours ResolveCommandColours(const store::Settings &s, const QPalette &palette)
{
    const QColor systemFace = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor systemText = palette.color(QPalette::Active, QPalette::HighlightedText);
    CommandColours c { systemFace, { systemText, systemText, systemText, systemText } };
    const std::optional<double> faceValue = core::Val(s.psBtnFaceColor);
    if (!faceValue || *faceValue < 0)
        return c;
    c.face = ColourFromText(s.psBtnFaceColor).value_or(systemFace);
    const std::array<const std::string *, 4> texts {
        &s.psBtnTextColor, &s.psBtnTextColor1, &s.psBtnTextColor2, &s.psBtnTextColor3
    };
    // A caption colour the file does not give reads on the configured face, whatever the palette.
    for (std::size_t i = 0; i < texts.size(); ++i)
        c.text[i] = ColourFromText(*texts[i]).value_or(ContrastingText(c.face));
    return c;
}

} // namespace ui
