// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The lists of the windows: selected rows, widths that fit, columns that select together.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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
