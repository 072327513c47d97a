// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The notification icon as a StatusNotifierItem (the panels of GNOME and KDE) for a panel that comes
// after the program: Qt picks its D-Bus tray once, at start-up, and never looks again. The item
// waits for a StatusNotifierWatcher on the session bus, registers with every one that appears, and
// tells the window when the watcher goes away.
#pragma once

#include <QDBusObjectPath>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QDBusServiceWatcher;

namespace platform::qt {

class SniItem : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    enum class Click { Left, Context };

    // `onClick` runs from the event loop, after the panel's call has been answered.
    SniItem(QString title, std::function<void(Click)> onClick);
    ~SniItem() override;

    // Registered with a watcher that is there now.
    bool registered() const { return m_registered; }
    QString serviceName() const { return m_service; }

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("org.orlo.Converter"); }
    QString title() const { return m_title; }
    QString status() const { return QStringLiteral("Active"); }
    QString iconName() const { return QStringLiteral("org.orlo.Converter"); }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(QStringLiteral("/NO_DBUSMENU")); }

public slots:
    Q_SCRIPTABLE void Activate(int x, int y);
    Q_SCRIPTABLE void SecondaryActivate(int x, int y);
    Q_SCRIPTABLE void ContextMenu(int x, int y);
    Q_SCRIPTABLE void Scroll(int delta, const QString &orientation);

signals:
    Q_SCRIPTABLE void NewIcon();
    Q_SCRIPTABLE void NewStatus(const QString &status);
    void registrationChanged(bool registered);

private:
    void registerWithWatcher();
    void later(Click click);

    QString m_title;
    std::function<void(Click)> m_onClick;
    QString m_service;
    std::unique_ptr<QDBusServiceWatcher> m_watcher;
    bool m_exported = false;
    bool m_registered = false;
};

} // namespace platform::qt
