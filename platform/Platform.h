// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Small interfaces over the desktop services the windows use. Windows receive a Platform at
// construction; the Qt implementations live in platform/qt, recording fakes in platform/fake.
#pragma once

#include <QIcon>
#include <QPoint>
#include <QRect>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace platform {

enum class MsgIcon { Information, Exclamation, Warning, Critical };

// Modal message box with one OK button. A "\r" inside `text` separates lines.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual void show(QWidget *parent, const QString &text, const QString &title, MsgIcon icon) = 0;
};

// The clipboard's plain-text format.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0; // empty when the clipboard holds no text
};

// Shows the help file at its contents or at a numbered topic (17 constants, 18 custom quantities).
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    virtual void showContents(QWidget *parent, const QString &helpFile) = 0;
    virtual void showTopic(QWidget *parent, const QString &helpFile, int topic) = 0;
};

// The notification-area icon.
class TrayIcon
{
public:
    enum class Event { LeftPress, RightRelease };
    virtual ~TrayIcon() = default;
    virtual bool isAvailable() const = 0; // false where the desktop has no notification area
    virtual void TrayIconAdd(const QIcon &icon, const QString &tip, std::function<void(Event)> onEvent) = 0;
    virtual void TrayIconDelete() = 0;
    virtual QPoint cursorPos() const = 0; // where a pop-up menu opens
};

// Always-on-top.
class WindowOrder
{
public:
    virtual ~WindowOrder() = default;
    // Flag 1 puts the window on top, 0 takes it off; any other flag does nothing. Position, size
    // and focus are kept.
    virtual void SetTopmost(QWidget *window, int flag) = 0;
    // Whether the window keeps an entry in the desktop's task bar. Without one, a window that is
    // hidden can only come back through the notification icon.
    virtual void setTaskbarEntry(QWidget *window, bool shown)
    {
        (void)window;
        (void)shown;
    }
};

// Where the window manager has framed a window, asked of the display server: Qt's own reckoning of
// its windows' places is off under some window managers.
class Frames
{
public:
    virtual ~Frames() = default;
    // Whether windows here are framed by a window manager that can be asked; without one a window's
    // frame is what Qt says, at once.
    virtual bool askable() const = 0;
    // A shown window's outer frame on the screen, in logical pixels; nullopt until the window
    // manager has framed it, or where it cannot be asked.
    virtual std::optional<QRect> frameRect(const QWidget *window) const = 0;
    // Where a shown window's inside starts on the screen, in logical pixels.
    virtual std::optional<QPoint> clientOrigin(const QWidget *window) const = 0;
};

// Starting programs.
class ProcessStarter
{
public:
    virtual ~ProcessStarter() = default;
    // Starts `program` detached with a normal window; the new process id, or nullopt on failure.
    virtual std::optional<std::int64_t> startDetached(const QString &program) = 0;
    virtual void processEvents() = 0; // lets pending events run once
};

// The conversation with the companion calculator (application "Veldra", topic "frmCalc").
class CalculatorLink
{
public:
    virtual ~CalculatorLink() = default;
    // Waits, at most `timeout`, until the calculator process `pid` answers; false when it does not.
    virtual bool open(std::int64_t pid, std::chrono::milliseconds timeout) = 0;
    virtual bool poke(const QString &item, const QString &text) = 0;
    virtual void close() = 0;
};

// One running converter per session: a second start hands over to the first.
class SingleInstance
{
public:
    virtual ~SingleInstance() = default;
    // True when a running converter was found and asked to show itself; this start should end.
    virtual bool activateRunning() = 0;
    // Registers this converter as the running one; `onActivate` runs when a later start asks.
    virtual void listen(std::function<void()> onActivate) = 0;
};

// Screen metrics: twips per pixel, 1440 divided by the logical dots per inch, rounded.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual std::int16_t twipsPerPixelX() const = 0;
    virtual std::int16_t twipsPerPixelY() const = 0;
};

struct Platform
{
    MessageBoxes &messages;
    Clipboard &clipboard;
    HelpViewer &help;
    TrayIcon &tray;
    WindowOrder &order;
    Frames &frames;
    ProcessStarter &process;
    CalculatorLink &calculator;
    SingleInstance &instance;
    Screen &screen;
};

} // namespace platform
