// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Where the main window's keys go: the letter commands, Enter to convert, the menus' shortcuts before
// the controls' own, and a conversion when a key in a list is let go.
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
    struct Handlers
    {
        std::function<void(std::int16_t)> keyCommand; // a letter typed outside the text boxes
        std::function<void()> convert;
        std::function<bool()> readyToConvert;
        std::function<void()> intoMouseUp; // the mouse let go over the Into list
    };

    KeyRouter(QWidget *window, Handlers handlers);

    // Sees the keys of the lists and text boxes before they do.
    void watch(const Controls &c);
    // A key that reached the window itself: no control had the focus, or one passed it on.
    void windowKeyPress(const QKeyEvent &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isMenuShortcut(const QKeyEvent &key) const;
    bool controlKeyPress(QObject *watched, const QKeyEvent &key);
    bool isList(const QObject *o) const;

    QWidget *m_window;
    Handlers m_on;
    Controls m_c;
};

} // namespace ui
