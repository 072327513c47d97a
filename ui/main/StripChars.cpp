// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "StripChars.h"

#include <algorithm>

namespace ui {

QString StripChars(QString text, const QString &search, const QString &replacement)
{
    if (search.isEmpty())
        return text;
    qsizetype p = text.indexOf(search);
    while (p >= 0) {
        text = text.left(p) + replacement + text.mid(p + search.size());
        // Never inside the replacement: one that holds the search text would be found again forever.
        const qsizetype resume = p + std::max(search.size(), replacement.size());
        if (resume > text.size())
            break;
        p = text.indexOf(search, resume);
    }
    return text;
}

QString LiteralTitle(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return t;
}

} // namespace ui
