// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Small pieces the four secondary windows share: their font, twips and pixels, centring, list columns.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

class QLabel;
class QPoint;
class QRect;
class QSize;
class QListWidget;
class QWidget;

namespace ui {

// The windows' own font: the desktop's sans-serif at 8.25 pt, regular.
QFont DialogFont();

// Twips to pixels, halves to the even neighbour; a zero or negative `tpp` counts as 15.
int ToPixels(double twips, std::int16_t tpp);
// Pixels to twips, clamped to what a signed 16-bit setting can hold.
std::int16_t ToTwips(int pixels, std::int16_t tpp);

// Puts a window's outer frame corner (title bar and borders included) at `corner`, as the stored
// positions mean it. A window whose native window exists but was never framed would take a plain
// move for the inside corner; the native window is told the frame position instead.
void MoveFrameTo(QWidget *window, const QPoint &corner);

// Where a window with an outer frame of `frame` may stand so the user can reach it: `corner` itself
// when at least a grip of its title bar (the top strip of the frame) lies in one of `areas` (the
// screens' available areas, the primary first); otherwise the nearest place inside the area closest
// to it. A stored position from an unplugged screen or a changed resolution comes back so.
QPoint ReachableCorner(const QPoint &corner, const QSize &frame, const QList<QRect> &areas);
// The same against the screens the desktop has now.
QPoint ReachableCorner(const QPoint &corner, const QSize &frame);

// The window's outer frame on the screen, as the window manager frames it.
QRect FrameRect(const QWidget *window);

// Whether positions can be known and kept here: native Wayland neither tells a window where it is nor
// lets it choose, so positions read there must not overwrite the stored ones.
bool PositionsKnown();

// Moves a window, frame included, to the middle of the primary screen.
void CentreOnScreen(QWidget *window);

// Centres a window when it loads and once more when it shows: a window shown for the first time
// only then learns the size of its frame.
class CentreOnShow
{
public:
    void load(QWidget *window);
    void shown(QWidget *window);

private:
    bool m_pending = false;
};

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

// The parts of a reference window's table: a centred column caption, and a single-selection column
// list without horizontal scrolling, coloured as part of the dialog.
QLabel *ColumnCaption(QWidget *parent, const QString &text);
QListWidget *ColumnList(QWidget *parent);

// The selected row of a single-selection list, -1 when none; and its text, empty when none.
int SelectedRow(const QListWidget *list);
QString SelectedText(const QListWidget *list);

// The width a list needs to show the widest of `texts` unclipped: text, item padding and frame.
int NeededListWidth(const QListWidget *list, const QStringList &texts);
// The height of one row of a list: the font's line height, or more where the style pads items.
int RowHeight(QListWidget *list);

// Keeps the selection of several list columns on the same row. Selecting in one column selects the
// same row in the others in a single pass: their own notifications are held back meanwhile, so the
// chain never comes round again.
class SyncedColumns
{
public:
    explicit SyncedColumns(QList<QListWidget *> columns);
    SyncedColumns(const SyncedColumns &) = delete;
    SyncedColumns &operator=(const SyncedColumns &) = delete;

    // How many times a column followed another; lets a test see that one pass is all it takes.
    int follows() const { return m_follows; }

private:
    void follow(QListWidget *leader);

    QList<QListWidget *> m_columns;
    int m_follows = 0;
};

} // namespace ui
