// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "MainGeometry.h"

#include "ui/common/Twips.h"

#include <cmath>

namespace ui {

int Div(double a, int n)
{
    return Nearest(a) / n;
}

namespace {

// The frames, the text boxes and lists inside them, and the hand between the frames.
void placeFrames(const LayoutMetrics &m, MainGeometry &g)
{
    g.listHeightTw = m.listHeight;
    g.capH = Nearest(m.lineHeightPx + 3);
    g.textTopTw = g.capH * m.Tppy + 7;
    g.textHeightTw = m.textHeight;
    g.listTopTw = g.textTopTw + m.textHeight + m.Tppy;

    // The frame height is kept in single precision, as the window stores its geometry.
    const float frameHeight =
        static_cast<float>(g.listTopTw + g.listHeightTw) / static_cast<float>(m.Tppy) + 7.0f;
    g.frameHeight = frameHeight;
    g.frameTop = static_cast<double>(static_cast<float>(m.frameTop) / static_cast<float>(m.Tppy));
    g.windowHeightTw = (m.frameHeightPx + g.frameTop + g.frameHeight + 7) * m.Tppy;
    g.clientHeight = g.frameTop + g.frameHeight + 7;
    g.handTop = g.frameTop + Div(g.frameHeight - m.handHeightPx, 2) - 2;

    g.innerWidthTw = m.textWidth;
    g.frameWidth = Div(m.textWidth, m.Tppx) + 15;
    g.fromLeft = 7;
    g.innerLeftTw = 7 * m.Tppx;
    g.fromRight = Nearest(g.fromLeft + g.frameWidth);
    g.intoLeftBeforeFit = g.fromRight + m.handWidthPx + 14;
}

// The window width follows the four command pictures, which share the row without gaps.
void fitWidth(const LayoutMetrics &m, MainGeometry &g)
{
    const double width = (g.intoLeftBeforeFit + g.frameWidth + g.fromLeft + 7.0) * m.Tppx;
    const double clientPx = (width - m.borderWidthTw) / m.Tppx;
    const int borderW = Nearest(width - clientPx * m.Tppx);
    g.pnBtnWidth = static_cast<std::int16_t>(Div(g.intoLeftBeforeFit + g.frameWidth - 8, 4));
    g.clientWidth = 4 * g.pnBtnWidth + 14;
    g.windowWidthTw = static_cast<double>(g.clientWidth) * m.Tppx + borderW;
    g.intoLeft = g.clientWidth - g.frameWidth - 7;
    g.handLeft = g.fromRight + Div(g.intoLeft - g.fromRight - m.handWidthPx + 1, 2);
}

void placeCommandRow(const LayoutMetrics &m, MainGeometry &g)
{
    g.labelHeightPx = static_cast<double>(m.labelHeight) / m.Tppy;
    g.rowH = Nearest(g.labelHeightPx + 4);
    const double designedButtonPx = static_cast<double>(m.buttonHeight) / m.Tppy;
    g.pnBtnTextTop = static_cast<std::int16_t>(Div(designedButtonPx - m.lineHeightPx, 2));
    for (int i = 0; i < 4; ++i)
        g.buttonLeft[static_cast<std::size_t>(i)] = g.fromLeft + i * g.pnBtnWidth;
}

} // namespace

MainGeometry ComputeMainGeometry(const LayoutMetrics &m)
{
    MainGeometry g;
    placeFrames(m, g);
    fitWidth(m, g);
    placeCommandRow(m, g);
    return g;
}

} // namespace ui
