// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Colours that must read on any desktop palette.
#pragma once

#include "store/Store.h"

#include <QColor>
#include <QPalette>

#include <array>
#include <optional>
#include <string_view>

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

// Nine digits RRRGGGBBB, each part at most 255 (larger parts count as 255); nullopt otherwise.
std::optional<QColor> ColourFromText(std::string_view text);

struct CommandColours
{
    QColor face;
    std::array<QColor, 4> text; // Paste, Minimize, Calculator, Copy
};

// The face and caption colours of the command row. A negative face setting selects the title-bar
// colours of the palette for all of them; a face text that is not nine digits falls back to the
// palette's face, a caption text that is not to black or white, whichever reads on the face.
CommandColours ResolveCommandColours(const store::Settings &s, const QPalette &palette);

} // namespace ui
