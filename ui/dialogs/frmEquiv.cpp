// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "frmEquiv.h"

#include "core/ReferenceTables.h"
#include "ui/common/Lists.h"
#include "ui/common/Twips.h"
#include "ui/common/Windows.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QShowEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <array>
#include <tuple>

namespace ui {

namespace {

// Design widths in twips; a list grows where the desktop font needs more room.
constexpr int kList1Width = 2070;
constexpr int kList2Width = 1575;
constexpr int kList3Width = 1110;
constexpr int kLinesShown = 10; // nine rows and a spare line
// The client width is the layout's outer width less a 3-pixel border on each side: the window
// manager draws its borders outside the widget.
constexpr int kBorderPx = 3;

} // namespace

frmEquiv::frmEquiv(WindowContext &ctx)
    : SecondaryWindow(ctx, Secondary::Equiv, Placement::Centred, Modality::Modeless)
{
    setWindowTitle(QStringLiteral(" Equivalents"));

    Label1 = ColumnCaption(this, QStringLiteral("Quantity"));
    Label2 = ColumnCaption(this, QStringLiteral("SI Unit"));
    Label3 = ColumnCaption(this, QStringLiteral("Alternative"));

    auto column = [this] {
        QListWidget *list = ColumnList(this);
        // Every right press reaches the list itself, which opens the pop-up without touching the selection.
        list->setContextMenuPolicy(Qt::PreventContextMenu);
        list->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
        list->viewport()->installEventFilter(this);
        return list;
    };
    List1 = column();
    List2 = column();
    List3 = column();
    setTabOrder(List1, List2);
    setTabOrder(List2, List3);

    mnuMenu = new QMenu(QStringLiteral("Menu"), this);
    mnuCopy = mnuMenu->addAction(QStringLiteral("&Copy"));
    connect(mnuCopy, &QAction::triggered, this, &frmEquiv::mnuCopy_Click);

    m_sync = std::make_unique<SyncedColumns>(QList<QListWidget *> { List1, List2, List3 });
}

frmEquiv::~frmEquiv() = default;

void frmEquiv::Form_Load()
{
    for (QListWidget *list : { List1, List2, List3 }) {
        const QSignalBlocker hold(list);
        list->clear();
    }
    const auto text = [](std::string_view s) {
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    };
    for (const core::Equivalent &row : core::kEquivalents) {
        List1->addItem(text(row.quantity));
        List2->addItem(text(row.unit));
        List3->addItem(text(row.alternative));
    }
    layOut();
    List1->setFocus();
}

void frmEquiv::layOut()
{
    const QRect lists = LayOutTable({ { List1, Label1, kList1Width, EntryTexts(List1) },
                                        { List2, Label2, kList2Width, EntryTexts(List2) },
                                        { List3, Label3, kList3Width, EntryTexts(List3) } },
        QPoint(9, 3),
        kLinesShown,
        m_ctx.state.Tppx());
    setFixedSize(lists.right() + 1 + 16 - 2 * kBorderPx, FrameHeight(this) + lists.bottom() + 1 + 9);
}

bool frmEquiv::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::RightButton) {
            // The press is swallowed, so the row under the mouse is not selected: Copy takes the row
            // selected before.
            mnuMenu->popup(press->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmEquiv::mnuCopy_Click()
{
    const QString text =
        SelectedText(List1) + QLatin1Char(' ') + SelectedText(List2) + QLatin1Char(' ') + SelectedText(List3);
    m_ctx.platform.clipboard.clear();
    m_ctx.platform.clipboard.setText(text);
}

void frmEquiv::unloading()
{
    mnuMenu->hide();
}

} // namespace ui
