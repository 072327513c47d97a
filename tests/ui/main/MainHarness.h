// A converter window on recording fakes, with its two files in a fresh temporary folder.
#pragma once

#include "platform/fake/FakePlatform.h"
#include "store/Store.h"
#include "ui/main/frmConvert.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

using Call = platform::fake::FakeWindowOrder::Call;

inline QStringList entries(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Selects an entry with the mouse, as a user does.
inline void clickRow(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

inline void clickRow(QListWidget *list, const char *entry)
{
    clickRow(list, static_cast<int>(entries(list).indexOf(QString::fromUtf8(entry))));
}

struct MainHarness
{
    platform::fake::FakePlatform fake;
    QTemporaryDir dir;
    std::filesystem::path dataDir { dir.path().toStdString() };
    std::unique_ptr<ui::frmConvert> w;
    // The services the window gets; the fakes unless a test puts real ones in.
    std::optional<platform::Platform> services;

    // The configuration file with every default, lines replaced by number, and a custom quantity
    // file whose named groups have the units "base" and "double".
    void writeFiles(const QMap<int, QString> &cfg = {}, const QMap<int, std::string> &groups = {}) const
    {
        const char *defaults[] = { "[Window]",
            "Top=1350",
            "Left=840",
            "ConstantsTop=1650",
            "ConstantsLeft=2500",
            "Quantity=0",
            "Unit=0",
            "[Option]",
            "ShowTop=0",
            "Figure=6",
            "Form=0",
            "FaceColor=-1",
            "TextColor=-1",
            "TextColor1=-1",
            "TextColor2=-1",
            "TextColor3=-1" };
        QFile f(dir.filePath(QStringLiteral("ORLOPREF.CFG")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (int i = 0; i < 16; ++i)
            f.write(cfg.value(i, QString::fromLatin1(defaults[i])).toLatin1() + "\r\n");
        core::UserTables t;
        for (auto it = groups.begin(); it != groups.end(); ++it) {
            const auto g = static_cast<std::size_t>(it.key());
            t.UserGrpName[g] = it.value();
            t.UserUnitName[g][0] = "base";
            t.UserCoefText[g][0] = "1";
            t.UserUnitName[g][1] = "double";
            t.UserCoefText[g][1] = "2";
        }
        QCOMPARE(store::DatSave(dataDir, t), store::SaveResult::Saved);
    }

    ui::frmConvert &start(const std::function<void(ui::frmConvert &)> &beforeLoad = {})
    {
        w = std::make_unique<ui::frmConvert>(
            services.value_or(fake.platform()), dataDir, dir.filePath(QStringLiteral("Orlohelp.hlp")));
        if (beforeLoad)
            beforeLoad(*w);
        w->Form_Load();
        return *w;
    }

    // Length with "mi: mile" into "m: meter" selected and the window active.
    ui::frmConvert &startMileIntoMetre(const QString &input = {})
    {
        writeFiles();
        start().activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(w.get())); }();
        clickRow(c().lstConvFrom, "mi: mile");
        clickRow(c().lstConvInto, "m: meter");
        QTest::keyClicks(c().txtInput, input);
        return *w;
    }

    const ui::frmConvert::Controls &c() const { return w->controls(); }
    const ui::frmConvert::Menus &m() const { return w->menus(); }
};

// Object names of the checked items; the group items of every family when `items` is empty.
inline QStringList checkedItems(const ui::frmConvert::Menus &m, QList<QAction *> items = {})
{
    if (items.isEmpty())
        items = m.convArray + m.convOtherArray + m.userArray + m.convCompArray
            + QList<QAction *> { m.convDecimal };
    QStringList out;
    for (QAction *a : items)
        if (a->isChecked())
            out << a->objectName();
    return out;
}

// Answers the next pop-up menu from the event loop by choosing `action` with the keyboard.
inline void answerPopup(QAction *action, bool *answered)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action, answered] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
        *answered = true;
        timer->deleteLater();
    });
    timer->start();
}
