// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Qt implementations of the simple desktop services.
#pragma once

#include "platform/Platform.h"
#include "platform/qt/SniItem.h"

#include <QSystemTrayIcon>

#include <memory>

namespace platform::qt {

// "\r" separates lines in the program's messages; Qt wants "\n".
QString messageText(const QString &text);

class QtMessageBoxes : public MessageBoxes
{
public:
    void show(QWidget *parent, const QString &text, const QString &title, MsgIcon icon) override;
};

class QtClipboard : public Clipboard
{
public:
    void clear() override;
    void setText(const QString &text) override;
    QString text() const override;
};

// The two clicks the program answers; every other activation is ignored.
std::optional<TrayIcon::Event> trayEvent(QSystemTrayIcon::ActivationReason reason);

class QtTrayIcon : public TrayIcon
{
public:
    QtTrayIcon();
    ~QtTrayIcon() override;

    bool isAvailable() const override;
    void TrayIconAdd(const QIcon &icon, const QString &tip, std::function<void(Event)> onEvent) override;
    void TrayIconDelete() override;
    QPoint cursorPos() const override;

    // The StatusNotifierItem standing in where no tray was there at start-up; null otherwise.
    const SniItem *statusNotifierItem() const { return m_sni.get(); }

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
    std::unique_ptr<SniItem> m_sni;
    std::function<void(Event)> m_onEvent;
};

class QtWindowOrder : public WindowOrder
{
public:
    void SetTopmost(QWidget *window, int flag) override;
    void setTaskbarEntry(QWidget *window, bool shown) override;
};

class QtProcessStarter : public ProcessStarter
{
public:
    std::optional<std::int64_t> startDetached(const QString &program) override;
    void processEvents() override;
};

// 1440 twips per inch over the logical dots per inch, rounded; 15 when the screen reports none.
std::int16_t twipsPerPixel(double dotsPerInch);

class QtScreen : public Screen
{
public:
    std::int16_t twipsPerPixelX() const override;
    std::int16_t twipsPerPixelY() const override;
};

} // namespace platform::qt
