// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The texts the program shows in more than one place, each written once.
#pragma once

#include "core/mOrlo.h"

#include <QString>

namespace ui::texts {

// The title of the main window and of its message boxes; the window adds " - " and the group.
inline const QString kProgramName = QStringLiteral("Orlo Unit Converter");
inline const QString kTitle = QLatin1Char(' ') + kProgramName;

inline const QString kComma = QString::fromUtf8(core::kCommaMessage.data(), core::kCommaMessage.size());
inline const QString kDefaults =
    QStringLiteral("Loading the default configuration settings.\rClick on the OK button to proceed.");
inline const QString kUserFile =
    QStringLiteral("Failed to open file 'ORL_USER.DAT'.\rThe user definition is ignored.");

// The Calculator command when no calculator took the value.
inline const QString kNoCalculator = QStringLiteral("The executable file cannot be found.");
inline const QString kErrorTitle = QStringLiteral(" Error");

// "Failed to save file as '<name>'."
inline QString SaveFailed(const QString &fileName)
{
    return QStringLiteral("Failed to save file as '%1'.").arg(fileName);
}

} // namespace ui::texts
