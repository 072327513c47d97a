// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "tools/search/SearchEngine.h"

#include <system_error>

namespace fs = std::filesystem;

namespace search {
namespace {

fs::file_time_type Modified(const fs::path &file)
{
    std::error_code ec;
    const auto time = fs::last_write_time(file, ec);
    return ec ? fs::file_time_type {} : time;
}

QString Utf8(const std::string &s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

SearchEngine::SearchEngine(fs::path dataDir)
    : m_dir(dataDir)
    , m_state(std::move(dataDir), {}, QString())
{ }

void SearchEngine::refresh()
{
    const auto cfgTime = m_dir.empty() ? fs::file_time_type {} : Modified(m_dir / store::kCfgFileName);
    const auto datTime = m_dir.empty() ? fs::file_time_type {} : Modified(m_dir / store::kDatFileName);
    if (m_loaded && cfgTime == m_cfgTime && datTime == m_datTime)
        return;
    m_cfgTime = cfgTime;
    m_datTime = datTime;
    m_loaded = true;
    m_vocabulary.reset();
    m_state.load();
    // The window's format rule: 1 is Scientific, anything else (3 included, the About box's) Regular.
    m_state.settleFormat();
    m_vocabulary.emplace(m_state.catalogue());
}

// Every answer of a query, each with an id that names the query and the answer's place among them:
// the desktop asks for the answer again by id, and the query is answered anew.
QList<Result> SearchEngine::answers(const QString &query)
{
    const QByteArray words = query.toUtf8();
    if (words.size() > 1000) // no query is that long; the desktop sends every keystroke
        return {};
    refresh();
    const bool decimalComma = QLocale::system().decimalPoint() == QLatin1Char(',');
    const auto q = core::ReadQuery(*m_vocabulary,
        std::string_view(words.constData(), static_cast<std::size_t>(words.size())),
        { decimalComma });
    QList<Result> results;
    if (!q)
        return results;
    const store::Settings &settings = m_state.settings();
    for (const core::QueryAnswer &a :
        core::Answers(*m_vocabulary, *q, { settings.pnFigure, settings.pnFormFlag, 0 })) {
        Result out;
        out.id = QString::number(results.size()) + QLatin1Char(':') + query;
        out.text = Utf8(a.result);
        out.name = a.unit.empty() ? out.text : out.text + QLatin1Char(' ') + Utf8(a.unit);
        out.description = Utf8(a.line);
        results.append(out);
    }
    return results;
}

QList<Result> SearchEngine::search(const QStringList &terms)
{
    return answers(terms.join(QLatin1Char(' ')));
}

std::optional<Result> SearchEngine::result(const QString &id)
{
    const qsizetype colon = id.indexOf(QLatin1Char(':'));
    bool ok = false;
    const int index = id.left(colon).toInt(&ok);
    if (colon < 0 || !ok || index < 0)
        return std::nullopt;
    const QList<Result> all = answers(id.mid(colon + 1));
    if (index >= all.size())
        return std::nullopt;
    return all[index];
}

} // namespace search
