// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The answers the desktop's search gets: queries in words, converted with the user's settings and
// custom quantities, which are read (never written) and read again when their files change.
#pragma once

#include "core/Query.h"
#include "state/ProgramState.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>

namespace search {

struct Result
{
    QString id; // stands for the whole answer: "N:query", the query's Nth answer
    QString name; // "8046.72 m"
    QString description; // "5 mi = 8046.72 m"; "1 gal (US) = 3.785 L"; "Volume: …" across groups
    QString text; // what a copy puts on the clipboard: "8046.72"
};

class SearchEngine
{
public:
    explicit SearchEngine(std::filesystem::path dataDir);

    // The answers to the words of a search; empty for text that is no query.
    QList<Result> search(const QStringList &terms);
    // The answer a result id stands for; nullopt for an id this engine never gave.
    std::optional<Result> result(const QString &id);

private:
    void refresh();
    QList<Result> answers(const QString &query);

    std::filesystem::path m_dir;
    // Loaded as the converter loads it; never saved from here.
    state::ProgramState m_state;
    std::optional<core::Vocabulary> m_vocabulary;
    std::filesystem::file_time_type m_cfgTime {};
    std::filesystem::file_time_type m_datTime {};
    bool m_loaded = false;
};

} // namespace search
