// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Text helpers of the converter window.
#pragma once

#include <QString>

namespace ui {

// Replaces every occurrence of `search` in `text` by `replacement`, scanning on from the character
// after the replaced stretch's old end: with "&" and "" a single "&" goes and "&&" becomes "&".
// A replacement longer than the search text is skipped whole.
QString StripChars(QString text, const QString &search, const QString &replacement);

// A window title showing `text` literally: the toolkit reads "[*]" as its modified-marker.
QString LiteralTitle(const QString &text);

} // namespace ui
