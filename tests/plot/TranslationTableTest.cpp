#include "ComponentStream.h"
#include "Exceptions.h"
#include "MessageOf.h"
#include "gPlotTranslationManager.h"
#include "Stream.h"
#include "gPlotTranslationObject.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Stands in for the master manager: routes each entry's notices to its
// table and records the table's own announcements.
struct Master {
    TgPlotTranslationManager *table = nullptr;
    std::vector<TObject *> tablesRemoved;
    std::unique_ptr<TgPlotTranslationManager> owned;

    Master()
    {
        owned = std::make_unique<TgPlotTranslationManager>(
            [this](TObject *s) {
                if (auto *t = dynamic_cast<TgPlotTranslationManager *>(s))
                    table = t;
                else
                    table->NotificationInsert(s);
            },
            [this](TObject *s) {
                if (dynamic_cast<TgPlotTranslationManager *>(s))
                    tablesRemoved.push_back(s);
                else
                    table->NotificationRemove(s);
            });
    }

    void Add(const QString &from, const QString &to)
    {
        TgPlotTranslationObject *e = table->GetItem(table->Add());
        e->SetOriginalString(from);
        e->SetReplacementString(to);
    }
    std::vector<std::pair<QString, QString>> Entries() const
    {
        std::vector<std::pair<QString, QString>> out;
        for (int i = 0; i < table->Count(); ++i)
            out.emplace_back(table->GetItem(i)->OriginalString(), table->GetItem(i)->ReplacementString());
        return out;
    }
};

using Entries = std::vector<std::pair<QString, QString>>;

QByteArray ReadBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(TranslationTable, NewestEntryWinsExactMatchOnly)
{
    Master m;
    ASSERT_EQ(m.table, m.owned.get()); // the table announced itself
    EXPECT_EQ(m.table->FindReplacement("Edit..."), "Edit...");

    EXPECT_EQ(m.table->Add(), 0);
    TgPlotTranslationObject *first = m.table->GetItem(0);
    EXPECT_EQ(first->OriginalString(), "Unknown");
    EXPECT_EQ(first->ReplacementString(), "Unknown");
    EXPECT_EQ(m.table->Add(), 0);
    EXPECT_EQ(m.table->Add(), 0);
    EXPECT_EQ(m.table->GetItem(2), first);
    m.table->Clear();

    m.Add("Edit...", "Bearbeiten...");
    m.Add("Edit...", "Ändern...");
    EXPECT_EQ(m.table->FindReplacement("Edit..."), "Ändern...");
    EXPECT_EQ(m.table->FindReplacement("edit..."), "edit...");
    EXPECT_EQ(m.table->FindReplacement("Edit"), "Edit");

    m.table->Delete(0); // the newest goes: the older one shows again
    EXPECT_EQ(m.table->FindReplacement("Edit..."), "Bearbeiten...");
    EXPECT_THROW(m.table->Delete(1), EListError);
    EXPECT_THROW(m.table->GetItem(-1), EListError);
}

TEST(TranslationTable, CallbacksRequiredAndTableAnnouncesItsEnd)
{
    TNotifyEvent none, some = [](TObject *) {};
    EXPECT_EQ(MessageOf([&] { TgPlotTranslationManager t(none, none); }),
              "OnInsert event handler can not be null");
    EXPECT_EQ(MessageOf([&] { TgPlotTranslationManager t(some, none); }),
              "OnRemove event handler can not be null");

    Master m;
    m.Add("A", "1");
    m.Add("B", "2");
    TObject *table = m.table;
    m.owned.reset(); // frees its entries, each telling the table, then itself
    EXPECT_EQ(m.tablesRemoved, std::vector<TObject *>{table});
}

TEST(TranslationTable, FileRoundTripKeepsOrderAndWinner)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("texts.txt");
    Master m;
    m.Add("A", "1");
    m.Add("Legend", "图例");
    m.Add("A", "2");
    m.table->SaveToFile(path);
    // Oldest first, so that reading back (each line in front) restores the order.
    EXPECT_EQ(ReadBytes(path), QByteArray("\xEF\xBB\xBF") + "A\t1\r\n" + QString("Legend\t图例\r\n").toUtf8() +
                                   "A\t2\r\n");

    Master back;
    back.Add("old", "entry");
    back.table->LoadFromFile(path);
    EXPECT_EQ(back.Entries(), m.Entries());
    EXPECT_EQ(back.table->FindReplacement("A"), "2");
    EXPECT_EQ(back.table->FindReplacement("Legend"), "图例");
    EXPECT_EQ(back.table->FindReplacement("old"), "old");

    EXPECT_EQ(MessageOf([&] { m.table->SaveToFile(dir.filePath("missing/dir/x.txt")); })
                  .left(32),
              "Error Saving Translation Data - ");
}

TEST(TranslationTable, FileKeepsEveryText)
{
    const QString bom(QChar(0xFEFF)), high(QChar(0xD800)), low(QChar(0xDC00));
    struct Row {
        const char *name;
        Entries entries; // one entry: oldest first and newest first alike
        QByteArray mark;
    };
    const Row rows[] = {
        {"leading U+FEFF in the source", {{bom + "Legend", bom}}, "\xEF\xBB\xBF"},
        {"U+FEFF alone", {{bom, "x" + bom}}, "\xEF\xBB\xBF"},
        {"unpaired high surrogate", {{"a" + high, high + "b"}}, "\xFF\xFE"},
        {"unpaired low surrogate first", {{low + "a", "b" + low}}, "\xFF\xFE"},
        {"both, with a pair", {{bom + high, QString::fromUtf8("\xF0\x9F\x98\x80") + low}}, "\xFF\xFE"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("texts.txt");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Master m;
        m.Add(row.entries[0].first, row.entries[0].second);
        m.Add("next", "line");
        m.table->SaveToFile(path);
        EXPECT_TRUE(ReadBytes(path).startsWith(row.mark));
        Master back;
        back.table->LoadFromFile(path);
        EXPECT_EQ(back.Entries(), m.Entries());
    }
}

// What the file can hold comes back from it; a line break in a text or a
// TAB in a source text is refused by the save, and the old file stays.
TEST(TranslationTable, FileHoldsWhatItCanAndRefusesTheRest)
{
    const struct {
        const char *name;
        QString source, replacement;
        const char *refused; // the entry as the message shows it; null: held
    } rows[] = {
        {"a TAB in the replacement", "a", "b\tc", nullptr},
        {"empty texts", "", "", nullptr},
        {"a line break in the replacement", "Edit", "Edit\nnow", "Edit"},
        {"a CR in the replacement", "Edit", "Edit\rnow", "Edit"},
        {"a TAB in the source", "a\tb", "c", "a\\tb"},
        {"a line break in the source", "two\nlines", "zwei", "two\\nlines"},
        {"CR LF in the source", "cr\r\nlf", "x", "cr\\r\\nlf"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("texts.txt");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        WriteBytes(path, "old\tfile\r\n");
        Master m;
        m.Add("first", "erste");
        m.Add(row.source, row.replacement);
        m.Add("last", "letzte");
        const QString message = MessageOf([&] { m.table->SaveToFile(path); });
        if (row.refused) {
            EXPECT_EQ(message.toStdString(), QStringLiteral("Error Saving Translation Data - Entry 1 (\"%1\"): the file "
                                                            "cannot hold a line break in a text, nor a TAB in a source "
                                                            "text")
                                                 .arg(QLatin1String(row.refused))
                                                 .toStdString());
            EXPECT_EQ(ReadBytes(path), "old\tfile\r\n");
            continue;
        }
        ASSERT_EQ(message.toStdString(), "(nothing raised)");
        Master back;
        back.table->LoadFromFile(path);
        EXPECT_EQ(back.Entries(), m.Entries());
    }
}

TEST(TranslationTable, FormStreamRoundTripKeepsWinner)
{
    Master m;
    EXPECT_FALSE(m.table->DoWriteToStream());
    m.Add("A", "1");
    m.Add("Legend", "图例");
    m.Add("A", "2");
    ASSERT_TRUE(m.table->DoWriteToStream());
    TMemoryStream stream;
    TWriter writer(&stream);
    m.table->WriteToStream(&writer);

    Master back;
    back.Add("old", "entry");
    stream.Seek(0, soBeginning);
    TReader reader(&stream);
    back.table->ReadFromStream(&reader);
    EXPECT_EQ(back.Entries(), m.Entries());
    EXPECT_EQ(back.table->FindReplacement("A"), "2");
    EXPECT_EQ(stream.Position(), stream.Size()); // the closing list end read too

    // A stream cut short raises and leaves the table as it was.
    TMemoryStream cut(stream.Bytes().left(int(stream.Size()) - 3));
    TReader cutReader(&cut);
    const Entries before = back.Entries();
    EXPECT_THROW(back.table->ReadFromStream(&cutReader), EReadError);
    EXPECT_EQ(back.Entries(), before);
}

TEST(TranslationTable, LoadReadsEncodingsAndLineEnds)
{
    struct Row {
        const char *name;
        QByteArray bytes;
        Entries entries; // table order, newest (last line) first
    };
    const QByteArray utf16le = QByteArray("\xFF\xFE", 2) +
                               QByteArray(reinterpret_cast<const char *>(u"X\t\u56FE\r\n"), 10);
    QByteArray utf16be("\xFE\xFF", 2);
    for (char16_t c : std::u16string(u"Y\ty\u4F8B"))
        utf16be += char(c >> 8), utf16be += char(c & 0xFF);
    const Row rows[] = {
        {"UTF-8 with mark", QByteArray("\xEF\xBB\xBF") + QString("Channel\t通道\r\n").toUtf8(), {{"Channel", "通道"}}},
        {"UTF-8, a second mark is text", "\xEF\xBB\xBF\xEF\xBB\xBFz\t1", {{QChar(0xFEFF) + QString("z"), "1"}}},
        {"UTF-16 LE with mark", utf16le, {{"X", "图"}}},
        {"UTF-16 BE with mark", utf16be, {{"Y", "y例"}}},
        {"8-bit without mark", "Caf\xE9\tcoffee\n", {{"Café", "coffee"}}},
        {"LF, CR and no end", "a\t1\nb\t2\rc\t3", {{"c", "3"}, {"b", "2"}, {"a", "1"}}},
        {"TAB only, further TABs", "\t\r\nk\tv\tw\r\n", {{"k", "v\tw"}, {"", ""}}},
        {"empty file", "", {}},
    };
    QTemporaryDir dir;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath("in.txt");
        WriteBytes(path, row.bytes);
        Master m;
        m.Add("before", "load");
        m.table->LoadFromFile(path);
        EXPECT_EQ(m.Entries(), row.entries);
    }
}

TEST(TranslationTable, BadFileLeavesTableWhole)
{
    struct Row {
        const char *name;
        const char *bytes; // null: no file at all
        QString message;
    };
    const Row rows[] = {
        {"line without TAB", "a\t1\r\nno tab here\r\nb\t2\r\n",
         "Error Loading Data - Line 2: Invalid Format - Tab Deliminator Missing"},
        {"empty line", "a\t1\r\n\r\nb\t2\r\n", "Error Loading Data - Line 2: Invalid Format - Tab Deliminator Missing"},
        {"missing file", nullptr, {}},
    };
    QTemporaryDir dir;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(row.bytes ? "bad.txt" : "absent.txt");
        if (row.bytes)
            WriteBytes(path, row.bytes);
        Master m;
        m.Add("kept", "1");
        m.Add("kept too", "2");
        const Entries before = m.Entries();
        const QString message = MessageOf([&] { m.table->LoadFromFile(path); });
        if (row.message.isEmpty())
            EXPECT_TRUE(message.startsWith("Error Loading Data - ")) << message.toStdString();
        else
            EXPECT_EQ(message, row.message);
        EXPECT_EQ(m.Entries(), before);
    }
}

} // namespace
