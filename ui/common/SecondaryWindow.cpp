// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "ui/common/SecondaryWindow.h"

#include "data/Resources.h"

#include <QCloseEvent>

namespace ui {

SecondaryWindow::SecondaryWindow(WindowContext &ctx, Secondary which, Placement placement)
    : m_ctx(ctx)
    , m_which(which)
    , m_placement(placement)
{
    setFont(DialogFont());
    // The program's icon in the title bar and the task bar, as the main window has it.
    setWindowIcon(resources::appIcon(devicePixelRatioF()));
    // Closing a secondary window never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void SecondaryWindow::beginLoad()
{
    m_ctx.onTop.loaded(m_which, this);
    m_loaded = true;
}

void SecondaryWindow::centre()
{
    if (m_placement == Placement::Centred)
        m_centre.load(this);
}

void SecondaryWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_placement == Placement::Centred)
        m_centre.shown(this);
}

void SecondaryWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_loaded)
        return;
    m_loaded = false;
    unloading();
    m_ctx.onTop.closed(m_which);
}

} // namespace ui
