// Replays the committed hostile files through both readers. Whatever a file holds, the readers give
// settings and tables the program can use and save back unchanged.
#include "store/Store.h"
#include "tests/store/StoreTestUtil.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using storetest::ReadBytes;
using storetest::TempDir;

std::vector<fs::path> CorpusFiles()
{
    std::vector<fs::path> files;
    for (const auto &e : fs::directory_iterator(storetest::DataFile("corpus")))
        files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

class Corpus : public testing::TestWithParam<fs::path>
{
};

TEST_P(Corpus, ConfigurationReaderGivesUsableSettings)
{
    TempDir dir;
    fs::copy_file(GetParam(), dir / store::kCfgFileName);
    store::Settings s;
    const auto result = store::CfgRead(dir.path(), s);
    store::Settings fromBytes;
    EXPECT_EQ(store::CfgParse(ReadBytes(GetParam()), fromBytes), result);
    EXPECT_EQ(fromBytes, s);
    if (result == store::CfgReadResult::Defaults) {
        EXPECT_EQ(s, store::Settings {});
        return;
    }
    EXPECT_GE(s.pnSelUnitGrp, 0);
    EXPECT_LE(s.pnSelUnitGrp, 52);
    EXPECT_NE(s.pnFigure, 1);
    store::Settings saved = s;
    ASSERT_EQ(store::CfgSave(dir.path(), saved), store::SaveResult::Saved);
    store::Settings again;
    ASSERT_EQ(store::CfgRead(dir.path(), again), store::CfgReadResult::Loaded);
    EXPECT_EQ(again, s);
}

TEST_P(Corpus, CustomQuantityReaderGivesStorableTables)
{
    TempDir dir;
    fs::copy_file(GetParam(), dir / store::kDatFileName);
    core::UserTables t = storetest::FilledTables();
    ASSERT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::Loaded);
    core::UserTables fromBytes;
    store::DatParse(ReadBytes(GetParam()), fromBytes);
    const auto texts = storetest::TextsInFileOrder(t);
    EXPECT_EQ(storetest::TextsInFileOrder(fromBytes), texts);
    for (int g = 0; g < core::pnUserGrpCount; ++g) {
        EXPECT_EQ(store::GetCfgValue("=" + t.UserGrpName[g]), t.UserGrpName[g]) << "name not trimmed";
        for (int u = 0; u < core::kUserUnitsUsed; ++u)
            EXPECT_EQ(store::GetCfgValue("=" + t.UserUnitName[g][u]), t.UserUnitName[g][u])
                << "label not trimmed";
    }
    ASSERT_EQ(store::DatSave(dir.path(), t), store::SaveResult::Saved);
    core::UserTables again;
    ASSERT_EQ(store::DatRead(dir.path(), again), store::DatReadResult::Loaded);
    EXPECT_EQ(storetest::TextsInFileOrder(again), texts);
}

INSTANTIATE_TEST_SUITE_P(Files, Corpus, testing::ValuesIn(CorpusFiles()), [](const auto &row) {
    std::string name = row.param.filename().string();
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

} // namespace
