// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The lists of the windows: selected rows, widths that fit, columns that select together.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdint>

class QLabel;
class QListWidget;
class QWidget;

namespace ui {

// The parts of a reference window's table: a centred column caption, and a single-selection column
// list without horizontal scrolling, coloured as part of the dialog.
QLabel *ColumnCaption(QWidget *parent, const QString &text);
QListWidget *ColumnList(QWidget *parent);

// The selected row of a single-selection list, -1 when none; and its text, empty when none.
int SelectedRow(const QListWidget *list);
QString SelectedText(const QListWidget *list);
// The text of `row`; a row the list does not have reads as empty.
QString EntryText(const QListWidget *list, int row);
// The texts of all rows, in order.
QStringList EntryTexts(const QListWidget *list);

// The width a list needs to show the widest of `texts` unclipped: text, item padding and frame.
int NeededListWidth(const QListWidget *list, const QStringList &texts);
// The height of one row of a list: the font's line height, or more where the style pads items.
int RowHeight(QListWidget *list);

// One column of a reference window's table: a list as wide as its design width in twips or as its
// widest text needs, and its caption above it, centred over it: `captionTwips` wide (at most the
// list's width), or as wide as the list where 0.
struct TableColumn
{
    QListWidget *list = nullptr;
    QLabel *caption = nullptr;
    int listTwips = 0;
    QStringList texts;
    int captionTwips = 0;
};

// Lays the columns out side by side from `topLeft` (the captions' top), every list `lines` rows high.
// A list overlaps its caption's last two pixel rows and the caption stays in front, so no descender
// is cut off at any font size; neighbouring columns share one border pixel. Returns the lists' bounds.
QRect LayOutTable(const QList<TableColumn> &columns, QPoint topLeft, int lines, std::int16_t tppx);

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
