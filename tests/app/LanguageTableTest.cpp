#include "LanguageTable.h"

#include <gtest/gtest.h>

namespace {

const LanguageTable &English()
{
    static const LanguageTable table = LanguageTable::FromFile(QStringLiteral(":/lang/English.txt"));
    return table;
}

const LanguageTable &Chinese()
{
    static const LanguageTable table = LanguageTable::FromFile(QStringLiteral(":/lang/ChineseGB.txt"));
    return table;
}

const char *const kMenuComment = "//---------------------- Menu ------------------------";

QStringList KeysOf(const LanguageTable &table)
{
    QStringList keys;
    for (const QString &line : table.Lines())
        if (line.startsWith(QLatin1String("SID_")))
            keys << line;
    return keys;
}

} // namespace

TEST(LanguageTable, LooksUpByTheTablesOwnRule)
{
    struct Row { const char *key; QString english; QString chinese; };
    const Row rows[] = {
        {"SID_EXIT", "Exit", QStringLiteral("退出")},              // first of a duplicated key
        {"sid_exit", "Exit", QStringLiteral("退出")},              // case ignored
        {"SID_NUMBER", "Number :", QStringLiteral("ID 位址:")},    // not the later "  Number"
        {"SID_INPUT_ID", " Input ID Number", QStringLiteral(" 输入 ID 位址")},   // leading blank kept
        {"SID_NAME", "    Name", QStringLiteral("    名称")},
        {"SID_LANGUAGE", QStringLiteral("语言"), "Language"},
        {"SID_CHINESE_SIMPLIFIED", QStringLiteral("中文"), QStringLiteral("中文")},
        {"SID_ENGLISH", "English", "English"},
        {"SID_PARAM_KEY", QStringLiteral("Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )"),
         QStringLiteral("频率 ( ← / → )     频宽(＋/－)     增益 (  ↑ / ↓  )")},
        {"SID_NO_DEVICE", "No Device found.", QStringLiteral("未发现USB硬件，确认进入演示模式。")},
        {"SID_EQ_TYPE8", "Allpass2", QStringLiteral("全通2")},
        {"SID_NOT_A_KEY", kMenuComment, kMenuComment},             // absent: the first line
        {"", kMenuComment, kMenuComment},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(English().Translate(QString::fromUtf8(row.key)), row.english);
        EXPECT_EQ(Chinese().Translate(QString::fromUtf8(row.key)), row.chinese);
    }
}

TEST(LanguageTable, BothTablesHoldTheSameKeysInTheSameOrder)
{
    ASSERT_FALSE(English().Lines().isEmpty());
    EXPECT_EQ(English().Lines().first(), kMenuComment);
    EXPECT_EQ(Chinese().Lines().first(), kMenuComment);
    const QStringList keys = KeysOf(English());
    EXPECT_EQ(keys, KeysOf(Chinese()));
    EXPECT_EQ(English().Lines().size(), Chinese().Lines().size());
    // Every key is followed by a text line, never by another key or the end.
    for (const LanguageTable *table : {&English(), &Chinese()}) {
        const QStringList &lines = table->Lines();
        for (int i = 0; i < lines.size(); ++i) {
            if (!lines[i].startsWith(QLatin1String("SID_")))
                continue;
            ASSERT_LT(i + 1, lines.size()) << lines[i].toStdString();
            EXPECT_FALSE(lines[i + 1].startsWith(QLatin1String("SID_"))) << lines[i].toStdString();
            ++i;
        }
    }
}

TEST(LanguageTable, KeyOnTheLastLineAndUnreadableFilesGiveNothing)
{
    const LanguageTable cut(QStringList{"//head", "SID_A", "a", "SID_B"});
    EXPECT_EQ(cut.Translate("SID_A"), "a");
    EXPECT_EQ(cut.Translate("SID_B"), "");
    EXPECT_EQ(cut.Translate("SID_C"), "//head");
    const LanguageTable none = LanguageTable::FromFile(QStringLiteral(":/lang/NoSuchTable.txt"));
    EXPECT_TRUE(none.Lines().isEmpty());
    EXPECT_EQ(none.Translate("SID_EXIT"), "");
}
