// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Recording fakes of the desktop services, for tests: each one keeps what it was asked and
// answers with what the test scripted.
#pragma once

#include "platform/Platform.h"

#include <QHash>
#include <QList>
#include <QMargins>
#include <QStringList>

#include <deque>

namespace platform::fake {

class FakeMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        QWidget *parent = nullptr;
        QString text;
        QString title;
        MsgIcon icon = MsgIcon::Information;
    };

    void show(QWidget *parent, const QString &text, const QString &title, MsgIcon icon) override;

    QList<Shown> shown;
    // Runs while the "modal" box is up, e.g. to check the state a message interrupts.
    std::function<void(const Shown &)> onShow;
};

class FakeClipboard : public Clipboard
{
public:
    void clear() override;
    void setText(const QString &text) override;
    QString text() const override { return m_text; }

    int clears = 0;
    int sets = 0;

private:
    QString m_text;
};

class FakeHelpViewer : public HelpViewer
{
public:
    struct Call
    {
        QWidget *parent = nullptr;
        QString helpFile;
        std::optional<int> topic; // empty for the contents
    };

    void showContents(QWidget *parent, const QString &helpFile) override;
    void showTopic(QWidget *parent, const QString &helpFile, int topic) override;

    QList<Call> calls;
};

class FakeTrayIcon : public TrayIcon
{
public:
    bool isAvailable() const override { return available; }
    void TrayIconAdd(const QIcon &icon, const QString &tip, std::function<void(Event)> onEvent) override;
    void TrayIconDelete() override;
    QPoint cursorPos() const override { return cursor; }

    // Delivers a click as the desktop would; nothing happens while no icon is shown.
    void fire(Event e);
    void pressLeft() { fire(Event::LeftPress); }
    void releaseRight() { fire(Event::RightRelease); }

    bool shown() const { return m_onEvent != nullptr; }

    bool available = true;
    QPoint cursor { 100, 100 };
    int adds = 0;
    int deletes = 0;
    QIcon icon;
    QString tip;

private:
    std::function<void(Event)> m_onEvent;
};

class FakeWindowOrder : public WindowOrder
{
public:
    struct Call
    {
        QWidget *window = nullptr;
        int flag = 0;
        bool operator==(const Call &) const = default;
    };

    void SetTopmost(QWidget *window, int flag) override;
    void setTaskbarEntry(QWidget *window, bool shown) override;

    bool isOnTop(QWidget *window) const { return m_onTop.value(window, false); }
    // Windows on top right now, in no particular order.
    QList<QWidget *> onTop() const;
    // True unless the window was explicitly given no task-bar entry.
    bool hasTaskbarEntry(QWidget *window) const { return m_taskbar.value(window, true); }

    QList<Call> calls;

private:
    QHash<QWidget *, bool> m_onTop;
    QHash<QWidget *, bool> m_taskbar;
};

// A window manager that frames every shown window with the same borders, around where Qt has the
// window's inside; without `borders`, none can be asked, as off X11.
class FakeFrames : public Frames
{
public:
    bool askable() const override { return borders.has_value(); }
    std::optional<QRect> frameRect(const QWidget *window) const override;
    std::optional<QPoint> clientOrigin(const QWidget *window) const override;

    std::optional<QMargins> borders;
};

class FakeProcessStarter : public ProcessStarter
{
public:
    std::optional<std::int64_t> startDetached(const QString &program) override;
    void processEvents() override;

    // Answers of the next starts, in order; once used up, every start gets `nextPid` counting up.
    std::deque<std::optional<std::int64_t>> results;
    std::int64_t nextPid = 4242;
    QStringList started;
    int eventPasses = 0;
    // Shared call order with the calculator fake ("start", "events", "open", "poke", "close").
    QStringList *journal = nullptr;
};

class FakeCalculatorLink : public CalculatorLink
{
public:
    struct Open
    {
        std::int64_t pid = 0;
        std::chrono::milliseconds timeout {};
    };
    struct Poke
    {
        QString item;
        QString text;
        bool operator==(const Poke &) const = default;
    };

    bool open(std::int64_t pid, std::chrono::milliseconds timeout) override;
    bool poke(const QString &item, const QString &text) override;
    void close() override;

    bool isOpen() const { return m_open; }

    bool openResult = true;
    bool pokeResult = true;
    QList<Open> opens;
    QList<Poke> pokes; // only those made while a conversation was open
    int closes = 0;
    QStringList *journal = nullptr;

private:
    bool m_open = false;
};

class FakeSingleInstance : public SingleInstance
{
public:
    bool activateRunning() override;
    void listen(std::function<void()> onActivate) override;

    // What a later start would do: runs the registered handler; false when nobody listens.
    bool activate();

    bool running = false; // the answer of activateRunning()
    int asks = 0;
    bool listening() const { return m_onActivate != nullptr; }

private:
    std::function<void()> m_onActivate;
};

class FakeScreen : public Screen
{
public:
    std::int16_t twipsPerPixelX() const override { return x; }
    std::int16_t twipsPerPixelY() const override { return y; }

    std::int16_t x = 15;
    std::int16_t y = 15;
};

// All fakes, owned together; platform() hands them to a window.
class FakePlatform
{
public:
    FakePlatform();
    FakePlatform(const FakePlatform &) = delete;
    FakePlatform &operator=(const FakePlatform &) = delete;

    Platform platform();

    FakeMessageBoxes messages;
    FakeClipboard clipboard;
    FakeHelpViewer help;
    FakeTrayIcon tray;
    FakeWindowOrder order;
    FakeFrames frames;
    FakeProcessStarter process;
    FakeCalculatorLink calculator;
    FakeSingleInstance instance;
    FakeScreen screen;
    // Order of the process and calculator calls.
    QStringList journal;
};

} // namespace platform::fake
