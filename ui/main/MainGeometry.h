// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The converter window's geometry, computed from the screen and font metrics alone.
#pragma once

#include <array>
#include <cstdint>

namespace ui {

// What the geometry depends on. Lengths in twips unless the name says pixels.
struct LayoutMetrics
{
    std::int16_t Tppx = 15;
    std::int16_t Tppy = 15;
    int lineHeightPx = 13; // one text line in the window font
    int frameHeightPx = 0; // FrameHeight of the main window (its menu bar here)
    int borderWidthTw = 0; // outer width minus client width; the window manager's border lies outside
    int frameTop = 315; // both frames start below the command row
    int buttonHeight = 255; // designed height of a command picture
    int labelHeight = 195; // command caption label
    int textHeight = 360; // txtInput, txtResult
    int textWidth = 2280; // the text boxes and the lists
    int listHeight = 2040;
    int handWidthPx = 32;
    int handHeightPx = 32;
};

// Everything the window places. Frame contents are in twips relative to their frame, the rest in
// pixels of the client area; fractional values stay as computed and are rounded when applied.
struct MainGeometry
{
    int capH = 0;
    int innerLeftTw = 0; // txtInput, txtResult and both lists
    int innerWidthTw = 0; // likewise
    int textTopTw = 0;
    int textHeightTw = 0;
    int listTopTw = 0;
    int listHeightTw = 0;

    double frameTop = 0;
    double frameHeight = 0;
    int frameWidth = 0;
    int fromLeft = 0;
    int fromRight = 0;
    int intoLeftBeforeFit = 0; // before the window width was fitted to the command row
    int intoLeft = 0;

    double handLeft = 0;
    double handTop = 0;

    double windowWidthTw = 0;
    double windowHeightTw = 0;
    int clientWidth = 0;
    double clientHeight = 0;

    std::int16_t pnBtnWidth = 0;
    std::int16_t pnBtnTextTop = 0;
    int rowH = 0;
    double labelHeightPx = 0;
    std::array<int, 4> buttonLeft {}; // Paste, Minimize, Calculator, Copy
};

// nearest(a) divided by n, truncated toward zero.
int Div(double a, int n);

MainGeometry ComputeMainGeometry(const LayoutMetrics &m);

} // namespace ui
