// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The two interfaces the desktops' searches call: GNOME Shell's org.gnome.Shell.SearchProvider2 and
// KRunner's org.kde.krunner1. Both answer from one SearchEngine and copy an activated result.
#pragma once

#include "tools/search/SearchEngine.h"

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

#include <functional>

namespace search {

// KRunner's match: id, text, icon, type, relevance, properties (a(sssida{sv})).
struct RemoteMatch
{
    QString id;
    QString text;
    QString icon;
    int type = 0;
    double relevance = 0;
    QVariantMap properties;
};
// KRunner's action: id, text, icon (a(sss)).
struct RemoteAction
{
    QString id;
    QString text;
    QString icon;
};

QDBusArgument &operator<<(QDBusArgument &arg, const RemoteMatch &m);
const QDBusArgument &operator>>(const QDBusArgument &arg, RemoteMatch &m);
QDBusArgument &operator<<(QDBusArgument &arg, const RemoteAction &a);
const QDBusArgument &operator>>(const QDBusArgument &arg, RemoteAction &a);

// What the interfaces share: the engine, the copy, the start of the converter, and the idle clock.
struct Service
{
    SearchEngine &engine;
    std::function<void(const QString &)> copy;
    std::function<void()> launchConverter;
    std::function<void()> touched; // every call restarts the idle time
};

class GnomeSearchProvider : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

public:
    GnomeSearchProvider(QObject *parent, Service &service);

public slots:
    QStringList GetInitialResultSet(const QStringList &terms);
    QStringList GetSubsearchResultSet(const QStringList &previousResults, const QStringList &terms);
    QList<QVariantMap> GetResultMetas(const QStringList &identifiers);
    void ActivateResult(const QString &identifier, const QStringList &terms, uint timestamp);
    void LaunchSearch(const QStringList &terms, uint timestamp);

private:
    Service &m_service;
};

class KRunner : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

public:
    KRunner(QObject *parent, Service &service);

public slots:
    QList<search::RemoteAction> Actions();
    QList<search::RemoteMatch> Match(const QString &query);
    void Run(const QString &matchId, const QString &actionId);

private:
    Service &m_service;
};

void RegisterTypes();

} // namespace search

Q_DECLARE_METATYPE(search::RemoteMatch)
Q_DECLARE_METATYPE(search::RemoteAction)
