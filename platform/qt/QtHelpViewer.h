// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The help file shown in a small viewer window of our own; the file is HTML whatever its name.
#pragma once

#include "platform/Platform.h"

#include <QPointer>
#include <QTextBrowser>

namespace platform::qt {

class QtHelpViewer : public HelpViewer
{
public:
    QtHelpViewer();
    ~QtHelpViewer() override;

    void showContents(QWidget *parent, const QString &helpFile) override;
    void showTopic(QWidget *parent, const QString &helpFile, int topic) override;

    // The one viewer window, null until help was first asked for.
    QTextBrowser *viewer() const { return m_viewer; }

    static QString topicAnchor(int topic) { return QStringLiteral("topic%1").arg(topic); }

private:
    void open(QWidget *parent, const QString &helpFile, const QString &anchor);
    QTextBrowser *ensureViewer();

    QPointer<QTextBrowser> m_viewer;
};

} // namespace platform::qt
