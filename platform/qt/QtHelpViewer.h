// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The help file shown in a small viewer window of our own; the file is HTML whatever its name.
#pragma once

#include "platform/Platform.h"

#include <QLineEdit>
#include <QPointer>
#include <QTextBrowser>
#include <QWidget>

namespace platform::qt {

class QtHelpViewer : public HelpViewer
{
public:
    QtHelpViewer();
    ~QtHelpViewer() override;

    void showContents(QWidget *parent, const QString &helpFile) override;
    void showTopic(QWidget *parent, const QString &helpFile, int topic) override;

    // The text of the one help window, null until help was first asked for.
    QTextBrowser *viewer() const { return m_viewer; }
    // The window around it: the text and a find bar (Ctrl+F) below it.
    QWidget *window() const { return m_window; }
    QLineEdit *findBox() const { return m_find; }

    static QString topicAnchor(int topic) { return QStringLiteral("topic%1").arg(topic); }

private:
    void open(QWidget *parent, const QString &helpFile, const QString &anchor);
    QTextBrowser *ensureViewer();
    void findNext(bool backwards);

    QPointer<QWidget> m_window;
    QPointer<QTextBrowser> m_viewer;
    QPointer<QLineEdit> m_find;
    bool m_showsError = false; // the text says the file is missing, not what the source holds
};

} // namespace platform::qt
