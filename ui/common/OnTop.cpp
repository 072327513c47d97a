// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "OnTop.h"

#include <QWidget>

namespace ui {

OnTop::OnTop(platform::WindowOrder &order, const std::int16_t &pnShowTop)
    : m_order(order)
    , m_showTop(pnShowTop)
{ }

// One switch for both the reading and the writing access to an open flag.
template <typename Self> auto &OnTop::flagOf(Self &self, Secondary which)
{
    switch (which) {
    case Secondary::Constants:
        return self.pnFrmConstOpen;
    case Secondary::Equiv:
        return self.pnFrmEquivOpen;
    case Secondary::User:
        return self.pnFrmUserOpen;
    case Secondary::Info:
        break;
    }
    return self.pnFrmInfoOpen;
}

std::int16_t &OnTop::flagRef(Secondary which)
{
    return flagOf(*this, which);
}

std::int16_t OnTop::flag(Secondary which) const
{
    return flagOf(*this, which);
}

QWidget *OnTop::window(Secondary which) const
{
    switch (which) {
    case Secondary::Constants:
        return m_constants;
    case Secondary::Equiv:
        return m_equiv;
    case Secondary::User:
        return m_user;
    case Secondary::Info:
        break;
    }
    return m_info;
}

void OnTop::mainOpensSecondary()
{
    m_order.SetTopmost(m_main, 0);
}

void OnTop::loaded(Secondary which, QWidget *w)
{
    switch (which) {
    case Secondary::Constants:
        m_constants = w;
        break;
    case Secondary::Equiv:
        m_equiv = w;
        break;
    case Secondary::User:
        m_user = w;
        break;
    case Secondary::Info:
        m_info = w;
        break;
    }
    m_order.SetTopmost(w, 1);
    flagRef(which) = kTrue;
}

// An open reference window ends up above the main window, which holds on-top only when the user wants it.
void OnTop::handToReference(Secondary which)
{
    if (!isOpen(which))
        return;
    if (m_showTop == 1)
        m_order.SetTopmost(m_main, 0);
    m_order.SetTopmost(window(which), 1);
}

void OnTop::closed(Secondary which)
{
    flagRef(which) = kFalse;
    m_order.SetTopmost(window(which), 0);
    if (m_showTop == 1)
        m_order.SetTopmost(m_main, 1);
    switch (which) {
    case Secondary::Constants:
        handToReference(Secondary::Equiv);
        break;
    case Secondary::Equiv:
        handToReference(Secondary::Constants);
        break;
    case Secondary::User:
    case Secondary::Info:
        handToReference(Secondary::Constants);
        handToReference(Secondary::Equiv);
        break;
    }
}

void OnTop::mainCloses()
{
    m_order.SetTopmost(m_main, 0);
}

void OnTop::hideReferenceWindows()
{
    if (isOpen(Secondary::Constants) && m_constants)
        m_constants->hide();
    if (isOpen(Secondary::Equiv) && m_equiv)
        m_equiv->hide();
}

void OnTop::showFromTray()
{
    if (m_main) {
        m_main->show();
        m_main->raise();
        m_main->activateWindow();
    }
    m_order.SetTopmost(m_main, 1);
    if (m_showTop == 0)
        m_order.SetTopmost(m_main, 0);
    for (Secondary which : { Secondary::Equiv, Secondary::Constants }) {
        QWidget *w = window(which);
        if (!isOpen(which) || !w)
            continue;
        m_order.SetTopmost(m_main, 0);
        w->show();
        m_order.SetTopmost(w, 1);
    }
}

} // namespace ui
