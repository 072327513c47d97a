// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "WholeRowList.h"

#include "ui/common/Lists.h"

#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>

namespace ui {

WholeRowList::WholeRowList(QWidget *parent)
    : QListWidget(parent)
{ }

void WholeRowList::fitRows()
{
    const int row = RowHeight(this);
    const int inside = height() - 2 * frameWidth();
    const int spare = row > 0 && inside > row ? inside % row : 0;
    if (spare != m_spare) {
        m_spare = spare;
        setViewportMargins(0, 0, 0, spare);
    }
}

void WholeRowList::resizeEvent(QResizeEvent *event)
{
    fitRows();
    QListWidget::resizeEvent(event);
}

void WholeRowList::changeEvent(QEvent *event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitRows();
}

bool WholeRowList::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QListWidgetItem *item = itemAt(help->pos());
        const QRect cell = item ? visualItemRect(item) : QRect();
        // Only a text the row cuts short needs the tooltip.
        if (item && fontMetrics().horizontalAdvance(item->text()) > cell.width() - 2 * frameWidth())
            QToolTip::showText(help->globalPos(), item->text(), viewport(), cell);
        else
            QToolTip::hideText();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease)
        emit mouseReleased();
    return QListWidget::viewportEvent(event);
}

} // namespace ui
