// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "platform/qt/QtHelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

namespace platform::qt {

namespace {

// What the viewer shows instead of the help; the calling command shows no message of its own.
QString missingFileText(const QString &helpFile)
{
    return QStringLiteral("The help file \"%1\" cannot be opened.\n\nIt should be in the program's folder.")
        .arg(QFileInfo(helpFile).absoluteFilePath());
}

} // namespace

QtHelpViewer::QtHelpViewer() = default;

QtHelpViewer::~QtHelpViewer()
{
    delete m_viewer.data();
}

void QtHelpViewer::showContents(QWidget *parent, const QString &helpFile)
{
    open(parent, helpFile, {});
}

void QtHelpViewer::showTopic(QWidget *parent, const QString &helpFile, int topic)
{
    open(parent, helpFile, topicAnchor(topic));
}

QTextBrowser *QtHelpViewer::ensureViewer()
{
    if (!m_viewer) {
        // Parentless: the help stays open beside whichever window asked for it.
        m_viewer = new QTextBrowser;
        m_viewer->setAttribute(Qt::WA_DeleteOnClose, false);
        m_viewer->setWindowTitle(QStringLiteral("Orlo Unit Converter Help"));
        m_viewer->setOpenExternalLinks(true);
        m_viewer->resize(560, 480);
    }
    return m_viewer;
}

void QtHelpViewer::open(QWidget *parent, const QString &helpFile, const QString &anchor)
{
    QTextBrowser *viewer = ensureViewer();
    QFile file(helpFile);
    if (file.open(QIODevice::ReadOnly)) {
        const QFileInfo info(helpFile);
        viewer->setSearchPaths({ info.absolutePath() });
        viewer->document()->setBaseUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
        viewer->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        viewer->setPlainText(missingFileText(helpFile));
    }
    if (!viewer->isVisible() && parent)
        viewer->move(parent->frameGeometry().topLeft() + QPoint(40, 40));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();

    // Scroll once the document is laid out at the window's width.
    QPointer<QTextBrowser> guard(viewer);
    auto scroll = [guard, anchor] {
        if (!guard)
            return;
        if (anchor.isEmpty())
            guard->verticalScrollBar()->setValue(0);
        else
            guard->scrollToAnchor(anchor);
    };
    scroll();
    QTimer::singleShot(0, viewer, scroll);
}

} // namespace platform::qt
