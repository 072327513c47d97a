// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "ui/common/Lists.h"

#include "ui/common/Colours.h"
#include "ui/common/Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace ui {

QLabel *ColumnCaption(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QListWidget *ColumnList(QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    ColourAsButtons(list);
    return list;
}

int SelectedRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

QString EntryText(const QListWidget *list, int row)
{
    const QListWidgetItem *item = row >= 0 ? list->item(row) : nullptr;
    return item ? item->text() : QString();
}

QStringList EntryTexts(const QListWidget *list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

QString SelectedText(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

int NeededListWidth(const QListWidget *list, const QStringList &texts)
{
    const QFontMetrics fm(list->font());
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, fm.horizontalAdvance(text));
    // The item delegate keeps a focus-frame margin plus one pixel on either side of the text.
    const int padding = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    return widest + padding + 2 * list->frameWidth() + 2;
}

int RowHeight(QListWidget *list)
{
    const int lineH = QFontMetrics(list->font()).height();
    if (list->count() > 0)
        return std::max(lineH, list->sizeHintForRow(0));
    // Measured on an empty item, the way an empty list's first line would be.
    list->addItem(QString());
    const int rowH = list->sizeHintForRow(0);
    delete list->takeItem(0);
    return std::max(lineH, rowH);
}

QRect LayOutTable(const QList<TableColumn> &columns, QPoint topLeft, int lines, std::int16_t tppx)
{
    if (columns.isEmpty())
        return {};
    QListWidget *first = columns.front().list;
    const int listH = lines * RowHeight(first) + 2 * first->frameWidth();
    const int captionH = columns.front().caption->sizeHint().height();
    const int listTop = topLeft.y() + captionH - 2;
    int left = topLeft.x();
    for (const TableColumn &c : columns) {
        const int width = std::max(ToPixels(c.listTwips, tppx), NeededListWidth(c.list, c.texts));
        c.list->setGeometry(left, listTop, width, listH);
        const int captionW = c.captionTwips > 0 ? std::min(ToPixels(c.captionTwips, tppx), width) : width;
        c.caption->setGeometry(left + (width - captionW) / 2, topLeft.y(), captionW, captionH);
        c.caption->raise();
        left += width - 1;
    }
    return { QPoint(topLeft.x(), listTop), QPoint(left, listTop + listH - 1) };
}

SyncedColumns::SyncedColumns(QList<QListWidget *> columns)
    : m_columns(std::move(columns))
{
    // Selection, not the current row: a list that merely gains focus gets a current row but no
    // selection, and must not drag the other columns along.
    for (QListWidget *column : m_columns)
        QObject::connect(
            column, &QListWidget::itemSelectionChanged, column, [this, column] { follow(column); });
}

void SyncedColumns::follow(QListWidget *leader)
{
    const int row = SelectedRow(leader);
    for (QListWidget *other : m_columns) {
        if (other == leader)
            continue;
        const QSignalBlocker hold(other);
        if (row < 0)
            other->clearSelection();
        else
            other->setCurrentRow(row);
        ++m_follows;
    }
}

} // namespace ui
