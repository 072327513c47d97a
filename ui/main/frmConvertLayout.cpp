// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Applies the computed geometry and colours the command row.
#include "CommandLabel.h"
#include "frmConvert.h"
#include "ui/dialogs/FrameHeight.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace ui {

void frmConvert::LayoutMain()
{
    LayoutMetrics m;
    m.Tppx = Tppx;
    m.Tppy = Tppy;
    m.lineHeightPx = QFontMetrics(m_c.fraConvFrom->font()).height();
    m.frameHeightPx = FrameHeight(this);
    // The caption labels size themselves to their text, so a larger desktop font is not cut off.
    m.labelHeight = std::max(m.labelHeight, m.lineHeightPx * Tppy);
    m_layout = ui::LayoutMain(m);
    pnBtnWidth = m_layout.pnBtnWidth;
    pnBtnTextTop = m_layout.pnBtnTextTop;
    applyLayout(m_layout);
    colourCommands();
}

void frmConvert::applyLayout(const MainLayout &g)
{
    auto px = [](double twips, int perPixel) { return Nearest(twips / perPixel); };
    const int frameTop = Nearest(g.frameTop);
    const int frameHeight = Nearest(g.frameHeight);
    m_c.fraConvFrom->setGeometry(g.fromLeft, frameTop, g.frameWidth, frameHeight);
    m_c.fraConvInto->setGeometry(g.intoLeft, frameTop, g.frameWidth, frameHeight);

    const int left = px(g.innerLeftTw, Tppx);
    const int width = px(g.innerWidthTw, Tppx);
    const int textTop = px(g.textTopTw, Tppy);
    const int textHeight = px(g.textHeightTw, Tppy);
    const int listTop = px(g.listTopTw, Tppy);
    const int listHeight = px(g.listHeightTw, Tppy);
    for (QLineEdit *box : { m_c.txtInput, m_c.txtResult })
        box->setGeometry(left, textTop, width, textHeight);
    for (QListWidget *list : { m_c.lstConvFrom, m_c.lstConvInto })
        list->setGeometry(left, listTop, width, listHeight);

    m_c.imgHand->move(Nearest(g.handLeft), Nearest(g.handTop));

    CommandLabel *row[] = { m_labels.paste, m_labels.shrink, m_labels.cal, m_labels.copy };
    for (std::size_t i = 0; i < std::size(row); ++i) {
        CommandLabel *l = row[i];
        l->setGeometry(g.buttonLeft[i], 0, g.pnBtnWidth, g.rowH);
        l->setLabelHeight(Nearest(g.labelHeightPx));
        l->setDrawValues(g.pnBtnTextTop, g.pnBtnWidth);
    }

    // The hidden controls stay below the visible client area.
    m_c.cmdConvert->move(0, Nearest(g.clientHeight) + 8);
    m_c.txtDest->move(0, Nearest(g.clientHeight) + 40);
    setFixedSize(g.clientWidth, px(g.windowHeightTw, Tppy));
}

void frmConvert::colourCommands()
{
    const CommandColours colours = ResolveCommandColours(m_settings, palette());
    CommandLabel *row[] = { m_labels.paste, m_labels.shrink, m_labels.cal, m_labels.copy };
    for (std::size_t i = 0; i < std::size(row); ++i) {
        row[i]->setColours(colours.face, colours.text[i]);
        row[i]->DrawRaised(pnBtnTextTop, pnBtnWidth);
    }
}

} // namespace ui
