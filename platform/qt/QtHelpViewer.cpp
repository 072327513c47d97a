// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "platform/qt/QtHelpViewer.h"

#include "data/Resources.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

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
    delete m_window.data();
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
    if (m_window)
        return m_viewer;
    // Parentless: the help stays open beside whichever window asked for it.
    m_window = new QWidget;
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->setWindowTitle(QStringLiteral("Orlo Unit Converter Help"));
    m_window->setWindowIcon(resources::appIcon(m_window->devicePixelRatioF()));
    m_window->resize(560, 480);
    m_viewer = new QTextBrowser(m_window);
    m_viewer->setOpenExternalLinks(true);

    auto *bar = new QWidget(m_window);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(4, 2, 4, 2);
    m_find = new QLineEdit(bar);
    m_find->setPlaceholderText(QStringLiteral("Find in the help"));
    m_find->setClearButtonEnabled(true);
    auto *next = new QPushButton(QStringLiteral("&Next"), bar);
    auto *previous = new QPushButton(QStringLiteral("&Previous"), bar);
    barLayout->addWidget(new QLabel(QStringLiteral("Find:"), bar));
    barLayout->addWidget(m_find, 1);
    barLayout->addWidget(previous);
    barLayout->addWidget(next);
    bar->hide();
    QObject::connect(m_find, &QLineEdit::returnPressed, m_window, [this] { findNext(false); });
    QObject::connect(next, &QPushButton::clicked, m_window, [this] { findNext(false); });
    QObject::connect(previous, &QPushButton::clicked, m_window, [this] { findNext(true); });

    auto *layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_viewer, 1);
    layout->addWidget(bar);

    // The keys of a help window: Escape closes the find bar, then the window; Ctrl+F finds;
    // Alt+Left and Alt+Right go back and forward through the links followed.
    auto key = [this](const QKeySequence &sequence, auto action) {
        auto *shortcut = new QShortcut(sequence, m_window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, m_window, action);
    };
    key(QKeySequence(Qt::Key_Escape), [this, bar] {
        if (bar->isVisible()) {
            bar->hide();
            m_viewer->setFocus();
        } else {
            m_window->close();
        }
    });
    key(QKeySequence::Find, [this, bar] {
        bar->show();
        m_find->setFocus();
        m_find->selectAll();
    });
    key(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { m_viewer->backward(); });
    key(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { m_viewer->forward(); });
    return m_viewer;
}

// From the cursor on, round to the start once the end is reached.
void QtHelpViewer::findNext(bool backwards)
{
    const QString text = m_find->text();
    if (text.isEmpty())
        return;
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (m_viewer->find(text, flags))
        return;
    QTextCursor wrap = m_viewer->textCursor();
    wrap.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
    m_viewer->setTextCursor(wrap);
    m_viewer->find(text, flags);
}

void QtHelpViewer::open(QWidget *parent, const QString &helpFile, const QString &anchor)
{
    QTextBrowser *viewer = ensureViewer();
    QFile file(helpFile);
    if (file.open(QIODevice::ReadOnly)) {
        // Loaded as its own source, so the links followed inside it make a history to go back in.
        const QUrl url = QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath());
        if (viewer->source().adjusted(QUrl::RemoveFragment) != url)
            viewer->setSource(url, QTextDocument::HtmlResource);
        else if (m_showsError)
            viewer->reload(); // the same source again, which setSource would take as nothing new
        m_showsError = false;
    } else {
        viewer->setPlainText(missingFileText(helpFile));
        m_showsError = true;
    }
    if (!m_window->isVisible() && parent)
        m_window->move(parent->frameGeometry().topLeft() + QPoint(40, 40));
    m_window->show();
    m_window->raise();
    m_window->activateWindow();

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
