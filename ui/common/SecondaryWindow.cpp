// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "ui/common/SecondaryWindow.h"

#include "data/Resources.h"

#include <QCloseEvent>

namespace ui {

SecondaryWindow::SecondaryWindow(WindowContext &ctx, Secondary which, Placement placement, Modality modality)
    : m_ctx(ctx)
    , m_which(which)
    , m_placement(placement)
    , m_modality(modality)
    , m_centre(ctx.platform.frames)
{
    setFont(DialogFont());
    // The program's icon in the title bar and the task bar, as the main window has it.
    setWindowIcon(resources::appIcon(devicePixelRatioF()));
    // Closing a secondary window never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void SecondaryWindow::present()
{
    m_ctx.onTop.mainOpensSecondary();
    if (!m_ctx.onTop.isOpen(m_which))
        load();
    if (m_modality == Modality::Modal) {
        exec();
        return;
    }
    show();
    raise();
    activateWindow();
}

void SecondaryWindow::load()
{
    m_ctx.onTop.loaded(m_which, this);
    Form_Load();
    if (m_placement == Placement::Centred)
        m_centre.load(this); // its size is known now
    else
        place();
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
    // The open flag is the always-on-top keeper's; it says whether this closing is the first.
    if (!m_ctx.onTop.isOpen(m_which))
        return;
    unloading();
    m_ctx.onTop.closed(m_which);
}

} // namespace ui
