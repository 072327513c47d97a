// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The calculator's arithmetic: one accumulator, one pending operation, and the display text.
#pragma once

#include <QString>

#include <optional>

namespace companion {

class CalcModel
{
public:
    enum class Op { Add, Subtract, Multiply, Divide };

    // Longest number the keys can type; longer input would show digits a double cannot hold.
    static constexpr int kMaxDigits = 15;

    const QString &display() const { return m_display; }
    bool hasPending() const { return m_pending.has_value(); }
    // False right after an operation, a result or a poke: the next digit starts a new number.
    bool typing() const { return m_typing; }

    void digit(int d);
    void point();
    void operation(Op op);
    void equals();
    void clear();

    // Text that arrives whole (a poke or a paste) is shown exactly as it came, "Input error"
    // included; the next key press starts a new number.
    void enter(const QString &text);
    // The user edited the display directly: keep typing on from it.
    void edit(const QString &text);

    // A display that reads as a number, in the forms the converter writes: "212.000", "-0",
    // "2.99792E+08". Anything else (an error text) has no value.
    static std::optional<double> parse(const QString &text);
    static QString format(double value);

private:
    void showResult(std::optional<double> value);

    QString m_display = QStringLiteral("0");
    double m_acc = 0.0;
    std::optional<Op> m_pending;
    bool m_typing = false; // keys extend the display instead of starting anew
    bool m_operand = false; // a number was given since the last operation key
};

} // namespace companion
