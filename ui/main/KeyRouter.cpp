// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "KeyRouter.h"

#include "CommandLabel.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <utility>

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

void KeyRouter::watch(const MainControls &all)
{
    const Controls &c = all.controls;
    m_c = c;
    m_labels = all.labels;
    for (QWidget *w :
        std::initializer_list<QWidget *> { m_window, c.lstConvFrom, c.lstConvInto, c.txtInput, c.txtResult })
        w->installEventFilter(this);
    for (CommandLabel *label : m_labels.row())
        label->installEventFilter(this);
}

void KeyRouter::KeyCommand(std::int16_t KeyAscii) const
{
    const QWidget *active = m_window->focusWidget();
    if (active == m_c.txtInput || active == m_c.txtResult)
        return;
    constexpr std::pair<char, Command> kLetters[] = {
        { 'p', Command::Paste },
        { 'm', Command::Minimize },
        { 'a', Command::Calculator },
        { 'c', Command::Copy },
    };
    for (const auto &[letter, command] : kLetters)
        if (KeyAscii == letter || KeyAscii == letter - 'a' + 'A') {
            m_on.run(command);
            return;
        }
}

bool KeyRouter::isList(const QObject *o) const
{
    return o == m_c.lstConvFrom || o == m_c.lstConvInto;
}

bool KeyRouter::isLabel(const QObject *o) const
{
    const auto row = m_labels.row();
    return std::find(row.begin(), row.end(), o) != row.end();
}

bool KeyRouter::isMenuShortcut(const QKeyEvent &key) const
{
    const QKeySequence pressed(key.keyCombination());
    for (const QAction *a : m_window->findChildren<QAction *>())
        if (!a->shortcut().isEmpty() && a->shortcut() == pressed && a->isEnabled() && a->isVisible())
            return true;
    return false;
}

// A key pressed, before the control it is aimed at sees it; true when it is used up.
bool KeyRouter::keyPress(QObject *watched, const QKeyEvent &key)
{
    const auto ascii = KeyAscii(key);
    if (isList(watched)) {
        // The list still gets the letter afterwards and moves to the next entry it begins.
        if (ascii)
            KeyCommand(*ascii);
        if (watched == m_c.lstConvFrom && isEnter(key)) {
            m_on.run(Command::Convert);
            return true;
        }
        return false;
    }
    if (watched == m_c.txtInput && isEnter(key)) {
        m_on.run(Command::Convert);
        return true;
    }
    if (isLabel(watched)) {
        // Space and Enter press the label itself and Tab moves on; any other character is a letter
        // command or nothing.
        const bool tab = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
        if (tab || CommandLabel::PressesCommand(key) || !ascii || *ascii >= 128)
            return false;
        KeyCommand(*ascii);
        return true;
    }
    // A key that reached the window itself: no control had the focus, or a text box passed it on.
    // The lists and labels ran their letter before passing a key on.
    if (watched == m_window) {
        const QWidget *focus = m_window->focusWidget();
        if (ascii && !isList(focus) && !isLabel(focus))
            KeyCommand(*ascii);
    }
    return false;
}

bool KeyRouter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Menu shortcuts come before the controls' own keys (Ctrl+C, Ctrl+X, Ctrl+Z ... in a text
        // box): left unclaimed, the key goes to the menu item and nowhere else.
        if (isMenuShortcut(static_cast<const QKeyEvent &>(*event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (keyPress(watched, static_cast<const QKeyEvent &>(*event)))
            return true;
        break;
    case QEvent::KeyRelease:
        // One release per key, however long it was held.
        if (isList(watched) && !static_cast<const QKeyEvent &>(*event).isAutoRepeat()
            && m_on.readyToConvert())
            m_on.run(Command::Convert);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
