// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "DialogTools.h"

#include "platform/qt/X11WindowState.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ui {

namespace {

double PerPixel(std::int16_t tpp)
{
    return tpp > 0 ? tpp : 15;
}

} // namespace

QFont DialogFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

int ToPixels(double twips, std::int16_t tpp)
{
    return static_cast<int>(std::nearbyint(twips / PerPixel(tpp)));
}

std::int16_t ToTwips(int pixels, std::int16_t tpp)
{
    const double twips = std::nearbyint(static_cast<double>(pixels) * PerPixel(tpp));
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(twips, lo, hi));
}

void MoveFrameTo(QWidget *window, const QPoint &corner)
{
    // A framed window's inside goes where the frame's corner plus the frame's own width puts it,
    // all as the X server and the window manager have them: Qt's idea of the frame is off under some
    // window managers.
    if (window->isVisible()) {
        const auto framed = platform::qt::FrameRect(window);
        const auto inside = framed ? platform::qt::ClientOrigin(window) : std::nullopt;
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

QRect FrameRect(const QWidget *window)
{
    if (const auto framed = platform::qt::FrameRect(window))
        return *framed;
    return window->frameGeometry();
}

bool PositionsKnown()
{
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // With its title bar and borders once the window manager has framed it.
    const QSize size = FrameRect(window).size();
    // Halved towards zero, so a window larger than the screen starts a little above and left of it.
    const int left = (area.width() - size.width()) / 2;
    const int top = (area.height() - size.height()) / 2;
    MoveFrameTo(window, QPoint(area.x() + left, area.y() + top));
}

void CentreOnShow::load(QWidget *window)
{
    CentreOnScreen(window);
    m_pending = true;
}

// The window manager frames a window a moment after it shows; until its frame is known (on X11,
// from the window manager's extents) the centring is done again, for half a second at most.
void CentreOnShow::shown(QWidget *window)
{
    if (!m_pending)
        return;
    m_pending = false;
    CentreOnScreen(window);
    if (QGuiApplication::platformName() != QLatin1String("xcb") || platform::qt::FrameRect(window))
        return;
    QPointer<QWidget> guard(window);
    auto *retry = new QTimer(window);
    retry->setInterval(25);
    QObject::connect(retry, &QTimer::timeout, window, [guard, retry, tries = 0]() mutable {
        if (guard && guard->isVisible() && platform::qt::FrameRect(guard)) {
            CentreOnScreen(guard);
            retry->deleteLater();
        } else if (++tries >= 20 || !guard || !guard->isVisible()) {
            retry->deleteLater();
        }
    });
    retry->start();
}

namespace {

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor &c)
{
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ContrastingText(const QColor &background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ContrastRatio(background, black) >= ContrastRatio(background, white) ? black : white;
}

void SetBaseWithText(QWidget *w, const QColor &background)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, background);
    pal.setColor(QPalette::Text, ContrastingText(background));
    w->setPalette(pal);
}

void SetPaletteBase(QWidget *w)
{
    const QPalette app = QApplication::palette(w);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, app.color(QPalette::Base));
    pal.setColor(QPalette::Text, app.color(QPalette::Text));
    w->setPalette(pal);
}

void SetBase(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
}

QColor Base(const QWidget *w)
{
    return w->palette().color(QPalette::Base);
}

void ColourAsButtons(QListWidget *list)
{
    QPalette p = list->palette();
    for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        p.setColor(group, QPalette::Base, p.color(group, QPalette::Button));
        p.setColor(group, QPalette::Text, p.color(group, QPalette::ButtonText));
    }
    list->setPalette(p);
}

QLabel *ColumnCaption(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QListWidget *ColumnList(QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    ColourAsButtons(list);
    return list;
}

int SelectedRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

QString SelectedText(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

int NeededListWidth(const QListWidget *list, const QStringList &texts)
{
    const QFontMetrics fm(list->font());
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, fm.horizontalAdvance(text));
    // The item delegate keeps a focus-frame margin plus one pixel on either side of the text.
    const int padding = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    return widest + padding + 2 * list->frameWidth() + 2;
}

int RowHeight(QListWidget *list)
{
    const int lineH = QFontMetrics(list->font()).height();
    if (list->count() > 0)
        return std::max(lineH, list->sizeHintForRow(0));
    // Measured on an empty item, the way an empty list's first line would be.
    list->addItem(QString());
    const int rowH = list->sizeHintForRow(0);
    delete list->takeItem(0);
    return std::max(lineH, rowH);
}

SyncedColumns::SyncedColumns(QList<QListWidget *> columns)
    : m_columns(std::move(columns))
{
    // Selection, not the current row: a list that merely gains focus gets a current row but no
    // selection, and must not drag the other columns along.
    for (QListWidget *column : m_columns)
        QObject::connect(
            column, &QListWidget::itemSelectionChanged, column, [this, column] { follow(column); });
}

void SyncedColumns::follow(QListWidget *leader)
{
    const int row = SelectedRow(leader);
    for (QListWidget *other : m_columns) {
        if (other == leader)
            continue;
        const QSignalBlocker hold(other);
        if (row < 0)
            other->clearSelection();
        else
            other->setCurrentRow(row);
        ++m_follows;
    }
}

} // namespace ui
