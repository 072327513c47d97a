// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "state/ProgramState.h"

namespace state {

namespace {

constexpr const char *kCalculatorFile = "VELDRA.EXE";

} // namespace

ProgramState::ProgramState(std::filesystem::path dataDir, std::filesystem::path programDir, QString helpFile)
    : m_dataDir(std::move(dataDir))
    , m_programDir(std::move(programDir))
    , m_helpFile(std::move(helpFile))
    , m_cat(core::BuildCatalogue(m_tppx, m_tppy, m_user))
{ }

void ProgramState::setTwipsPerPixel(std::int16_t x, std::int16_t y)
{
    m_tppx = x;
    m_tppy = y;
    m_cat = core::BuildCatalogue(m_tppx, m_tppy, m_user);
}

LoadReport ProgramState::load()
{
    LoadReport report;
    report.defaultsLoaded = store::CfgRead(m_dataDir, m_settings) == store::CfgReadResult::Defaults;
    if (m_settings.pnSelUnitGrp < 0 || m_settings.pnSelUnitGrp >= core::kGroupSlots)
        m_settings.pnSelUnitGrp = 0;
    m_user = core::UserTables {}; // a reload reads the file afresh
    report.customFileFailed = store::DatRead(m_dataDir, m_user) == store::DatReadResult::OpenFailed;
    m_cat = core::BuildCatalogue(m_tppx, m_tppy, m_user);
    return report;
}

void ProgramState::settleFormat()
{
    if (m_settings.pnFormFlag != 0 && m_settings.pnFormFlag != 1)
        setFormat(0);
}

namespace {

// Sets `field` and tells whether it changed.
bool Change(std::int16_t &field, std::int16_t value)
{
    const bool changed = field != value;
    field = value;
    return changed;
}

} // namespace

void ProgramState::setGroup(std::int16_t group, std::int16_t unitItem)
{
    const bool a = Change(m_settings.pnSelUnitGrp, group);
    if (Change(m_settings.pnSelUnitItem, unitItem) || a)
        emit settingsChanged();
}

void ProgramState::setFigures(std::int16_t figures)
{
    if (Change(m_settings.pnFigure, figures))
        emit settingsChanged();
}

void ProgramState::setFormat(std::int16_t format)
{
    if (Change(m_settings.pnFormFlag, format))
        emit settingsChanged();
}

void ProgramState::setShowTop(bool on)
{
    if (Change(m_settings.pnShowTop, on ? 1 : 0))
        emit settingsChanged();
}

TwipsCorner ProgramState::corner(Placed which) const
{
    if (which == Placed::Main)
        return { m_settings.pnFrmConvLeft, m_settings.pnFrmConvTop };
    return { m_settings.pnFrmConstLeft, m_settings.pnFrmConstTop };
}

void ProgramState::setCorner(Placed which, TwipsCorner corner)
{
    const bool main = which == Placed::Main;
    const bool a = Change(main ? m_settings.pnFrmConvLeft : m_settings.pnFrmConstLeft, corner.left);
    if (Change(main ? m_settings.pnFrmConvTop : m_settings.pnFrmConstTop, corner.top) || a)
        emit settingsChanged();
}

void ProgramState::setWarpIndex(std::int16_t index)
{
    m_warpIndex = index;
}

void ProgramState::failed(std::string_view fileName)
{
    emit saveFailed(QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
}

void ProgramState::saveSettings()
{
    if (store::CfgSave(m_dataDir, m_settings) == store::SaveResult::Failed)
        failed(store::kCfgFileName);
}

void ProgramState::replaceCustomTables(const core::UserTables &tables)
{
    m_user = tables;
    core::BuildCustomGroups(m_cat, m_user);
    emit customGroupsChanged();
    if (store::DatSave(m_dataDir, m_user) == store::SaveResult::Failed)
        failed(store::kDatFileName);
}

core::ConvertResult ProgramState::convert(std::int16_t from, std::int16_t into, const std::string &text) const
{
    core::ConvertInput in;
    in.group = m_settings.pnSelUnitGrp;
    in.from = from;
    in.into = into;
    in.text = text;
    in.pnFigure = m_settings.pnFigure;
    in.pnFormFlag = m_settings.pnFormFlag;
    in.WarpIndex = m_warpIndex;
    return core::Convert(m_cat, in);
}

QString ProgramState::calculatorProgram() const
{
    return QString::fromStdString((m_programDir / kCalculatorFile).string());
}

} // namespace state
