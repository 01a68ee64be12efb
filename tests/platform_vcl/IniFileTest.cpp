#include "Exceptions.h"
#include "IniFiles.h"
#include "Strings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct IniFixture : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath("test.ini");

    QString FileText()
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }
    void WriteText(const QByteArray &bytes)
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
};

TEST_F(IniFixture, RoundTripThroughBothKinds)
{
    {
        TIniFile ini(path);
        ini.WriteString("Fill", "Picture", "89504E47");
        ini.WriteInteger("Fill", "Color", -16777201); // a system colour
        ini.WriteInteger("Fill", "ColorTo", 536870911);
        ini.WriteBool("Fill", "Focus", true);
        ini.WriteFloat("Fill", "Gamma", 2.5);
        ini.WriteString("Other", "Name", QString::fromUtf8("\xE9\x9F\xB3\xE9\x87\x8F"));
    }
    TMemIniFile mem(path);
    EXPECT_EQ(mem.ReadString("fill", "PICTURE", ""), "89504E47");
    EXPECT_EQ(mem.ReadInteger("Fill", "Color", 0), -16777201);
    EXPECT_EQ(mem.ReadInteger("Fill", "ColorTo", 0), 536870911);
    EXPECT_TRUE(mem.ReadBool("Fill", "Focus", false));
    EXPECT_DOUBLE_EQ(mem.ReadFloat("Fill", "Gamma", 0), 2.5);
    EXPECT_EQ(mem.ReadString("Other", "Name", ""), QString::fromUtf8("\xE9\x9F\xB3\xE9\x87\x8F"));
    EXPECT_EQ(mem.ReadString("Fill", "Missing", "dflt"), "dflt");
    EXPECT_EQ(mem.ReadInteger("Nowhere", "Color", 7), 7);

    TStringList keys, sections;
    mem.ReadSection("Fill", &keys);
    EXPECT_EQ(keys.CommaText(), "Picture,Color,ColorTo,Focus,Gamma");
    mem.ReadSections(&sections);
    EXPECT_EQ(sections.CommaText(), "Fill,Other");
    EXPECT_TRUE(mem.SectionExists("OTHER"));
    EXPECT_TRUE(mem.ValueExists("Fill", "gamma"));

    // In-memory writes reach the file only with UpdateFile.
    mem.WriteInteger("Fill", "Color", 255);
    EXPECT_EQ(TIniFile(path).ReadInteger("Fill", "Color", 0), -16777201);
    mem.EraseSection("Other");
    mem.UpdateFile();
    TIniFile again(path);
    EXPECT_EQ(again.ReadInteger("Fill", "Color", 0), 255);
    EXPECT_FALSE(again.SectionExists("Other"));
    again.DeleteKey("Fill", "Gamma");
    EXPECT_FALSE(TMemIniFile(path).ValueExists("Fill", "Gamma"));
}

TEST_F(IniFixture, ReadingIsForgivingAndNothingIsLost)
{
    WriteText("\xEF\xBB\xBF; a comment\r\n"
              "[Fill]\r\n"
              "  Color = 42 \r\n"
              "Hex=$1F\n"
              "CHex=0x20\n"
              "Bad=12abc\n"
              "Quoted=\"  spaced  \"\n"
              "garbage line without equals\n"
              "[Empty]\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Fill", "Color", 0), 42);
    EXPECT_EQ(ini.ReadInteger("Fill", "Hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("Fill", "CHex", 0), 32);
    EXPECT_EQ(ini.ReadInteger("Fill", "Bad", -5), -5);
    EXPECT_EQ(ini.ReadString("Fill", "Quoted", ""), "  spaced  ");
    EXPECT_EQ(ini.ReadFloat("Fill", "Bad", 1.5), 1.5);
    EXPECT_TRUE(ini.SectionExists("Empty"));
    ini.WriteInteger("Fill", "Color", 43);
    QString text = FileText();
    EXPECT_TRUE(text.contains("; a comment"));
    EXPECT_TRUE(text.contains("garbage line without equals"));
    EXPECT_TRUE(text.contains("Color=43"));
    EXPECT_TRUE(text.contains("Quoted=\"  spaced  \"")); // untouched lines stay as they were
    EXPECT_EQ(ini.ReadString("Fill", "Quoted", ""), "  spaced  ");

    // Values that reading would trim or unquote are written so that they come back.
    const QString values[] = {" lead", "trail ", "\"quoted\"", "'single'", "\"", "a \"b\" c", ""};
    for (const QString &v : values) {
        ini.WriteString("Kept", "Value", v);
        EXPECT_EQ(TIniFile(path).ReadString("Kept", "Value", "x"), v) << qPrintable(v);
    }
}

// A text that is exactly one integer in range gives it; anything else gives
// the default, whatever it starts with.
TEST_F(IniFixture, IntegerTexts)
{
    constexpr int kDefault = -77;
    struct Case {
        const char *text;
        int expected;
    } cases[] = {
        {"0", 0},
        {"-0", 0},
        {"+5", 5},
        {"  12  ", 12},
        {"2147483647", 2147483647},
        {"-2147483648", int(0x80000000u)},
        {"4294967295", -1}, // a 32-bit pattern, taken whole
        {"$FF000005", int(0xFF000005u)},
        {"0xffffffff", -1},
        {"0X1f", 31},
        {"-$10", -16},
        {"-0x10", -16},
        {"00000000000000000000042", 42},
        {"4294967296", kDefault},
        {"-2147483649", kDefault},
        {"-9223372036854775808", kDefault},
        {"--9223372036854775808", kDefault},
        {"99999999999999999999999", kDefault},
        {"$100000000", kDefault},
        {"--5", kDefault},
        {"+-5", kDefault},
        {"-$-10", kDefault},
        {"-0x-1F", kDefault},
        {"$-10", kDefault},
        {"0x+1F", kDefault},
        {"- 5", kDefault},
        {"1 2", kDefault},
        {"5.0", kDefault},
        {"1e3", kDefault},
        {"$", kDefault},
        {"0x", kDefault},
        {"-", kDefault},
        {"12abc", kDefault},
        {"\xD9\xA3", kDefault}, // an Arabic-Indic digit
    };
    TMemIniFile ini(path);
    for (const Case &c : cases) {
        ini.WriteString("Numbers", "Value", QString::fromUtf8(c.text));
        EXPECT_EQ(ini.ReadInteger("Numbers", "Value", kDefault), c.expected) << c.text;
        int v = 1234;
        EXPECT_EQ(TryStrToInt(QString::fromUtf8(c.text), v), c.expected != kDefault) << c.text;
    }
}

// A section name is written only when it reads back as written, so that no
// key is lost by a save and a new read.
TEST_F(IniFixture, SectionNamesReadBackOrAreRefused)
{
    struct Case {
        const char *name;
        bool storable;
    } cases[] = {
        {"Fill", true},
        {"Two words", true},
        {"[bracketed", true},
        {";semicolon", true},
        {"a=b", true},
        {"", true},
        {" lead", false},
        {"trail ", false},
        {" both ", false},
        {"\ttab", false},
        {"close]", false},
        {"line\nbreak", false},
        {"cr\r", false},
    };
    for (const Case &c : cases) {
        QFile::remove(path);
        TIniFile ini(path);
        const QString name = QString::fromUtf8(c.name);
        if (!c.storable) {
            EXPECT_THROW(ini.WriteString(name, "Key", "v"), EIniFileException) << c.name;
            EXPECT_FALSE(QFile::exists(path)) << c.name;
            continue;
        }
        ini.WriteString(name, "Key", "v");
        TMemIniFile again(path);
        EXPECT_EQ(again.ReadString(name, "Key", "lost"), "v") << c.name;
        TStringList sections;
        again.ReadSections(&sections);
        EXPECT_EQ(sections.Count(), 1) << c.name;
        EXPECT_EQ(sections.Strings(0), name) << c.name;
    }
}

TEST_F(IniFixture, ValuesThatCannotBeStoredAreRefused)
{
    TIniFile ini(path);
    EXPECT_THROW(ini.WriteString("S", "Key", "two\nlines"), EIniFileException);
    EXPECT_THROW(ini.WriteString("S", "a=b", "x"), EIniFileException);
    EXPECT_THROW(ini.WriteString("S", "", "x"), EIniFileException);
    EXPECT_THROW(ini.WriteString("S]", "k", "x"), EIniFileException);
    EXPECT_FALSE(QFile::exists(path)); // nothing half-written
    TIniFile unwritable(dir.filePath("missing-folder/x.ini"));
    EXPECT_THROW(unwritable.WriteString("S", "k", "v"), EIniFileException);
    EXPECT_EQ(unwritable.ReadString("S", "k", "d"), "d");
}

} // namespace
