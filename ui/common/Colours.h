// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Colours that must read on any desktop palette.
#pragma once

#include <QColor>

class QListWidget;
class QWidget;

namespace ui {

// WCAG contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);
// Black or white, whichever reads better on `background`: text on a fixed background colour must not
// take the palette's text colour, which a dark theme makes light.
QColor ContrastingText(const QColor &background);
// A fixed background colour with the text colour that reads on it.
void SetBaseWithText(QWidget *w, const QColor &background);
// Background and text of a text box as the desktop's palette has them.
void SetPaletteBase(QWidget *w);

// The background of a text box or list.
void SetBase(QWidget *w, const QColor &c);
QColor Base(const QWidget *w);

// Lists that read as part of the dialog: button-face background, button text.
void ColourAsButtons(QListWidget *list);

} // namespace ui
