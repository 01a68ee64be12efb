#include "SkRegIniFile.h"
#include "Application.h"
#include "StoreFixture.h"

#include "Stream.h"
#include "Strings.h"

#include <QFile>

namespace {

TEST_F(StoreFixture, EveryValueTypeSurvivesTheFile)
{
    const QDate date(2026, 12, 10);
    const QTime time(15, 31, 27, 250);
    const QDateTime stamp(date, time);
    const QByteArray blob("\x00\x7F\xFF\x10", 4);
    {
        TSkRegIniFile store(nullptr);
        store.SetPath(QStringLiteral("roundtrip"));
        store.WriteBool(QStringLiteral("S"), QStringLiteral("b"), true);
        store.WriteInteger(QStringLiteral("S"), QStringLiteral("i"), -123456);
        store.WriteFloat(QStringLiteral("S"), QStringLiteral("f"), 2.5e-3);
        store.WriteDate(QStringLiteral("S"), QStringLiteral("d"), date);
        store.WriteTime(QStringLiteral("S"), QStringLiteral("t"), time);
        store.WriteDateTime(QStringLiteral("S"), QStringLiteral("dt"), stamp);
        store.WriteString(QStringLiteral("S"), QStringLiteral("s"), QStringLiteral("Gain \u00e4 = 3"));
        TMemoryStream in;
        in.WriteBytes(blob);
        in.SetPosition(0);
        store.WriteBinaryStream(QStringLiteral("S"), QStringLiteral("bin"), &in);
    }
    // A second store reads what the first wrote at once (no explicit flush).
    TSkRegIniFile store(nullptr);
    store.SetPath(QStringLiteral("roundtrip"));
    const QString s = QStringLiteral("S");
    EXPECT_TRUE(store.ReadBool(s, QStringLiteral("b"), false));
    EXPECT_EQ(store.ReadInteger(s, QStringLiteral("i"), 0), -123456);
    EXPECT_DOUBLE_EQ(store.ReadFloat(s, QStringLiteral("f"), 0), 2.5e-3);
    EXPECT_EQ(store.ReadDate(s, QStringLiteral("d"), {}), date);
    EXPECT_EQ(store.ReadTime(s, QStringLiteral("t"), {}), time);
    EXPECT_EQ(store.ReadDateTime(s, QStringLiteral("dt"), {}), stamp);
    EXPECT_EQ(store.ReadString(s, QStringLiteral("s"), {}), QStringLiteral("Gain \u00e4 = 3"));
    TMemoryStream out;
    EXPECT_EQ(store.ReadBinaryStream(s, QStringLiteral("bin"), &out), 4);
    out.SetPosition(0);
    EXPECT_EQ(out.ReadAll(), blob);
    // Missing values and values of the wrong shape give the defaults.
    EXPECT_EQ(store.ReadInteger(s, QStringLiteral("s"), 7), 7);
    EXPECT_EQ(store.ReadDate(s, QStringLiteral("s"), QDate(2000, 1, 1)), QDate(2000, 1, 1));
    TMemoryStream none;
    EXPECT_EQ(store.ReadBinaryStream(s, QStringLiteral("s"), &none), 0);
    EXPECT_TRUE(store.SectionExists(s));
    EXPECT_TRUE(store.ValueExists(s, QStringLiteral("i")));
    store.DeleteKey(s, QStringLiteral("i"));
    EXPECT_FALSE(store.ValueExists(s, QStringLiteral("i")));
    store.EraseSection(s);
    EXPECT_FALSE(store.SectionExists(s));
}

TEST_F(StoreFixture, PathRulesResolveTheFile)
{
    const QString abs = QDir(tmp_.path()).filePath(QStringLiteral("given/place.cfg"));
    QDir().mkpath(QFileInfo(abs).path());
    struct Row {
        const char *name;
        QString path;
        TSkSpecialFolder folder;
        QString expected;
    };
    const Row rows[] = {
        {"empty path: executable's name in the config folder", {}, sfNone,
         QDir(AppConfig()).filePath(ExeBase() + QStringLiteral(".ini"))},
        {"bare name: extension replaced, config folder", QStringLiteral("tables.cfg"), sfNone,
         QDir(AppConfig()).filePath(QStringLiteral("tables.ini"))},
        {"path with a folder is kept", abs, sfNone, abs},
        {"special folder and a sub-folder", QStringLiteral("Vendor/app.dat"), sfUserAppDataRoaming,
         QDir(ConfigHome()).filePath(QStringLiteral("Vendor/app.ini"))},
        {"special folder without a path", {}, sfUserAppDataLocal,
         QDir(QDir(tmp_.path()).filePath(QStringLiteral("XDG_DATA_HOME"))).filePath(ExeBase() + QStringLiteral(".ini"))},
    };
    for (const Row &row : rows) {
        TSkRegIniFile store(nullptr);
        store.SetPath(row.path);
        store.SetSpecialFolder(row.folder);
        store.WriteInteger(QStringLiteral("A"), QStringLiteral("x"), 1);
        EXPECT_EQ(store.Path(), row.expected) << row.name;
        EXPECT_TRUE(QFile::exists(row.expected)) << row.name;
    }
}

TEST_F(StoreFixture, RegistryModeKeysASecondFileByTheKeyPath)
{
    // Without a title the key is named after the executable.
    TSkRegIniFile untitled(nullptr);
    untitled.SetPathType(ptRegistry);
    untitled.ReadInteger(QStringLiteral("Colors"), QStringLiteral("Frame"), 0);
    EXPECT_EQ(untitled.Path(), QStringLiteral("\\Software\\Temp\\") + QFileInfo(ExeBase()).completeBaseName());

    const QString title = QStringLiteral("Band Editor");
    Application->SetTitle(title);
    TSkRegIniFile store(nullptr);
    store.SetPathType(ptRegistry);
    store.WriteInteger(QStringLiteral("Colors"), QStringLiteral("Frame"), 42);
    EXPECT_EQ(store.Path(), QStringLiteral("\\Software\\Temp\\") + title);
    TStringList lines;
    store.ReadSectionValues(QStringLiteral("Colors"), &lines);
    ASSERT_EQ(lines.Count(), 1);
    EXPECT_EQ(lines.Strings(0), QStringLiteral("Frame=42"));
    TStringList sections;
    store.ReadSections(&sections);
    ASSERT_EQ(sections.Count(), 1);
    EXPECT_EQ(sections.Strings(0), QStringLiteral("Colors"));
    // Another root key is another key: it does not see the value.
    store.SetRegKey(hkeyLocalMachine);
    EXPECT_EQ(store.ReadInteger(QStringLiteral("Colors"), QStringLiteral("Frame"), -1), -1);
    QFile file(TSkRegIniFile::RegistryFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("[HKEY_CURRENT_USER\\Software\\Temp\\" + title.toUtf8() + "\\Colors]"));
    EXPECT_EQ(TSkRegIniFile::AccessMask({keyAllAccess}), 0xF003Fu);
    EXPECT_EQ(TSkRegIniFile::AccessMask({keyQueryValue, keySetValue}), 0x3u);
    Application->SetTitle(QString());
}

TEST_F(StoreFixture, StorageReopensOnlyAfterAPropertyChange)
{
    TSkRegIniFile store(nullptr);
    store.SetPath(QStringLiteral("reopen"));
    store.WriteInteger(QStringLiteral("A"), QStringLiteral("x"), 1);
    const QString file = store.Path();
    // Another writer changes the file behind the open store.
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[A]\nx=2\n");
    }
    EXPECT_EQ(store.ReadInteger(QStringLiteral("A"), QStringLiteral("x"), 0), 1) << "kept open";
    store.SetFileEncoding(feUTF8);
    EXPECT_EQ(store.ReadInteger(QStringLiteral("A"), QStringLiteral("x"), 0), 2) << "reopened";
    store.SetFileEncoding(feUTF8); // unchanged: no reopening
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[A]\nx=3\n");
    }
    EXPECT_EQ(store.ReadInteger(QStringLiteral("A"), QStringLiteral("x"), 0), 2);
}

} // namespace
