// Replays the committed hostile files through both readers: whatever a file holds, the readers give
// settings and tables that save and load back unchanged.
#include "store/Store.h"
#include "tests/store/StoreTestUtil.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace storetest;

TEST(Corpus, EveryFileGivesUsableSettingsAndTables)
{
    int files = 0;
    for (const auto &entry : fs::directory_iterator(DataFile("corpus"))) {
        SCOPED_TRACE(entry.path().filename().string());
        ++files;
        TempDir dir;
        fs::copy_file(entry.path(), dir / store::kCfgFileName);
        fs::copy_file(entry.path(), dir / store::kDatFileName);
        const std::string bytes = ReadBytes(entry.path());

        store::Settings s, fromBytes, again;
        const auto result = store::CfgRead(dir.path(), s);
        EXPECT_EQ(store::CfgParse(bytes, fromBytes), result);
        EXPECT_EQ(fromBytes, s);
        if (result == store::CfgReadResult::Defaults) {
            EXPECT_EQ(s, store::Settings {});
        } else {
            EXPECT_TRUE(s.pnSelUnitGrp >= 0 && s.pnSelUnitGrp <= 52 && s.pnFigure != 1);
            store::Settings saved = s;
            ASSERT_EQ(store::CfgSave(dir.path(), saved), store::SaveResult::Saved);
            ASSERT_EQ(store::CfgRead(dir.path(), again), store::CfgReadResult::Loaded);
            EXPECT_EQ(again, s);
        }

        core::UserTables t = FilledTables(), fromDat, reloaded;
        ASSERT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::Loaded);
        store::DatParse(bytes, fromDat);
        EXPECT_EQ(Texts(fromDat), Texts(t));
        for (int g = 0; g < core::pnUserGrpCount; ++g) {
            EXPECT_EQ(store::GetCfgValue("=" + t.UserGrpName[g]), t.UserGrpName[g]) << "name not trimmed";
            for (int u = 0; u < core::kUserUnitsUsed; ++u)
                EXPECT_EQ(store::GetCfgValue("=" + t.UserUnitName[g][u]), t.UserUnitName[g][u])
                    << "label not trimmed";
        }
        ASSERT_EQ(store::DatSave(dir.path(), t), store::SaveResult::Saved);
        ASSERT_EQ(store::DatRead(dir.path(), reloaded), store::DatReadResult::Loaded);
        EXPECT_EQ(Texts(reloaded), Texts(t));
    }
    EXPECT_GE(files, 20);
}

} // namespace
