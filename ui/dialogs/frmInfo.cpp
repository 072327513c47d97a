// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "frmInfo.h"

#include "data/Resources.h"
#include "ui/common/Colours.h"
#include "ui/common/Texts.h"
#include "ui/common/Windows.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>
#include <array>

namespace ui {

namespace {

constexpr int kMargin = 12;
constexpr int kPicture = 32;
constexpr int kLead = 33; // blanks before each copy of the notice: the box starts empty
constexpr int kFullTicks = 17;
constexpr int kCycleTicks = 20;

constexpr std::array<const char16_t *, 5> kNotice {
    u"This program is free software: you can redistribute it and/or modify",
    u"it under the terms of the GNU General Public License as published by",
    u"the Free Software Foundation, version 3 or (at your option) any later",
    u"version. It comes with ABSOLUTELY NO WARRANTY. See the GNU General",
    u"Public License for details.",
};
constexpr std::array<const char16_t *, 2> kCredit {
    u"Written by the Orlo developers.",
    u"Pictures, help text and tables by the Orlo team.",
};

QFont Arial(double points, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

frmInfo::frmInfo(WindowContext &ctx)
    : SecondaryWindow(ctx, Secondary::Info, Placement::Centred, Modality::Modal)
{
    setWindowTitle(QStringLiteral(" About ") + texts::kProgramName);
    setModal(true);

    // Both frames drawn from their SVGs for this screen's scale.
    imgFull = resources::picture(resources::Picture::AboutFull, kPicture, devicePixelRatioF());
    imgHalf = resources::picture(resources::Picture::AboutHalf, kPicture, devicePixelRatioF());
    imgMain = new QLabel(this);
    imgMain->setFixedSize(kPicture, kPicture);

    lblAppname = new QLabel(texts::kProgramName, this);
    lblAppname->setFont(Arial(14, true));
    lblVersion = new QLabel(QStringLiteral("Version 3.2"), this);
    lblVersion->setFont(Arial(9));
    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::HLine);
    Frame1->setFrameShadow(QFrame::Sunken);
    for (int i = 0; i < 5; ++i) {
        auto *line = new QLabel(this);
        line->setFont(Arial(8.25));
        lblNotice << line;
    }
    for (const char16_t *text : kCredit) {
        auto *line = new QLabel(QString::fromUtf16(text), this);
        line->setFont(Arial(8.25));
        lblCredit << line;
    }
    Frame2 = new QFrame(this);
    Frame2->setFrameShape(QFrame::HLine);
    Frame2->setFrameShadow(QFrame::Sunken);

    txtAllrights = new QLineEdit(this);
    txtAllrights->setReadOnly(true);
    txtAllrights->setFocusPolicy(Qt::NoFocus);
    txtAllrights->setFont(Arial(9));
    {
        QPalette pal = txtAllrights->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Button));
        txtAllrights->setPalette(pal);
    }

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmInfo::cmdOK_Click);

    Timer1.setInterval(120);
    Timer2.setInterval(720);
    connect(&Timer1, &QTimer::timeout, this, &frmInfo::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &frmInfo::Timer2_Timer);
}

frmInfo::~frmInfo() = default;

QString frmInfo::rightsNotice()
{
    return QStringLiteral(
        "Copyright \u00A9 2026 The Orlo developers. Free software under the GNU GPL, version 3 or later.");
}

void frmInfo::Form_Load()
{
    for (int i = 0; i < 5; ++i)
        lblNotice[i]->setText(QString::fromUtf16(kNotice[static_cast<std::size_t>(i)]));
    arrange();

    const QString lead(kLead, QLatin1Char(' '));
    m_scroll = lead + rightsNotice() + lead + rightsNotice();
    m_nScroll = 0;
    m_nAnim = 0;
    txtAllrights->clear();
    showFrame(true);
    Timer1.start();
    Timer2.start();
    cmdOK->setFocus();
}

// Everything below the header is as wide as the widest line; the scroll box is as wide as its
// run of leading blanks, so the notice enters at its right edge.
void frmInfo::arrange()
{
    int width = 0;
    auto widthOf = [](const QLabel *l) { return QFontMetrics(l->font()).horizontalAdvance(l->text()); };
    for (const QLabel *l : lblNotice)
        width = std::max(width, widthOf(l));
    for (const QLabel *l : lblCredit)
        width = std::max(width, widthOf(l));
    const int textLeft = kMargin + kPicture + kMargin;
    width = std::max(
        { width, textLeft - kMargin + widthOf(lblAppname), textLeft - kMargin + widthOf(lblVersion) });

    imgMain->move(kMargin, kMargin);
    lblAppname->setGeometry(textLeft, kMargin - 4, widthOf(lblAppname) + 4, lblAppname->sizeHint().height());
    lblVersion->setGeometry(textLeft,
        lblAppname->geometry().bottom() + 1,
        widthOf(lblVersion) + 4,
        lblVersion->sizeHint().height());
    int y = std::max(kMargin + kPicture, lblVersion->geometry().bottom() + 1) + 8;
    Frame1->setGeometry(kMargin, y, width, 2);
    y += 10;
    auto stack = [&y, width](QLabel *l) {
        l->setGeometry(kMargin, y, width, l->sizeHint().height());
        y += l->sizeHint().height();
    };
    for (QLabel *l : lblNotice)
        stack(l);
    y += 10;
    for (QLabel *l : lblCredit)
        stack(l);
    y += 10;
    Frame2->setGeometry(kMargin, y, width, 2);
    y += 10;

    const QFontMetrics fm(txtAllrights->font());
    const QMargins tm = txtAllrights->textMargins();
    // Frame and inner margins take 8 pixels; a blank less than the lead keeps the first frame empty.
    const int boxW = fm.horizontalAdvance(QString(kLead - 1, QLatin1Char(' '))) + tm.left() + tm.right() + 8;
    const int boxH = txtAllrights->sizeHint().height();
    const QSize ok = cmdOK->sizeHint().expandedTo(QSize(75, 23));
    const int rowH = std::max(boxH, ok.height());
    txtAllrights->setGeometry(
        kMargin, y + (rowH - boxH) / 2, std::min(boxW, width - ok.width() - kMargin), boxH);
    cmdOK->setGeometry(kMargin + width - ok.width(), y + (rowH - ok.height()) / 2, ok.width(), ok.height());
    setFixedSize(width + 2 * kMargin, y + rowH + kMargin);
}

void frmInfo::showFrame(bool full)
{
    m_fullShown = full;
    imgMain->setPixmap(full ? imgFull : imgHalf);
}

void frmInfo::Timer1_Timer()
{
    txtAllrights->setText(m_scroll.mid(m_nScroll));
    // A read-only box still follows its cursor; keep the start of the text in view.
    txtAllrights->setCursorPosition(0);
    ++m_nScroll;
    if (m_nScroll > m_scroll.size())
        m_nScroll = 0;
}

void frmInfo::Timer2_Timer()
{
    if (m_nAnim < kFullTicks)
        showFrame(true);
    else
        showFrame(false);
    ++m_nAnim;
    if (m_nAnim >= kCycleTicks)
        m_nAnim = 0;
}

void frmInfo::cmdOK_Click()
{
    close();
}

// Every way out ends the same: the one-shot start-up flag is spent and on-top goes back.
void frmInfo::unloading()
{
    Timer1.stop();
    Timer2.stop();
    m_ctx.state.settleFormat();
}

} // namespace ui
