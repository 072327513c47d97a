// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "platform/fake/FakePlatform.h"

#include <QWidget>

namespace platform::fake {

namespace {

void note(QStringList *journal, const QString &what)
{
    if (journal)
        journal->append(what);
}

} // namespace

void FakeMessageBoxes::show(QWidget *parent, const QString &text, const QString &title, MsgIcon icon)
{
    shown.append({ parent, text, title, icon });
    if (onShow)
        onShow(shown.constLast());
}

void FakeClipboard::clear()
{
    ++clears;
    m_text.clear();
}

void FakeClipboard::setText(const QString &text)
{
    ++sets;
    m_text = text;
}

void FakeHelpViewer::showContents(QWidget *parent, const QString &helpFile)
{
    calls.append({ parent, helpFile, std::nullopt });
}

void FakeHelpViewer::showTopic(QWidget *parent, const QString &helpFile, int topic)
{
    calls.append({ parent, helpFile, topic });
}

void FakeTrayIcon::TrayIconAdd(
    const QIcon &newIcon, const QString &newTip, std::function<void(Event)> onEvent)
{
    ++adds;
    icon = newIcon;
    tip = newTip;
    m_onEvent = std::move(onEvent);
}

void FakeTrayIcon::TrayIconDelete()
{
    ++deletes;
    m_onEvent = nullptr;
}

void FakeTrayIcon::fire(Event e)
{
    if (m_onEvent)
        m_onEvent(e);
}

void FakeWindowOrder::SetTopmost(QWidget *window, int flag)
{
    calls.append({ window, flag });
    if (flag == 0 || flag == 1)
        m_onTop.insert(window, flag == 1);
}

void FakeWindowOrder::setTaskbarEntry(QWidget *window, bool shown)
{
    m_taskbar.insert(window, shown);
}

QList<QWidget *> FakeWindowOrder::onTop() const
{
    QList<QWidget *> windows;
    for (auto it = m_onTop.cbegin(); it != m_onTop.cend(); ++it) {
        if (it.value())
            windows.append(it.key());
    }
    return windows;
}

std::optional<std::int64_t> FakeProcessStarter::startDetached(const QString &program)
{
    started.append(program);
    note(journal, QStringLiteral("start"));
    if (!results.empty()) {
        const auto result = results.front();
        results.pop_front();
        return result;
    }
    return nextPid++;
}

void FakeProcessStarter::processEvents()
{
    ++eventPasses;
    note(journal, QStringLiteral("events"));
}

bool FakeCalculatorLink::open(std::int64_t pid, std::chrono::milliseconds timeout)
{
    opens.append({ pid, timeout });
    note(journal, QStringLiteral("open"));
    m_open = openResult;
    return m_open;
}

bool FakeCalculatorLink::poke(const QString &item, const QString &text)
{
    note(journal, QStringLiteral("poke"));
    if (!m_open)
        return false;
    pokes.append({ item, text });
    return pokeResult;
}

void FakeCalculatorLink::close()
{
    ++closes;
    note(journal, QStringLiteral("close"));
    m_open = false;
}

bool FakeSingleInstance::activateRunning()
{
    ++asks;
    return running;
}

void FakeSingleInstance::listen(std::function<void()> onActivate)
{
    m_onActivate = std::move(onActivate);
}

bool FakeSingleInstance::activate()
{
    if (!m_onActivate)
        return false;
    m_onActivate();
    return true;
}

FakePlatform::FakePlatform()
{
    process.journal = &journal;
    calculator.journal = &journal;
}

std::optional<QRect> FakeFrames::frameRect(const QWidget *window) const
{
    if (!borders || !window->isVisible())
        return std::nullopt;
    return window->geometry().marginsAdded(*borders);
}

std::optional<QPoint> FakeFrames::clientOrigin(const QWidget *window) const
{
    if (!borders || !window->isVisible())
        return std::nullopt;
    return window->geometry().topLeft();
}

Platform FakePlatform::platform()
{
    return { messages, clipboard, help, tray, order, frames, process, calculator, instance, screen };
}

} // namespace platform::fake
