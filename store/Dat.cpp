// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// ORL_USER.DAT: for each of the twenty custom groups a group record and ten unit records, each record
// three texts of an unsigned 16-bit little-endian byte count and that many Windows-1252 bytes.
#include "store/Internal.h"
#include "store/Store.h"

namespace store {
namespace {

constexpr int kRecordsPerGroup = 1 + core::kUserUnitsUsed;
constexpr int kTextCount = core::pnUserGrpCount * kRecordsPerGroup * 3;
constexpr std::size_t kMaxTextBytes = 0xFFFF;
// The longest file the reader can reach; bytes past it are never looked at.
constexpr std::size_t kReadLimit = kTextCount * (2 + kMaxTextBytes);

// Walks the texts in file order. A text that does not lie wholly in the file reads as empty, and so
// does everything after it.
class TextReader
{
public:
    explicit TextReader(std::string_view bytes)
        : m_rest(bytes)
    { }

    std::string_view Next()
    {
        if (m_rest.size() < 2) {
            m_rest = {};
            return {};
        }
        const std::size_t n = static_cast<unsigned char>(m_rest[0])
            | (static_cast<std::size_t>(static_cast<unsigned char>(m_rest[1])) << 8);
        m_rest.remove_prefix(2);
        if (m_rest.size() < n) {
            m_rest = {};
            return {};
        }
        const std::string_view text = m_rest.substr(0, n);
        m_rest.remove_prefix(n);
        return text;
    }

private:
    std::string_view m_rest;
};

std::string Name(std::string_view bytes)
{
    return std::string(detail::Trim(FromCp1252(bytes)));
}

// Appends one text; false when it cannot be stored as it is.
bool AppendText(std::string &out, const std::string &utf8)
{
    if (!IsStorable(utf8))
        return false;
    const std::string bytes = ToCp1252(utf8);
    if (bytes.size() > kMaxTextBytes)
        return false;
    out.push_back(static_cast<char>(bytes.size() & 0xFF));
    out.push_back(static_cast<char>(bytes.size() >> 8));
    out += bytes;
    return true;
}

} // namespace

void DatParse(std::string_view bytes, core::UserTables &t)
{
    TextReader in(bytes);
    for (int g = 0; g < core::pnUserGrpCount; ++g) {
        t.UserGrpName[g] = Name(in.Next());
        // The group record's other two texts repeat the previous group's last unit; nobody needs them.
        in.Next();
        in.Next();
        for (int u = 0; u < core::kUserUnitsUsed; ++u) {
            t.UserUnitName[g][u] = Name(in.Next());
            t.UserCoefText[g][u] = FromCp1252(in.Next());
            t.UserOffsetText[g][u] = FromCp1252(in.Next());
        }
    }
}

DatReadResult DatRead(const std::filesystem::path &dir, core::UserTables &t)
{
    const auto file = detail::ReadPrefix(detail::FileIn(dir, kDatFileName), kReadLimit);
    if (!file)
        return DatReadResult::OpenFailed;
    DatParse(file->bytes, t);
    return DatReadResult::Loaded;
}

std::optional<std::string> DatFormat(const core::UserTables &t)
{
    std::string out;
    // Earlier releases wrote the group record from a record variable that still held the previous
    // unit record, so its second and third texts are the previous group's slot 9 (empty at first).
    const std::string none;
    const std::string *coef = &none;
    const std::string *offset = &none;
    for (int g = 0; g < core::pnUserGrpCount; ++g) {
        if (!AppendText(out, t.UserGrpName[g]) || !AppendText(out, *coef) || !AppendText(out, *offset))
            return std::nullopt;
        for (int u = 0; u < core::kUserUnitsUsed; ++u) {
            if (!AppendText(out, t.UserUnitName[g][u]) || !AppendText(out, t.UserCoefText[g][u])
                || !AppendText(out, t.UserOffsetText[g][u]))
                return std::nullopt;
        }
        coef = &t.UserCoefText[g][core::kUserUnitsUsed - 1];
        offset = &t.UserOffsetText[g][core::kUserUnitsUsed - 1];
    }
    return out;
}

SaveResult DatSave(const std::filesystem::path &dir, const core::UserTables &t)
{
    return DatSave(dir, t, detail::RealSteps());
}

SaveResult DatSave(const std::filesystem::path &dir, const core::UserTables &t, SaveSteps &steps)
{
    const auto bytes = DatFormat(t);
    if (!bytes)
        return SaveResult::Failed;
    return SaveAtomically(detail::FileIn(dir, kDatFileName), *bytes, steps);
}

} // namespace store
