// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "CommandLabel.h"

#include "ui/common/Colours.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Screen readers announce a command as a button that can be pressed.
class CommandLabelAccessible : public QAccessibleWidget
{
public:
    explicit CommandLabelAccessible(QWidget *w)
        : QAccessibleWidget(w, QAccessible::Button)
    { }
    QStringList actionNames() const override { return { pressAction() }; }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            static_cast<CommandLabel *>(widget())->click();
    }
};

QAccessibleInterface *commandLabelAccessible(const QString &className, QObject *object)
{
    if (className == QStringLiteral("ui::CommandLabel") && object && object->isWidgetType())
        return new CommandLabelAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

CommandLabel::CommandLabel(const QString &caption, QWidget *parent)
    : QWidget(parent)
    , m_caption(caption)
{
    static const bool factoryInstalled = (QAccessible::installFactory(commandLabelAccessible), true);
    (void)factoryInstalled;
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CommandLabel::setColours(const QColor &face, const QColor &text)
{
    m_face = face;
    m_text = text;
    update();
}

void CommandLabel::setMetrics(const CommandMetrics &metrics)
{
    m_metrics = metrics;
    PlaceCaption(m_sunken ? -1 : 0);
    update();
}

int CommandLabel::labelWidth() const
{
    QString plain = m_caption;
    plain.remove(QLatin1Char('&'));
    return fontMetrics().horizontalAdvance(plain);
}

void CommandLabel::PlaceCaption(std::int16_t offset)
{
    const int width = labelWidth();
    m_label = QRect((m_metrics.buttonWidth - width) / 2 + offset + 2,
        m_metrics.captionTop + offset,
        width,
        m_metrics.labelHeight);
}

void CommandLabel::DrawRaised()
{
    m_sunken = false;
    PlaceCaption(0);
    update();
}

void CommandLabel::DrawSunken()
{
    m_sunken = true;
    PlaceCaption(-1);
    update();
}

// The border lines run as a line primitive draws them that leaves out each line's end point:
// raised, white along the top and left edges and black along the bottom and right; sunken, the
// other way round. They are laid on whole device pixels, one logical pixel thick rounded down (at
// least one device pixel), so no scale factor blurs, hides or shifts them. At a fractional scale the
// label's edge may fall inside a device pixel, so each line covers both device pixels its edge
// touches: whichever one the window shows carries the line.
void CommandLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_face);
    const qreal dpr = devicePixelRatioF();
    const int t = std::max(1, static_cast<int>(dpr));
    const QTransform toDevice = p.deviceTransform();
    const QPointF origin = toDevice.map(QPointF(0, 0));
    // Device pixels [first, last) of a logical range [from, to) along one axis starting at `o`.
    const auto along = [dpr](qreal o, int from, int to) {
        const int first = static_cast<int>(std::floor(o + from * dpr));
        return std::pair { first, std::max(first + 1, static_cast<int>(std::ceil(o + to * dpr))) };
    };
    // The device rows or columns of an edge at logical offset 0 (`start`) or at the far end.
    const auto nearEdge = [t](qreal o) {
        return std::pair { static_cast<int>(std::floor(o)), static_cast<int>(std::ceil(o)) + t };
    };
    const auto farEdge = [t](qreal end) {
        return std::pair { static_cast<int>(std::floor(end)) - t, static_cast<int>(std::ceil(end)) };
    };
    const auto fill = [&p](std::pair<int, int> xs, std::pair<int, int> ys, const QColor &c) {
        p.fillRect(QRect(xs.first, ys.first, xs.second - xs.first, ys.second - ys.first), c);
    };
    const int w = width();
    const int h = height();
    p.save();
    p.setWorldTransform(toDevice.inverted() * p.worldTransform()); // absolute device pixels
    const QColor topLeft = m_sunken ? Qt::black : Qt::white;
    const QColor bottomRight = m_sunken ? Qt::white : Qt::black;
    fill(along(origin.x(), 0, w - 1), nearEdge(origin.y()), topLeft);
    fill(nearEdge(origin.x()), along(origin.y(), 0, m_sunken ? h - 2 : h - 1), topLeft);
    fill(m_sunken ? along(origin.x(), 0, w - 1) : along(origin.x(), 1, w - 2),
        farEdge(origin.y() + h * dpr),
        bottomRight);
    fill(farEdge(origin.x() + w * dpr),
        m_sunken ? along(origin.y(), 2, h) : along(origin.y(), 3, h),
        bottomRight);
    p.restore();

    p.setPen(m_text);
    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this);
    p.drawText(m_label,
        Qt::AlignLeft | Qt::AlignTop | (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic),
        m_caption);
    // Where the keyboard is: a dotted frame round the caption, in the caption's colour.
    if (hasFocus()) {
        QPen dotted(m_text, 1, Qt::DotLine);
        dotted.setCosmetic(true);
        p.setPen(dotted);
        p.drawRect(m_label.adjusted(-2, -1, 1, 0));
    }
}

void CommandLabel::mousePressEvent(QMouseEvent *event)
{
    DrawSunken();
    event->accept();
}

void CommandLabel::mouseReleaseEvent(QMouseEvent *event)
{
    DrawRaised();
    event->accept();
    // Only the left button runs the command, and only when released over it.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

bool CommandLabel::PressesCommand(const QKeyEvent &event)
{
    const bool modified = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return !modified
        && (event.key() == Qt::Key_Space || event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter);
}

// Space and Enter press a focused command as a button is pressed: sunken while the key is down,
// the command on its release.
void CommandLabel::keyPressEvent(QKeyEvent *event)
{
    if (PressesCommand(*event)) {
        if (!event->isAutoRepeat())
            DrawSunken();
        event->accept();
        return;
    }
    // Letters are the window's key router's.
    QWidget::keyPressEvent(event);
}

void CommandLabel::keyReleaseEvent(QKeyEvent *event)
{
    if (PressesCommand(*event) && !event->isAutoRepeat() && m_sunken) {
        DrawRaised();
        event->accept();
        emit clicked();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void CommandLabel::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void CommandLabel::focusOutEvent(QFocusEvent *event)
{
    // A key held while the focus leaves presses nothing.
    if (m_sunken)
        DrawRaised();
    update();
    QWidget::focusOutEvent(event);
}

void CommandLabel::changeEvent(QEvent *event)
{
    // The caption's width follows the font.
    if (event->type() == QEvent::FontChange)
        PlaceCaption(m_sunken ? -1 : 0);
    QWidget::changeEvent(event);
}

} // namespace ui
