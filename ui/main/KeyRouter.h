// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Where the main window's keys go: the letter commands, Enter to convert, the menus' shortcuts before
// the controls' own, and a conversion when a key in a list is let go. Every key of the window, its
// lists, text boxes and command labels passes here first; the window is told the command to run.
#pragma once

#include "MainControls.h"

#include <QObject>

#include <cstdint>
#include <functional>

class QKeyEvent;
class QWidget;

namespace ui {

class KeyRouter : public QObject
{
public:
    enum class Command { Paste, Minimize, Calculator, Copy, Convert };

    struct Handlers
    {
        std::function<void(Command)> run;
        std::function<bool()> readyToConvert;
    };

    KeyRouter(QWidget *window, Handlers handlers);

    // Sees the keys of the window, its lists and text boxes and the command labels before they do.
    void watch(const MainControls &all);

    // The letter commands: the access letters of the four command labels, either case, whenever the
    // focus is not in one of the two text boxes, where letters are text.
    void KeyCommand(std::int16_t KeyAscii) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isMenuShortcut(const QKeyEvent &key) const;
    bool keyPress(QObject *watched, const QKeyEvent &key);
    bool isList(const QObject *o) const;
    bool isLabel(const QObject *o) const;

    QWidget *m_window;
    Handlers m_on;
    Controls m_c;
    Labels m_labels;
};

} // namespace ui
