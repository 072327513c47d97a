// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "companion/CalcModel.h"

#include <charconv>
#include <cmath>

namespace companion {

namespace {

std::optional<double> apply(double a, CalcModel::Op op, double b)
{
    double r = 0.0;
    switch (op) {
    case CalcModel::Op::Add:
        r = a + b;
        break;
    case CalcModel::Op::Subtract:
        r = a - b;
        break;
    case CalcModel::Op::Multiply:
        r = a * b;
        break;
    case CalcModel::Op::Divide:
        if (b == 0.0)
            return std::nullopt;
        r = a / b;
        break;
    }
    if (!std::isfinite(r))
        return std::nullopt;
    return r;
}

int digitCount(const QString &s)
{
    int n = 0;
    for (const QChar c : s)
        n += c.isDigit() ? 1 : 0;
    return n;
}

} // namespace

std::optional<double> CalcModel::parse(const QString &text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty())
        return std::nullopt;
    const char *first = bytes.constData();
    const char *last = first + bytes.size();
    // from_chars takes no leading plus; the display never shows one but a paste might.
    if (*first == '+')
        ++first;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString CalcModel::format(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    // Twelve figures hide the binary noise of decimal sums (0.1 + 0.2).
    return QString::number(value, 'G', 12);
}

void CalcModel::digit(int d)
{
    if (d < 0 || d > 9)
        return;
    const QChar c = QLatin1Char(static_cast<char>('0' + d));
    if (!m_typing || m_display == QStringLiteral("0")) {
        m_display = c;
        m_typing = true;
    } else if (digitCount(m_display) < kMaxDigits) {
        m_display += c;
    }
    m_operand = true;
}

void CalcModel::point()
{
    if (!m_typing) {
        m_display = QStringLiteral("0.");
        m_typing = true;
    } else if (!m_display.contains(QLatin1Char('.'))
        && !m_display.contains(QLatin1Char('E'), Qt::CaseInsensitive)) {
        m_display += QLatin1Char('.');
    }
    m_operand = true;
}

void CalcModel::operation(Op op)
{
    const auto value = parse(m_display);
    if (!value)
        return;
    if (m_pending && m_operand) {
        showResult(apply(m_acc, *m_pending, *value));
        if (!parse(m_display))
            return;
    } else if (!m_pending) {
        m_acc = *value;
    }
    m_pending = op;
    m_typing = false;
    m_operand = false;
}

void CalcModel::equals()
{
    const auto value = parse(m_display);
    if (!m_pending || !value)
        return;
    showResult(apply(m_acc, *m_pending, *value));
    m_pending.reset();
    m_typing = false;
    m_operand = false;
}

void CalcModel::clear()
{
    *this = CalcModel();
}

void CalcModel::enter(const QString &text)
{
    m_display = text;
    m_typing = false;
    m_operand = true;
}

void CalcModel::edit(const QString &text)
{
    m_display = text;
    m_typing = true;
    m_operand = true;
}

void CalcModel::showResult(std::optional<double> value)
{
    if (value) {
        m_acc = *value;
        m_display = format(*value);
        return;
    }
    // Division by zero or overflow: the error stays until C or a new number.
    m_display = QStringLiteral("Error");
    m_pending.reset();
    m_acc = 0.0;
}

} // namespace companion
