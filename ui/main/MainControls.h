// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The converter window's controls and how the computed geometry places them.
#pragma once

#include "MainGeometry.h"
#include "state/ProgramState.h"
#include "ui/common/Colours.h"
#include "ui/common/WholeRowList.h"

#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QPushButton;

namespace ui {

class CommandLabel;

struct Controls
{
    QLineEdit *txtInput = nullptr;
    QLineEdit *txtResult = nullptr;
    WholeRowList *lstConvFrom = nullptr;
    WholeRowList *lstConvInto = nullptr;
    QGroupBox *fraConvFrom = nullptr;
    QGroupBox *fraConvInto = nullptr;
    QPushButton *cmdConvert = nullptr;
    QLabel *imgHand = nullptr;
    QLineEdit *txtDest = nullptr;
};

struct Labels
{
    CommandLabel *paste = nullptr;
    CommandLabel *shrink = nullptr;
    CommandLabel *cal = nullptr;
    CommandLabel *copy = nullptr;

    // The command row, left to right.
    std::array<CommandLabel *, 4> row() const { return { paste, shrink, cal, copy }; }
};

struct MainControls
{
    Controls controls;
    Labels labels;
};

// The client area of `window` with every control, none connected yet.
MainControls BuildControls(QMainWindow *window);

// Places the controls as `g` computed and fixes the window's size.
void ApplyMainGeometry(QMainWindow *window,
    const MainControls &all,
    const MainGeometry &g,
    std::int16_t Tppx,
    std::int16_t Tppy);

// What the geometry depends on, measured: the screen's twips per pixel, the window font's line
// height, the menu bar.
LayoutMetrics MeasureMain(
    const QMainWindow *window, const MainControls &all, const state::ProgramState &state);

// Colours the command row and draws it raised.
void ColourCommandRow(const Labels &l, const CommandColours &colours);

} // namespace ui
