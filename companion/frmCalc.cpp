// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "companion/frmCalc.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace companion {

namespace {

using Op = CalcModel::Op;

// Where each digit sits on the keypad, as on a desk calculator.
constexpr int kDigitRow[10] = { 3, 2, 2, 2, 1, 1, 1, 0, 0, 0 };
constexpr int kDigitColumn[10] = { 0, 0, 1, 2, 0, 1, 2, 0, 1, 2 };

} // namespace

frmCalc::frmCalc(platform::Clipboard &clipboard, QWidget *parent)
    : QWidget(parent)
    , m_clipboard(clipboard)
{
    setObjectName(QStringLiteral("frmCalc"));
    setWindowTitle(QStringLiteral("Veldra"));

    txtInput = new QLineEdit(this);
    txtInput->setObjectName(QStringLiteral("txtInput"));
    txtInput->setAlignment(Qt::AlignRight);
    txtInput->setAccessibleName(QStringLiteral("Display"));
    QFont big = txtInput->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    txtInput->setFont(big);
    txtInput->installEventFilter(this);
    connect(txtInput, &QLineEdit::textEdited, this, &frmCalc::txtInput_Edited);

    auto *keys = new QGridLayout;
    for (int d = 0; d <= 9; ++d) {
        QPushButton *key = addKey(QString::number(d), QStringLiteral("cmdDigit%1").arg(d), [this, d] {
            step([d](CalcModel &m) { m.digit(d); });
        });
        keys->addWidget(key, kDigitRow[d], kDigitColumn[d]);
    }
    const auto op = [this](Op o) { return [this, o] { step([o](CalcModel &m) { m.operation(o); }); }; };
    keys->addWidget(
        addKey(QStringLiteral("."), QStringLiteral("cmdPoint"), [this] { step(&CalcModel::point); }), 3, 1);
    keys->addWidget(
        addKey(QStringLiteral("="), QStringLiteral("cmdEquals"), [this] { step(&CalcModel::equals); }), 3, 2);
    keys->addWidget(addKey(QString::fromUtf8("\u00F7"), QStringLiteral("cmdDivide"), op(Op::Divide)), 0, 3);
    keys->addWidget(
        addKey(QString::fromUtf8("\u00D7"), QStringLiteral("cmdMultiply"), op(Op::Multiply)), 1, 3);
    keys->addWidget(
        addKey(QString::fromUtf8("\u2212"), QStringLiteral("cmdSubtract"), op(Op::Subtract)), 2, 3);
    keys->addWidget(addKey(QStringLiteral("+"), QStringLiteral("cmdAdd"), op(Op::Add)), 3, 3);
    keys->addWidget(
        addKey(QStringLiteral("C"), QStringLiteral("cmdClear"), [this] { step(&CalcModel::clear); }),
        4,
        0,
        1,
        2);
    keys->addWidget(
        addKey(QStringLiteral("Copy"), QStringLiteral("cmdCopy"), [this] { cmdCopy_Click(); }), 4, 2, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(txtInput);
    layout->addLayout(keys);
    step([](CalcModel &) {});
}

QPushButton *frmCalc::addKey(const QString &caption, const QString &name, std::function<void()> onClick)
{
    auto *key = new QPushButton(caption, this);
    key->setObjectName(name);
    key->setFocusPolicy(Qt::NoFocus); // typing stays in the input box
    connect(key, &QPushButton::clicked, this, std::move(onClick));
    return key;
}

bool frmCalc::poke(const QString &item, const QString &text)
{
    if (item != txtInput->objectName())
        return false;
    // The box holds what it can hold (32,767 characters); a longer text would only fill memory.
    const QString kept = text.left(txtInput->maxLength());
    step([&kept](CalcModel &m) { m.enter(kept); });
    return true;
}

QString frmCalc::itemText(const QString &item) const
{
    return item == txtInput->objectName() ? txtInput->text() : QString();
}

void frmCalc::step(const std::function<void(CalcModel &)> &change)
{
    change(m_model);
    if (txtInput->text() != m_model.display())
        txtInput->setText(m_model.display());
}

void frmCalc::cmdCopy_Click()
{
    m_clipboard.clear();
    m_clipboard.setText(txtInput->text());
}

void frmCalc::txtInput_Edited(const QString &text)
{
    m_model.edit(text);
}

bool frmCalc::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtInput && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (typedKey(key->key(), key->text()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Operation keys typed into the box act as the buttons do; digits and the rest edit the text.
bool frmCalc::typedKey(int key, const QString &text)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter || text == QStringLiteral("=")) {
        step(&CalcModel::equals);
    } else if (key == Qt::Key_Escape) {
        step(&CalcModel::clear);
    } else if (text == QStringLiteral("+")) {
        step([](CalcModel &m) { m.operation(Op::Add); });
    } else if (text == QStringLiteral("*")) {
        step([](CalcModel &m) { m.operation(Op::Multiply); });
    } else if (text == QStringLiteral("/")) {
        step([](CalcModel &m) { m.operation(Op::Divide); });
    } else if (text == QStringLiteral("-") && txtInput->cursorPosition() > 0) {
        // At the start of the box a minus is the number's sign.
        step([](CalcModel &m) { m.operation(Op::Subtract); });
    } else if (!m_model.typing() && text.size() == 1 && text.at(0).isDigit()) {
        // The box still shows the last number; a digit starts the next one instead of extending it.
        const int d = text.at(0).digitValue();
        step([d](CalcModel &m) { m.digit(d); });
    } else if (!m_model.typing() && text == QStringLiteral(".")) {
        step(&CalcModel::point);
    } else {
        return false;
    }
    return true;
}

} // namespace companion
