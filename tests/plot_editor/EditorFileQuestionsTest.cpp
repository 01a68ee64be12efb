// The editor's open and save pickers and the file questions behind them, as
// their user meets them: the picker clicked on a shown form, the question
// answered by a script in place of the dialog window.
#include "EditorFormHost.h"
#include "FileDialogs.h"
#include "Strings.h"
#include "gComponentEditorOpenPicker.h"
#include "gComponentEditorSavePicker.h"
#include "gOpenDialog.h"
#include "gSaveDialog.h"

#include <gtest/gtest.h>

namespace {

struct FileQuestions : ::testing::Test {
    EditorFormHost host;
    int changes = 0;
    // What the question was asked with, as the script saw it.
    QStringList offered;
    int offeredIndex = 0;
    QString offeredName, offeredFolder;
    void Answer(const QString &Name, int FilterIndex = 0, const QStringList &Files = {})
    {
        TFileDialog::Runner = [=](TFileDialog &q) {
            offered = q.Filters();
            offeredIndex = q.FilterIndex;
            offeredName = q.FileName;
            offeredFolder = q.InitialDir;
            if (FilterIndex > 0)
                q.FilterIndex = FilterIndex;
            q.Files = Files;
            return Name;
        };
    }
    void TearDown() override { TFileDialog::Runner = nullptr; }
    void ClickOn(TWinControl *Picker)
    {
        QTest::mouseClick(Picker->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(Picker->Width() / 2, 10));
    }
};

// The filter of the pickers ("description|pattern|...") as the window lists
// it; "*.*" matches every name there, dotted or not.
TEST_F(FileQuestions, FiltersAreOfferedInTheWindowsForm)
{
    const struct {
        QString filter;
        QStringList shown;
    } rows[] = {
        {"A|*.a|B|*.b", {"A (*.a)", "B (*.b)"}},
        {"Config (*.cfg)|*.cfg|All Files (*.*)|*.*", {"Config (*.cfg)", "All Files (*)"}},
        {"Pictures|*.bmp;*.jpg", {"Pictures (*.bmp *.jpg)"}},
    };
    for (const auto &row : rows) {
        TSaveDialog d;
        d.Filter = row.filter;
        EXPECT_EQ(d.Filters(), row.shown) << row.filter.toStdString();
    }
    TSaveDialog d;
    d.Filter = "A|*.a|B|*.b";
    EXPECT_EQ(d.Filters().join(";;"), "A (*.a);;B (*.b)");
}

// Save: a name keeps its extension only when the chosen filter's pattern
// is that extension; otherwise the filter's extension is added ("*.*" adds
// nothing).
TEST_F(FileQuestions, SaveAddsTheChosenFiltersExtension)
{
    const struct {
        QString typed;
        int filter;
        QString written, returnExt;
    } rows[] = {
        {"/tmp/plot", 1, "/tmp/plot.bmp", ".bmp"},
        {"/tmp/plot.bmp", 1, "/tmp/plot.bmp", ".bmp"},
        {"/tmp/plot.jpg", 1, "/tmp/plot.jpg.bmp", ".bmp"},
        {"/tmp/plot.jpg", 2, "/tmp/plot.jpg", ".jpg"},
        {"/tmp/plot.JPG", 2, "/tmp/plot.JPG", ".jpg"},
        {"/tmp/plot.png", 2, "/tmp/plot.png.jpg", ".jpg"},
        {"/tmp/plot", 3, "/tmp/plot", ".*"},
        {"/tmp/plot.bmp", 3, "/tmp/plot.bmp", ".*"},
    };
    for (const auto &row : rows) {
        TgSaveDialog dialog(&host.form);
        dialog.Filter = "Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|All Files (*.*)|*.*";
        dialog.FileName = "plot";
        Answer(row.typed, row.filter);
        ASSERT_TRUE(dialog.Execute());
        EXPECT_EQ(offeredIndex, 1);
        EXPECT_EQ(dialog.FileName, row.written) << row.typed.toStdString() << " " << row.filter;
        EXPECT_EQ(dialog.FilterIndex, row.filter);
        EXPECT_EQ(dialog.ReturnExt(), row.returnExt);
    }
}

// Linux paths are not cut to a Windows name buffer: a 300-character name is
// asked with and written under as it is.
TEST_F(FileQuestions, LongPathsAreKeptWhole)
{
    QString folder = "/tmp";
    while (folder.size() < 290)
        folder += "/" + QString(40, QChar('d'));
    const QString name = folder.left(291) + "/plot.cfg";
    ASSERT_EQ(name.size(), 300);

    auto *save = host.Add<TgComponentEditorSavePicker>(10, 10, 75, 25);
    save->Filter = "Config (*.cfg)|*.cfg|All Files (*.*)|*.*";
    save->FileName = name;
    Answer(name);
    ClickOn(save);
    EXPECT_EQ(offeredName, name);
    EXPECT_EQ(save->FileName, name);

    auto *open = host.Add<TgComponentEditorOpenPicker>(100, 10, 75, 25);
    open->FileName = name;
    Answer(name);
    ClickOn(open);
    EXPECT_EQ(offeredName, name);
    EXPECT_EQ(open->FileName, name);
    EXPECT_EQ(open->Files()->Get(0), name);
}

TEST_F(FileQuestions, OpenPickerTakesEveryChosenNameAsAnAbsolutePath)
{
    auto *open = host.Add<TgComponentEditorOpenPicker>(10, 10, 75, 25);
    open->OnChange = [this](TObject *) { ++changes; };
    open->AllowMultiSelect = true;
    open->DefaultDir = "/data";
    Answer("/data/a.txt", 0, {"/data/a.txt", "b.txt"});
    ClickOn(open);
    EXPECT_EQ(offeredFolder, "/data");
    ASSERT_EQ(open->Files()->Count(), 2);
    EXPECT_EQ(open->Files()->Get(0), "/data/a.txt");
    EXPECT_EQ(open->Files()->Get(1), "/data/b.txt");
    EXPECT_EQ(open->FileName, "/data/a.txt");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(host.form.userChanges, 1);

    // One file: one entry; cancelled: nothing changes, nothing fires.
    open->AllowMultiSelect = false;
    Answer("/data/c.txt");
    ClickOn(open);
    EXPECT_EQ(open->Files()->Count(), 1);
    EXPECT_EQ(open->FileName, "/data/c.txt");
    Answer(QString());
    ClickOn(open);
    EXPECT_EQ(open->FileName, "/data/c.txt");
    EXPECT_EQ(changes, 2);
}

// A name ending in "/" starts the question on "Untitled" in that folder;
// the save picker starts in DefaultDir until a name was taken.
TEST_F(FileQuestions, PickersStartOnUntitledInAFolderAndInTheirDefaultFolder)
{
    auto *save = host.Add<TgComponentEditorSavePicker>(10, 10, 75, 25);
    save->OnChange = [this](TObject *) { ++changes; };
    save->FileName = "/data/logs/";
    save->DefaultDir = "/data";
    Answer(QString());
    ClickOn(save);
    EXPECT_EQ(offeredName, "/data/logs/Untitled");
    EXPECT_EQ(offeredFolder, "/data");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(save->FileName, "/data/logs/");

    Answer("/data/logs/run");
    ClickOn(save);
    EXPECT_EQ(save->FileName, "/data/logs/run");
    EXPECT_EQ(changes, 1);
    Answer(QString());
    ClickOn(save);
    EXPECT_EQ(offeredFolder, "");
    EXPECT_EQ(offeredName, "/data/logs/run");
}

// Without a form among its owners a question is not asked.
TEST_F(FileQuestions, NothingIsAskedWithoutAWindow)
{
    bool asked = false;
    TFileDialog::Runner = [&](TFileDialog &) {
        asked = true;
        return QString("/tmp/x");
    };
    TgSaveDialog save(nullptr);
    TgOpenDialog open(nullptr);
    EXPECT_FALSE(save.Execute());
    EXPECT_FALSE(open.Execute());
    EXPECT_FALSE(asked);
}

} // namespace
