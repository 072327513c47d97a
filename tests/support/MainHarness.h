// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// A converter window on recording fakes, with its two files in a fresh temporary folder.
#pragma once

#include "platform/fake/FakePlatform.h"
#include "store/Store.h"
#include "support/QtCaseTable.h"
#include "ui/common/Lists.h"
#include "ui/common/Texts.h"
#include "ui/common/Twips.h"
#include "ui/dialogs/frmConstants.h"
#include "ui/dialogs/frmEquiv.h"
#include "ui/dialogs/frmInfo.h"
#include "ui/main/CommandLabel.h"
#include "ui/main/frmConvert.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

using Call = platform::fake::FakeWindowOrder::Call;

// Selects an entry with the mouse, as a user does.
inline void clickRow(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

inline void clickRow(QListWidget *list, const QString &entry)
{
    clickRow(list, static_cast<int>(ui::EntryTexts(list).indexOf(entry)));
}

// Runs `answer` on the next pop-up menu from the event loop; it must close the menu.
inline void onNextPopup(std::function<void(QMenu *)> answer, bool *seen)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, seen] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            timer->deleteLater();
            *seen = true;
            answer(menu);
        }
    });
    timer->start();
}

inline void choose(QMenu *menu, QAction *action)
{
    menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_Return);
}

struct MainHarness
{
    platform::fake::FakePlatform fake;
    QTemporaryDir dir;
    std::filesystem::path dataDir { dir.path().toStdString() };
    std::filesystem::path programDir = store::MyPath();
    std::unique_ptr<state::ProgramState> state;
    std::unique_ptr<ui::frmConvert> w;
    std::unique_ptr<QTimer> aboutWatch;
    bool waitForIcon = true; // start() returns once the notification icon is there

    // Runs `step` while each About box is up, then closes the box as its OK does.
    void whileAboutBoxUp(std::function<void()> step)
    {
        aboutWatch = std::make_unique<QTimer>();
        aboutWatch->setInterval(5);
        QObject::connect(aboutWatch.get(), &QTimer::timeout, [step] {
            auto *box = qobject_cast<ui::frmInfo *>(QApplication::activeModalWidget());
            if (box && box->isVisible()) {
                step();
                box->close();
            }
        });
        aboutWatch->start();
    }

    // The default configuration with the lines of `cfg` ("Quantity=9") put in place of the lines of
    // their keys, and a custom quantity file whose named groups have the units "base" and "double".
    void writeFiles(const QStringList &cfg = {}, const QMap<int, QString> &groups = {}) const
    {
        QFile in(QStringLiteral(ORLO_TEST_DATA "/defaults.cfg"));
        QFile out(dir.filePath(QStringLiteral("ORLOPREF.CFG")));
        QVERIFY(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
        QList<QByteArray> lines = in.readAll().split('\n');
        for (QByteArray &line : lines)
            for (const QString &s : cfg)
                if (line.startsWith(s.section(QLatin1Char('='), 0, 0).toLatin1() + '='))
                    line = s.toLatin1() + '\r';
        out.write(lines.join('\n'));
        core::UserTables t;
        for (auto it = groups.begin(); it != groups.end(); ++it) {
            const auto g = static_cast<std::size_t>(it.key());
            t.UserGrpName[g] = it.value().toStdString();
            t.UserUnitName[g] = { "base", "double" };
            t.UserCoefText[g] = { "1", "2" };
        }
        QCOMPARE(store::DatSave(dataDir, t), store::SaveResult::Saved);
    }

    ui::frmConvert &start(const std::function<void(ui::frmConvert &)> &beforeLoad = {})
    {
        state = std::make_unique<state::ProgramState>(
            dataDir, programDir, dir.filePath(QStringLiteral("Orlohelp.hlp")));
        w = std::make_unique<ui::frmConvert>(*state, fake.platform());
        if (beforeLoad)
            beforeLoad(*w);
        w->Form_Load();
        // The notification icon comes once the window has painted; most tests start from there.
        if (waitForIcon && w->isVisible())
            [&] { QTRY_VERIFY_WITH_TIMEOUT(fake.tray.shown(), 3000); }();
        return *w;
    }

    ui::frmConvert &open(const QStringList &cfg = {}, const QMap<int, QString> &groups = {})
    {
        writeFiles(cfg, groups);
        return start();
    }

    // Length with "mi: mile" into "m: meter" selected, `input` typed, the window active.
    ui::frmConvert &startMileIntoMetre(const QString &input = {})
    {
        open().activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(w.get())); }();
        clickRow(c().lstConvFrom, QStringLiteral("mi: mile"));
        clickRow(c().lstConvInto, QStringLiteral("m: meter"));
        QTest::keyClicks(c().txtInput, input);
        return *w;
    }

    // The statements the History menu shows (its first item is there, empty, before any).
    int historyShown() const
    {
        const QList<QAction *> &items = m().historyArray;
        return static_cast<int>(std::count_if(items.begin(), items.end(), [](const QAction *a) {
            return a->isVisible() && !a->data().toString().isEmpty();
        }));
    }
    // The secondary window of type `W` that has been opened; null when none was.
    template <class W> W *shown() const
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *window = qobject_cast<W *>(top))
                return window;
        return nullptr;
    }

    const ui::Controls &c() const { return w->controls(); }
    const ui::Menus &m() const { return w->menus(); }
    const ui::Labels &l() const { return w->labels(); }
    // The message boxes shown, each as "icon: title: text", joined by " / ".
    QString messages() const
    {
        const char *icons[] = { "Information", "Exclamation", "Warning", "Critical" };
        QStringList out;
        for (const auto &b : fake.messages.shown)
            out << QStringLiteral("%1:%2: %3").arg(QLatin1String(icons[int(b.icon)]), b.title, b.text);
        return out.join(QStringLiteral(" / "));
    }
    store::Settings saved() const
    {
        store::Settings s;
        [&] { QCOMPARE(store::CfgRead(dataDir, s), store::CfgReadResult::Loaded); }();
        return s;
    }
};

// Object names of the checked items, joined by blanks; the group items of every family when `items`
// is empty.
inline QString checkedItems(const ui::Menus &m, QList<QAction *> items = {})
{
    if (items.isEmpty())
        items = m.convArray + m.convOtherArray + m.userArray + m.convCompArray
            + QList<QAction *> { m.convDecimal };
    QStringList out;
    for (QAction *a : items)
        if (a->isChecked())
            out << a->objectName();
    return out.join(QLatin1Char(' '));
}
