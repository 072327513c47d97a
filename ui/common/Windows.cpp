// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "ui/common/Windows.h"

#include "ui/common/Twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace ui {

QFont DialogFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

void MoveFrameTo(const platform::Frames &frames, QWidget *window, const QPoint &corner)
{
    // A framed window's inside goes where the frame's corner plus the frame's own width puts it,
    // all as the X server and the window manager have them: Qt's idea of the frame is off under some
    // window managers.
    if (window->isVisible()) {
        const auto framed = frames.frameRect(window);
        const auto inside = framed ? frames.clientOrigin(window) : std::nullopt;
        if (inside && window->windowHandle())
            window->windowHandle()->setPosition(corner + (*inside - framed->topLeft()));
        else
            window->move(corner);
        return;
    }
    if (QWindow *native = window->windowHandle();
        native && QGuiApplication::platformName() == QLatin1String("xcb"))
        native->setFramePosition(corner); // made but never framed: a plain move would place the inside
    else
        window->move(corner); // not made yet: Qt takes this as the frame's position
}

QPoint ReachableCorner(const QPoint &corner, const QSize &frame, const QList<QRect> &areas)
{
    if (areas.isEmpty())
        return corner;
    // A grip: enough of the title bar to take hold of with the mouse.
    constexpr int kTitle = 20;
    constexpr int kGripWidth = 48;
    constexpr int kGripHeight = 8;
    const QRect title(corner, QSize(frame.width(), std::min(frame.height(), kTitle)));
    for (const QRect &area : areas) {
        const QRect grip = title & area;
        if (grip.width() >= std::min(kGripWidth, frame.width())
            && grip.height() >= std::min(kGripHeight, title.height()))
            return corner;
    }
    const auto distance = [&corner](const QRect &a) {
        const int dx = std::max({ a.left() - corner.x(), 0, corner.x() - a.right() });
        const int dy = std::max({ a.top() - corner.y(), 0, corner.y() - a.bottom() });
        return qint64(dx) * dx + qint64(dy) * dy;
    };
    const QRect area = *std::min_element(areas.begin(), areas.end(), [&](const QRect &a, const QRect &b) {
        return distance(a) < distance(b);
    });
    const int x = std::max(area.left(), std::min(corner.x(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - frame.height()));
    return { x, y };
}

QPoint ReachableCorner(const QPoint &corner, const QSize &frame)
{
    QList<QRect> areas;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        areas << primary->availableGeometry();
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas << screen->availableGeometry();
    }
    return ReachableCorner(corner, frame, areas);
}

QRect FrameRect(const platform::Frames &frames, const QWidget *window)
{
    if (const auto framed = frames.frameRect(window))
        return *framed;
    return window->frameGeometry();
}

bool PositionsKnown()
{
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

void CentreOnScreen(const platform::Frames &frames, QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // With its title bar and borders once the window manager has framed it.
    const QSize size = FrameRect(frames, window).size();
    // Halved towards zero, so a window larger than the screen starts a little above and left of it.
    const int left = (area.width() - size.width()) / 2;
    const int top = (area.height() - size.height()) / 2;
    MoveFrameTo(frames, window, QPoint(area.x() + left, area.y() + top));
}

void CentreOnShow::load(QWidget *window)
{
    CentreOnScreen(m_frames, window);
    m_pending = true;
}

void WhenFramed(const platform::Frames &frames, QWidget *window, const std::function<void(QWidget *)> &action)
{
    if (!frames.askable() || frames.frameRect(window)) {
        action(window);
        return;
    }
    QPointer<QWidget> guard(window);
    auto *retry = new QTimer(window);
    retry->setInterval(25);
    QObject::connect(retry, &QTimer::timeout, window, [&frames, guard, retry, action, tries = 0]() mutable {
        if (guard && guard->isVisible() && frames.frameRect(guard)) {
            action(guard);
            retry->deleteLater();
        } else if (++tries >= 20 || !guard || !guard->isVisible()) {
            retry->deleteLater();
        }
    });
    retry->start();
}

namespace {

// Watches one window for its first paint; runs its action once, from the event loop after that paint
// (the backing store is flushed when the paint returns), and goes.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget *window, std::function<void()> action)
        : QObject(window)
        , m_action(std::move(action))
    {
        window->installEventFilter(this);
        QTimer::singleShot(1000, this, [this] { fire(); });
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [this] { fire(); });
        return false;
    }

private:
    void fire()
    {
        if (!m_action)
            return;
        parent()->removeEventFilter(this);
        std::function<void()> action = std::exchange(m_action, nullptr);
        deleteLater();
        action();
    }

    std::function<void()> m_action;
};

} // namespace

void AfterFirstPaint(QWidget *window, std::function<void()> action)
{
    new FirstPaintWatch(window, std::move(action));
}

// The window manager frames a window a moment after it shows; until its frame is known the centring
// is done again.
void CentreOnShow::shown(QWidget *window)
{
    if (!m_pending)
        return;
    m_pending = false;
    CentreOnScreen(m_frames, window);
    WhenFramed(m_frames, window, [this](QWidget *framed) { CentreOnScreen(m_frames, framed); });
}

QPoint StoredPlace::corner() const
{
    const state::TwipsCorner c = m_state.corner(m_which);
    return { ToPixels(c.left, m_state.Tppx()), ToPixels(c.top, m_state.Tppy()) };
}

void StoredPlace::store(const QPoint &corner)
{
    m_state.setCorner(m_which, { ToTwips(corner.x(), m_state.Tppx()), ToTwips(corner.y(), m_state.Tppy()) });
}

void StoredPlace::capture(const QWidget *window)
{
    if (PositionsKnown())
        store(frameCorner(window));
}

std::int16_t FrameHeight(const QWidget *window)
{
    const auto *main = qobject_cast<const QMainWindow *>(window);
    if (main && main->menuWidget())
        return static_cast<std::int16_t>(main->menuWidget()->sizeHint().height());
    return 0;
}

} // namespace ui
