// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "KeyRouter.h"

#include "CommandLabel.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

#include <optional>

namespace ui {

namespace {

// The character code a key types, as the letter commands compare it. Keys held with Ctrl, Alt or
// Meta are the menus' and the desktop's, never a letter command.
std::optional<std::int16_t> KeyAscii(const QKeyEvent &key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const QString text = key.text();
    if (text.size() != 1)
        return std::nullopt;
    return static_cast<std::int16_t>(text.at(0).unicode());
}

bool isEnter(const QKeyEvent &key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

KeyRouter::KeyRouter(QWidget *window, Handlers handlers)
    : QObject(window)
    , m_window(window)
    , m_on(std::move(handlers))
{ }

void KeyRouter::watch(const Controls &c)
{
    m_c = c;
    for (QWidget *w : std::initializer_list<QWidget *> {
             c.lstConvFrom, c.lstConvInto, c.lstConvInto->viewport(), c.txtInput, c.txtResult })
        w->installEventFilter(this);
}

bool KeyRouter::isList(const QObject *o) const
{
    return o == m_c.lstConvFrom || o == m_c.lstConvInto;
}

bool KeyRouter::isMenuShortcut(const QKeyEvent &key) const
{
    const QKeySequence pressed(key.keyCombination());
    for (const QAction *a : m_window->findChildren<QAction *>())
        if (!a->shortcut().isEmpty() && a->shortcut() == pressed && a->isEnabled() && a->isVisible())
            return true;
    return false;
}

// A key pressed in a list or the input box, before the control sees it; true when it is used up.
bool KeyRouter::controlKeyPress(QObject *watched, const QKeyEvent &key)
{
    if (isList(watched)) {
        // The list still gets the letter afterwards and moves to the next entry it begins.
        if (const auto ascii = KeyAscii(key))
            m_on.keyCommand(*ascii);
        if (watched == m_c.lstConvFrom && isEnter(key)) {
            m_on.convert();
            return true;
        }
        return false;
    }
    if (watched == m_c.txtInput && isEnter(key)) {
        m_on.convert();
        return true;
    }
    return false;
}

bool KeyRouter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (watched == m_c.lstConvInto->viewport())
            m_on.intoMouseUp();
        break;
    case QEvent::ShortcutOverride:
        // Menu shortcuts come before the controls' own keys (Ctrl+C, Ctrl+X, Ctrl+Z ... in a text
        // box): left unclaimed, the key goes to the menu item and nowhere else.
        if (isMenuShortcut(static_cast<const QKeyEvent &>(*event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (controlKeyPress(watched, static_cast<const QKeyEvent &>(*event)))
            return true;
        break;
    case QEvent::KeyRelease:
        // One release per key, however long it was held.
        if (isList(watched) && !static_cast<const QKeyEvent &>(*event).isAutoRepeat()
            && m_on.readyToConvert())
            m_on.convert();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// The lists and the command labels have run their letter command by the time a key they passed on
// reaches the window.
void KeyRouter::windowKeyPress(const QKeyEvent &key)
{
    QWidget *focus = m_window->focusWidget();
    if (isList(focus) || qobject_cast<CommandLabel *>(focus))
        return;
    if (const auto ascii = KeyAscii(key))
        m_on.keyCommand(*ascii);
}

} // namespace ui
