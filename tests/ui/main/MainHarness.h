// A converter window on recording fakes, with its two files in a fresh temporary folder.
#pragma once

#include "platform/fake/FakePlatform.h"
#include "store/Store.h"
#include "ui/main/frmConvert.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>

struct MainHarness
{
    platform::fake::FakePlatform fake;
    QTemporaryDir dir;
    std::unique_ptr<ui::frmConvert> w;
    std::filesystem::path dataDir; // the temporary folder unless set

    std::filesystem::path path() const
    {
        return dataDir.empty() ? std::filesystem::path(dir.path().toStdString()) : dataDir;
    }
    QString helpFile() const { return dir.filePath(QStringLiteral("Orlohelp.hlp")); }

    // The configuration file with every default, lines replaced by number.
    void writeCfg(const QMap<int, QString> &replaced = {}) const
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
        QStringList lines;
        for (const char *l : defaults)
            lines << QString::fromLatin1(l);
        for (auto it = replaced.begin(); it != replaced.end(); ++it)
            lines[it.key()] = it.value();
        QFile f(dir.filePath(QStringLiteral("ORLOPREF.CFG")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (const QString &l : lines)
            f.write(l.toLatin1() + "\r\n");
    }

    // The custom quantity file with the given group names, each with two units.
    void writeUserGroups(const QMap<int, std::string> &names) const
    {
        core::UserTables t;
        for (auto it = names.begin(); it != names.end(); ++it) {
            const auto g = static_cast<std::size_t>(it.key());
            t.UserGrpName[g] = it.value();
            t.UserUnitName[g][0] = "base";
            t.UserCoefText[g][0] = "1";
            t.UserUnitName[g][1] = "double";
            t.UserCoefText[g][1] = "2";
        }
        QCOMPARE(store::DatSave(path(), t), store::SaveResult::Saved);
    }

    void writeBothFiles(const QMap<int, QString> &cfg = {}) const
    {
        writeCfg(cfg);
        writeUserGroups({});
    }

    ui::frmConvert &start(const std::function<void(ui::frmConvert &)> &beforeLoad = {})
    {
        w = std::make_unique<ui::frmConvert>(fake.platform(), path(), helpFile());
        if (beforeLoad)
            beforeLoad(*w);
        w->Form_Load();
        return *w;
    }

    const ui::frmConvert::Controls &c() const { return w->controls(); }
    const ui::frmConvert::Menus &m() const { return w->menus(); }
};

inline QStringList entries(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

inline int rowOf(const QListWidget *list, const QString &text)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == text)
            return i;
    return -1;
}

// Selects an entry with the mouse, as a user does.
inline void clickRow(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// The group items that carry a check mark, by object name.
inline QStringList checkedGroupItems(const ui::frmConvert::Menus &m)
{
    QStringList out;
    for (const QList<QAction *> *items : { &m.convArray, &m.convOtherArray, &m.userArray, &m.convCompArray })
        for (QAction *a : *items)
            if (a->isChecked())
                out << a->objectName();
    if (m.convDecimal->isChecked())
        out << m.convDecimal->objectName();
    return out;
}

inline QList<int> checkedItems(const QList<QAction *> &items)
{
    QList<int> out;
    for (int i = 0; i < items.size(); ++i)
        if (items[i]->isChecked())
            out << i;
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
