// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The program's state apart from any window: the settings, the custom quantity tables and the
// catalogue built from them, the data and program folders, the help file, the screen's twips per
// pixel. It reads and writes both files; the windows show it and change it through here.
#pragma once

#include "core/mOrlo.h"
#include "store/Store.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace state {

// What loading found that the user must be told.
struct LoadReport
{
    bool defaultsLoaded = false; // the configuration file was missing or unreadable
    bool customFileFailed = false; // the custom quantity file exists but could not be read
};

// The windows whose places the settings keep, and such a place: a frame's corner in twips.
enum class Placed { Main, Constants };
struct TwipsCorner
{
    std::int16_t left = 0;
    std::int16_t top = 0;
};

class ProgramState : public QObject
{
    Q_OBJECT

public:
    ProgramState(std::filesystem::path dataDir, std::filesystem::path programDir, QString helpFile);

    // The screen's twips per pixel; the graphics units of the catalogue are built from them.
    void setTwipsPerPixel(std::int16_t x, std::int16_t y);
    std::int16_t Tppx() const { return m_tppx; }
    std::int16_t Tppy() const { return m_tppy; }

    // Reads both files and builds the catalogue. A group the menus do not have (a hand-edited file)
    // becomes the first one.
    LoadReport load();
    // After the start-up About box: a number format other than Regular or Scientific (the About
    // request among them) converts as Regular.
    void settleFormat();

    // Writes the configuration file. A failed save, here or in replaceCustomTables, is told through
    // saveFailed only.
    void saveSettings();
    // The custom quantity editor's OK: the new tables, the catalogue's custom groups rebuilt from them,
    // the file written.
    void replaceCustomTables(const core::UserTables &tables);

    // The Convert command in the chosen group, with the chosen figures, format and warp factor.
    core::ConvertResult convert(std::int16_t from, std::int16_t into, const std::string &text) const;

    // The settings change here only, each change signalled once (settingsChanged).
    void setGroup(std::int16_t group, std::int16_t unitItem);
    void setFigures(std::int16_t figures);
    void setFormat(std::int16_t format);
    void setShowTop(bool on);
    // The frames' corners, in twips.
    TwipsCorner corner(Placed which) const;
    void setCorner(Placed which, TwipsCorner corner);
    // The warp factor a conversion from Warp takes; not kept in the file.
    void setWarpIndex(std::int16_t index);
    std::int16_t warpIndex() const { return m_warpIndex; }

    // Whether a text can be kept in the custom quantity file.
    static bool Storable(const std::string &text) { return store::IsStorable(text); }

    const store::Settings &settings() const { return m_settings; }
    const core::UserTables &userTables() const { return m_user; }
    const core::Catalogue &catalogue() const { return m_cat; }

    const std::filesystem::path &dataDir() const { return m_dataDir; }
    const std::filesystem::path &programDir() const { return m_programDir; }
    const QString &helpFile() const { return m_helpFile; }
    // The companion calculator, started from the program's folder.
    QString calculatorProgram() const;

signals:
    // A setting changed: the menus' checks, the caption and the lists follow.
    void settingsChanged();
    // The custom groups were replaced: their menu and any list showing one must follow.
    void customGroupsChanged();
    // A file could not be written; the main window tells the user.
    void saveFailed(const QString &fileName);

private:
    void failed(std::string_view fileName);

    std::filesystem::path m_dataDir;
    std::filesystem::path m_programDir;
    QString m_helpFile;
    std::int16_t m_tppx = 15;
    std::int16_t m_tppy = 15;
    store::Settings m_settings;
    std::int16_t m_warpIndex = 0;
    core::UserTables m_user;
    core::Catalogue m_cat;
};

} // namespace state
