// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The case tables for Qt Test's data-driven tests: each case a row named by its "name" column (or its
// place in the file), its fields read by column name as QString.
#pragma once

#include "support/CaseTable.h"

#include <QMetaType>
#include <QString>
#include <QTest>

namespace cases {

struct Row
{
    Case c;
    QString operator[](std::string_view column) const { return QString::fromStdString(c[column]); }
};

// Adds the column "f" and a row for every case of tests/data/<file>.
inline void AddRows(const char *file)
{
    QTest::addColumn<Row>("f");
    for (const Case &c : Read(file)) {
        std::string name = c.where();
        try {
            if (!c["name"].empty())
                name = c["name"];
        } catch (const std::out_of_range &) { }
        QTest::newRow(name.c_str()) << Row { c };
    }
}

} // namespace cases

Q_DECLARE_METATYPE(cases::Row)
