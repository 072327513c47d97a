// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The Qt implementations of every desktop service, owned together.
#pragma once

#include "platform/qt/QtBus.h"
#include "platform/qt/QtHelpViewer.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/X11WindowState.h"

namespace platform::qt {

// Create after the QApplication and destroy before it.
class QtPlatform
{
public:
    QtPlatform() = default;
    QtPlatform(const QtPlatform &) = delete;
    QtPlatform &operator=(const QtPlatform &) = delete;

    Platform platform()
    {
        return { messages, clipboard, help, tray, order, frames, process, calculator, instance, screen };
    }

    QtMessageBoxes messages;
    QtClipboard clipboard;
    QtHelpViewer help;
    QtTrayIcon tray;
    QtWindowOrder order;
    QtFrames frames;
    QtProcessStarter process;
    QtCalculatorLink calculator;
    QtSingleInstance instance;
    QtScreen screen;
};

} // namespace platform::qt
