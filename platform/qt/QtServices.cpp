// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "platform/qt/QtServices.h"

#include "platform/qt/X11WindowState.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace platform::qt {

namespace {

QMessageBox::Icon boxIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Exclamation:
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// Changing a top-level window's flags makes Qt hide it; bring it back where it was.
void changeFlags(QWidget *window, Qt::WindowFlags flags)
{
    if (window->windowFlags() == flags)
        return;
    const bool visible = window->isVisible();
    const bool active = window->isActiveWindow();
    const QPoint pos = window->pos();
    const QSize size = window->size();
    window->setWindowFlags(flags);
    if (!visible)
        return;
    window->move(pos);
    window->resize(size);
    window->show();
    if (active)
        window->activateWindow();
}

} // namespace

QString messageText(const QString &text)
{
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

void QtMessageBoxes::show(QWidget *parent, const QString &text, const QString &title, MsgIcon icon)
{
    QMessageBox box(boxIcon(icon), title, messageText(text), QMessageBox::Ok, parent);
    box.exec();
}

void QtClipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

std::optional<TrayIcon::Event> trayEvent(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return TrayIcon::Event::LeftPress;
    case QSystemTrayIcon::Context:
        return TrayIcon::Event::RightRelease;
    default:
        return std::nullopt;
    }
}

QtTrayIcon::QtTrayIcon() = default;
QtTrayIcon::~QtTrayIcon() = default;

bool QtTrayIcon::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable() || (m_sni && m_sni->registered());
}

void QtTrayIcon::TrayIconAdd(const QIcon &icon, const QString &tip, std::function<void(Event)> onEvent)
{
    m_onEvent = std::move(onEvent);
    if (!m_icon) {
        m_icon = std::make_unique<QSystemTrayIcon>();
        QObject::connect(m_icon.get(),
            &QSystemTrayIcon::activated,
            m_icon.get(),
            [this](QSystemTrayIcon::ActivationReason reason) {
                const auto e = trayEvent(reason);
                if (!e)
                    return;
                // From the event loop, not inside the request: a StatusNotifierItem panel asks for
                // the context menu over the bus and waits for the answer, which would otherwise
                // come only once the menu has closed.
                QTimer::singleShot(0, m_icon.get(), [this, event = *e] {
                    if (m_onEvent)
                        m_onEvent(event);
                });
            });
    }
    // No context menu of its own: the window pops up its Convert menu at cursorPos().
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->show();
    // No notification area now: a StatusNotifierItem waits for a panel that comes later (an XEmbed
    // tray that comes later Qt finds by itself).
    if (!QSystemTrayIcon::isSystemTrayAvailable() && !m_sni) {
        m_sni = std::make_unique<SniItem>(tip, [this](SniItem::Click click) {
            if (m_onEvent)
                m_onEvent(click == SniItem::Click::Left ? Event::LeftPress : Event::RightRelease);
        });
    }
}

void QtTrayIcon::TrayIconDelete()
{
    if (m_icon)
        m_icon->hide();
    m_icon.reset();
    m_sni.reset();
    m_onEvent = nullptr;
}

QPoint QtTrayIcon::cursorPos() const
{
    return QCursor::pos();
}

// The stacking state changes on the existing native window: QWindow::setFlags asks the window
// manager (_NET_WM_STATE_ABOVE on X11) where QWidget::setWindowFlags would destroy and re-create the
// window, moving and flickering it. The widget is told the same flags without acting on them.
void QtWindowOrder::SetTopmost(QWidget *window, int flag)
{
    if (!window || (flag != 0 && flag != 1))
        return;
    const bool on = flag == 1;
    const Qt::WindowFlags flags = window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, on);
    window->overrideWindowFlags(flags);
    if (QWindow *native = window->windowHandle())
        native->setFlags(flags);
    // Putting a window on top, again or anew, brings it to the front.
    if (on && window->isVisible())
        window->raise();
}

void QtWindowOrder::setTaskbarEntry(QWidget *window, bool shown)
{
    if (!window)
        return;
    // On X11 the window manager keeps the window out of the task bar and the pager. Elsewhere a
    // tool window is the nearest thing; it does not end the program when it closes, so its owner
    // quits on its own.
    if (SetSkipTaskbar(window, !shown))
        return;
    Qt::WindowFlags flags = window->windowFlags() & ~Qt::WindowType_Mask;
    flags |= shown ? Qt::Window : Qt::Tool;
    changeFlags(window, flags);
}

std::optional<std::int64_t> QtProcessStarter::startDetached(const QString &program)
{
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable())
        return std::nullopt;
    qint64 pid = 0;
    if (!QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath(), &pid) || pid <= 0)
        return std::nullopt;
    return pid;
}

void QtProcessStarter::processEvents()
{
    QCoreApplication::processEvents();
}

std::int16_t twipsPerPixel(double dotsPerInch)
{
    if (!(dotsPerInch > 0.0))
        return 15;
    const double twips = std::nearbyint(1440.0 / dotsPerInch);
    return static_cast<std::int16_t>(std::clamp(twips, 1.0, 1440.0));
}

std::int16_t QtScreen::twipsPerPixelX() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 0.0);
}

std::int16_t QtScreen::twipsPerPixelY() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 0.0);
}

} // namespace platform::qt
