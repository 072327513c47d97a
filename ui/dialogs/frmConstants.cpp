// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "frmConstants.h"

#include "core/ReferenceTables.h"
#include "ui/common/Lists.h"
#include "ui/common/Twips.h"
#include "ui/common/Windows.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace ui {

namespace {

// Design widths in twips; the lists grow where the desktop font needs more room.
constexpr int kLabel1Width = 2292;
constexpr int kLabel3Width = 1092;
constexpr int kLabel4Width = 1692;
constexpr int kList1Width = 2655;
constexpr int kList3Width = 1230;
constexpr int kList4Width = 1845;
constexpr int kButtonWidth = 990;
constexpr int kButtonHeight = 315;
constexpr int kLinesShown = 15; // room for the 14 lines of the first page
constexpr int kLabelTop = 3; // pixels from the client top to the column captions
constexpr int kFirstPageRows = 12;
constexpr int kGroupOf = 4; // a blank line after every four constants
// The client width is the layout's outer width less a 3-pixel border on each side: the window
// manager draws its borders outside the widget.
constexpr int kBorderPx = 3;

QString Text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QStringList Column(std::string_view core::PhysicalConstant::*field)
{
    QStringList texts;
    for (const core::PhysicalConstant &row : core::kPhysicalConstants)
        texts << Text(row.*field);
    return texts;
}

} // namespace

frmConstants::frmConstants(WindowContext &ctx)
    : SecondaryWindow(ctx, Secondary::Constants, Placement::Own, Modality::Modeless)
{
    setWindowTitle(QStringLiteral(" Physical Constants"));

    Label1 = ColumnCaption(this, QStringLiteral("Quantity"));
    Label2 = ColumnCaption(this, QStringLiteral("Symbol"));
    Label3 = ColumnCaption(this, QStringLiteral("Unit"));
    Label4 = ColumnCaption(this, QStringLiteral("Value"));
    Label2->hide();

    List1 = ColumnList(this);
    List2 = ColumnList(this);
    List3 = ColumnList(this);
    List4 = ColumnList(this);
    List2->hide();

    cmdCopy = new QPushButton(QStringLiteral("Copy"), this);
    cmdCancel = new QPushButton(QStringLiteral("Close"), this);
    cmdHelp = new QPushButton(QStringLiteral("Help"), this);
    cmdNext = new QPushButton(QStringLiteral("Next"), this);
    cmdNext->setDefault(true);

    setTabOrder(cmdNext, List1);
    setTabOrder(List1, List3);
    setTabOrder(List3, List4);
    setTabOrder(List4, cmdCopy);
    setTabOrder(cmdCopy, cmdCancel);
    setTabOrder(cmdCancel, cmdHelp);

    m_sync = std::make_unique<SyncedColumns>(QList<QListWidget *> { List1, List3, List4 });

    connect(cmdNext, &QPushButton::clicked, this, &frmConstants::cmdNext_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmConstants::cmdCopy_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmConstants::cmdHelp_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmConstants::cmdCancel_Click);
}

frmConstants::~frmConstants() = default;

void frmConstants::Form_Load()
{
    nPage = -1;
    layOut();
    fillPage();
    cmdNext->setFocus();
}

void frmConstants::place()
{
    StoredPlace(m_ctx.state, m_ctx.platform.frames, state::Placed::Constants).restore(this);
}

void frmConstants::layOut()
{
    using C = core::PhysicalConstant;
    const std::int16_t tppx = m_ctx.state.Tppx();
    const QRect lists = LayOutTable({ { List1, Label1, kList1Width, Column(&C::quantity), kLabel1Width },
                                        { List3, Label3, kList3Width, Column(&C::unit), kLabel3Width },
                                        { List4, Label4, kList4Width, Column(&C::value), kLabel4Width } },
        QPoint(10, kLabelTop),
        kLinesShown,
        tppx);

    const int buttonW = ToPixels(kButtonWidth, tppx);
    const int buttonH = ToPixels(kButtonHeight, m_ctx.state.Tppy());
    const int buttonTop = lists.bottom() + 1 + 12;
    const int right = lists.right() + 1;
    int left = right - buttonW;
    for (QPushButton *button : { cmdNext, cmdHelp, cmdCancel, cmdCopy }) {
        button->setGeometry(left, buttonTop, buttonW, buttonH);
        left -= buttonW + 8;
    }

    const int clientW = right + 16 - 2 * kBorderPx;
    const int clientH = FrameHeight(this) + buttonTop + buttonH + 11;
    setFixedSize(clientW, clientH);
}

void frmConstants::fillPage()
{
    const QSignalBlocker hold1(List1), hold2(List2), hold3(List3), hold4(List4);
    for (QListWidget *list : { List1, List2, List3, List4 })
        list->clear();
    const bool first = nPage == -1;
    cmdNext->setText(first ? QStringLiteral("Next") : QStringLiteral("Back"));
    const std::size_t from = first ? 0 : kFirstPageRows;
    const std::size_t to = first ? kFirstPageRows : core::kPhysicalConstants.size();
    int k = 1;
    for (std::size_t r = from; r < to; ++r) {
        if (k == kGroupOf + 1) {
            for (QListWidget *list : { List1, List2, List3, List4 })
                list->addItem(QString());
            k = 1;
        }
        const core::PhysicalConstant &row = core::kPhysicalConstants[r];
        List1->addItem(Text(row.quantity));
        List2->addItem(Text(row.symbol));
        List3->addItem(Text(row.unit));
        List4->addItem(Text(row.value));
        ++k;
    }
}

void frmConstants::cmdNext_Click()
{
    nPage = static_cast<std::int16_t>(-nPage);
    fillPage();
}

void frmConstants::cmdCopy_Click()
{
    QString value = SelectedText(List4).trimmed();
    value.remove(QLatin1Char(' '));
    const QString text =
        SelectedText(List1) + QLatin1Char(' ') + SelectedText(List3) + QLatin1Char(' ') + value;
    m_ctx.platform.clipboard.clear();
    m_ctx.platform.clipboard.setText(text);
}

void frmConstants::cmdHelp_Click()
{
    m_ctx.platform.help.showTopic(this, m_ctx.state.helpFile(), 17);
}

void frmConstants::cmdCancel_Click()
{
    close();
}

void frmConstants::reject()
{
    cmdCancel_Click();
}

void frmConstants::capturePosition()
{
    StoredPlace(m_ctx.state, m_ctx.platform.frames, state::Placed::Constants).capture(this);
}

void frmConstants::unloading()
{
    capturePosition();
}

} // namespace ui
