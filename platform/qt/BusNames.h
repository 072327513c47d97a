// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Names on the session bus shared by the converter and its companion calculator.
#pragma once

#include <QString>

namespace platform::bus {

// The calculator: application "Veldra", topic "frmCalc".
inline QString calculatorService()
{
    return QStringLiteral("org.orlo.Veldra");
}
inline QString calculatorPath()
{
    return QStringLiteral("/frmCalc");
}
inline QString calculatorInterface()
{
    return QStringLiteral("org.orlo.Veldra.frmCalc");
}
// Poke(item, text) -> bool: true when the calculator knows the item and took the text.
inline QString pokeMethod()
{
    return QStringLiteral("Poke");
}
// Text(item) -> string: the item's current text, empty for an unknown item.
inline QString textMethod()
{
    return QStringLiteral("Text");
}

// The running converter.
inline QString converterService()
{
    return QStringLiteral("org.orlo.Converter");
}
inline QString converterPath()
{
    return QStringLiteral("/frmConvert");
}
inline QString converterInterface()
{
    return QStringLiteral("org.orlo.Converter");
}
inline QString activateMethod()
{
    return QStringLiteral("Activate");
}

} // namespace platform::bus
