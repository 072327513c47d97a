// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "tools/search/SearchService.h"

#include <QDBusMetaType>

namespace search {
namespace {

const QString kIcon = QStringLiteral("org.orlo.Converter");
const QString kCopyAction = QStringLiteral("copy");
constexpr int kExactMatch = 100; // KRunner's match type for an answer to the query itself

} // namespace

QDBusArgument &operator<<(QDBusArgument &arg, const RemoteMatch &m)
{
    arg.beginStructure();
    arg << m.id << m.text << m.icon << m.type << m.relevance << m.properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, RemoteMatch &m)
{
    arg.beginStructure();
    arg >> m.id >> m.text >> m.icon >> m.type >> m.relevance >> m.properties;
    arg.endStructure();
    return arg;
}

QDBusArgument &operator<<(QDBusArgument &arg, const RemoteAction &a)
{
    arg.beginStructure();
    arg << a.id << a.text << a.icon;
    arg.endStructure();
    return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, RemoteAction &a)
{
    arg.beginStructure();
    arg >> a.id >> a.text >> a.icon;
    arg.endStructure();
    return arg;
}

void RegisterTypes()
{
    qDBusRegisterMetaType<RemoteMatch>();
    qDBusRegisterMetaType<QList<RemoteMatch>>();
    qDBusRegisterMetaType<RemoteAction>();
    qDBusRegisterMetaType<QList<RemoteAction>>();
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

GnomeSearchProvider::GnomeSearchProvider(QObject *parent, Service &service)
    : QDBusAbstractAdaptor(parent)
    , m_service(service)
{ }

QStringList GnomeSearchProvider::GetInitialResultSet(const QStringList &terms)
{
    m_service.touched();
    QStringList ids;
    for (const Result &r : m_service.engine.search(terms))
        ids << r.id;
    return ids;
}

// A refined search is a new search: a query is answered in well under a millisecond.
QStringList GnomeSearchProvider::GetSubsearchResultSet(const QStringList &, const QStringList &terms)
{
    return GetInitialResultSet(terms);
}

QList<QVariantMap> GnomeSearchProvider::GetResultMetas(const QStringList &identifiers)
{
    m_service.touched();
    QList<QVariantMap> metas;
    for (const QString &id : identifiers) {
        if (const auto r = m_service.engine.result(id)) {
            metas << QVariantMap { { QStringLiteral("id"), r->id },
                { QStringLiteral("name"), r->name },
                { QStringLiteral("description"), r->description },
                { QStringLiteral("gicon"), kIcon },
                { QStringLiteral("clipboardText"), r->text } };
        }
    }
    return metas;
}

void GnomeSearchProvider::ActivateResult(const QString &identifier, const QStringList &, uint)
{
    m_service.touched();
    if (const auto r = m_service.engine.result(identifier))
        m_service.copy(r->text);
}

void GnomeSearchProvider::LaunchSearch(const QStringList &, uint)
{
    m_service.touched();
    m_service.launchConverter();
}

KRunner::KRunner(QObject *parent, Service &service)
    : QDBusAbstractAdaptor(parent)
    , m_service(service)
{ }

QList<RemoteAction> KRunner::Actions()
{
    m_service.touched();
    return { { kCopyAction, QStringLiteral("Copy to Clipboard"), QStringLiteral("edit-copy") } };
}

QList<RemoteMatch> KRunner::Match(const QString &query)
{
    m_service.touched();
    QList<RemoteMatch> matches;
    for (const Result &r : m_service.engine.search({ query })) {
        matches << RemoteMatch {
            r.id, r.name, kIcon, kExactMatch, 1.0, { { QStringLiteral("subtext"), r.description } }
        };
    }
    return matches;
}

// Both the match itself and its one action copy the result.
void KRunner::Run(const QString &matchId, const QString &)
{
    m_service.touched();
    if (const auto r = m_service.engine.result(matchId))
        m_service.copy(r->text);
}

} // namespace search
