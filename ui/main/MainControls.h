// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The converter window's controls and how the computed geometry places them.
#pragma once

#include "MainLayout.h"
#include "state/ProgramState.h"

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
    QListWidget *lstConvFrom = nullptr;
    QListWidget *lstConvInto = nullptr;
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
};

struct MainControls
{
    Controls c;
    Labels labels;
};

// The client area of `window` with every control, none connected yet.
MainControls BuildControls(QMainWindow *window);

// Places the controls as `g` computed and fixes the window's size.
void ApplyMainLayout(
    QMainWindow *window, const MainControls &all, const MainLayout &g, std::int16_t Tppx, std::int16_t Tppy);

// Computes the geometry for the screen and font, places the controls and colours the command row.
MainLayout LayOutControls(QMainWindow *window, const MainControls &all, const state::ProgramState &state);

} // namespace ui
