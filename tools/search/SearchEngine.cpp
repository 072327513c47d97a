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
    m_state.load();
    // The window's format rule: 1 is Scientific, anything else (3 included, the About box's) Regular.
    m_state.settleFormat();
}

std::optional<Result> SearchEngine::answer(const core::Query &q, const core::QueryReading &r) const
{
    const store::Settings &settings = m_state.settings();
    const core::Catalogue &cat = m_state.catalogue();
    bool comma = false;
    const auto text =
        core::Answer(cat, q, r, settings.pnFigure, settings.pnFormFlag, [&comma] { comma = true; });
    // A value the converter would only read in part, or cannot read, is no answer to offer.
    if (!text || comma || *text == core::kInputError)
        return std::nullopt;
    const std::string &from = cat.UnitName[r.group][r.from];
    const std::string &into = cat.UnitName[r.group][r.into];
    Result out;
    out.id = QStringLiteral("%1:%2:%3:%4").arg(r.group).arg(r.from).arg(r.into).arg(Utf8(q.value));
    out.text = Utf8(*text);
    out.name = out.text + QLatin1Char(' ') + Utf8(core::UnitSymbol(into));
    out.description = Utf8(q.value + " " + from + " = " + *text + " " + into);
    return out;
}

QList<Result> SearchEngine::search(const QStringList &terms)
{
    const QByteArray words = terms.join(QLatin1Char(' ')).toUtf8();
    if (words.size() > 1000) // no query is that long; the desktop sends every keystroke
        return {};
    refresh();
    const core::Catalogue &cat = m_state.catalogue();
    const auto q =
        core::ReadQuery(cat, std::string_view(words.constData(), static_cast<std::size_t>(words.size())));
    QList<Result> results;
    if (!q)
        return results;
    for (const core::QueryReading &r : q->readings) {
        if (auto a = answer(*q, r)) {
            if (q->readings.size() > 1)
                a->description = Utf8(cat.GroupName[r.group]) + QStringLiteral(": ") + a->description;
            results.append(*a);
        }
    }
    return results;
}

std::optional<Result> SearchEngine::result(const QString &id)
{
    const QStringList parts = id.split(QLatin1Char(':'));
    if (parts.size() < 4)
        return std::nullopt;
    refresh();
    const core::Catalogue &cat = m_state.catalogue();
    bool ok[3] = {};
    const core::QueryReading r { static_cast<std::int16_t>(parts[0].toShort(&ok[0])),
        static_cast<std::int16_t>(parts[1].toShort(&ok[1])),
        static_cast<std::int16_t>(parts[2].toShort(&ok[2])) };
    if (!ok[0] || !ok[1] || !ok[2] || r.group < 0 || r.group >= core::kGroupSlots || r.from < 0
        || r.from >= cat.UnitCount[r.group] || r.into < 0 || r.into >= cat.UnitCount[r.group])
        return std::nullopt;
    core::Query q;
    q.value = id.section(QLatin1Char(':'), 3).toStdString();
    return answer(q, r);
}

} // namespace search
