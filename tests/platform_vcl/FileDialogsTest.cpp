#include "FileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct RunnerScope {
    explicit RunnerScope(std::function<QString(const TFileDialog &)> r) { TFileDialog::Runner = std::move(r); }
    ~RunnerScope() { TFileDialog::Runner = nullptr; }
};

TEST(FileDialogs, SaveAddsTheDefaultExtensionOnlyWhereNoneWasTyped)
{
    const struct {
        bool save;
        QString typed, expected;
    } rows[] = {
        {true, "/tmp/show", "/tmp/show.prs"},
        {true, "/tmp/show.prs", "/tmp/show.prs"},
        {true, "/tmp/show.backup", "/tmp/show.backup"},
        {false, "/tmp/show", "/tmp/show"}, // an open question takes the name as it is
    };
    for (const auto &row : rows) {
        RunnerScope runner([&](const TFileDialog &d) {
            EXPECT_EQ(d.IsSave(), row.save);
            EXPECT_EQ(d.Filter, "Preset (*.prs)");
            return row.typed;
        });
        TSaveDialog save;
        TOpenDialog open;
        TFileDialog &d = row.save ? static_cast<TFileDialog &>(save) : open;
        d.Filter = "Preset (*.prs)";
        d.DefaultExt = "prs";
        ASSERT_TRUE(d.Execute());
        EXPECT_EQ(d.FileName, row.expected) << row.typed.toStdString();
    }
}

TEST(FileDialogs, CancelKeepsTheProposedName)
{
    RunnerScope runner([](const TFileDialog &) { return QString(); });
    TSaveDialog d;
    d.FileName = "proposed.prs";
    EXPECT_FALSE(d.Execute());
    EXPECT_EQ(d.FileName, "proposed.prs");
}

TEST(FileDialogs, FiltersInBothFormsAndTheChosenOne)
{
    TSaveDialog d;
    d.Filter = "Bitmap (*.bmp)|*.bmp|Enhanced Metafile (*.emf)|*.emf|Any|*";
    EXPECT_EQ(d.Filters(), QStringList({"Bitmap (*.bmp)", "Enhanced Metafile (*.emf)", "Any (*)"}));
    EXPECT_EQ(d.FilterExtension(1), "bmp");
    EXPECT_EQ(d.FilterExtension(2), "emf");
    EXPECT_EQ(d.FilterExtension(3), "");
    EXPECT_EQ(d.FilterExtension(4), "");
    EXPECT_EQ(d.FilterExtension(0), "");
    d.Filter = "Preset (*.prs);;Unit (*.unt *.bak)";
    EXPECT_EQ(d.Filters(), QStringList({"Preset (*.prs)", "Unit (*.unt *.bak)"}));
    EXPECT_EQ(d.FilterExtension(2), "unt");

    // The service sees the filter offered and may choose another.
    d.FilterIndex = 2;
    TFileDialog::Runner = [](TFileDialog &q) {
        EXPECT_EQ(q.FilterIndex, 2);
        q.FilterIndex = 1;
        return QString("/tmp/a");
    };
    ASSERT_TRUE(d.Execute());
    TFileDialog::Runner = nullptr;
    EXPECT_EQ(d.FilterIndex, 1);
    EXPECT_EQ(d.FileName, "/tmp/a");
}

// The question as its user meets it: Qt's own dialog shown, the folder it
// shows and the name in its name field read, then cancelled.
struct TShown {
    QString folder, name;
};

TShown Shown(TFileDialog &Dialog)
{
    TShown seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *shown = qobject_cast<QFileDialog *>(w);
            if (!shown || !shown->isVisible())
                continue;
            seen.folder = shown->directory().absolutePath();
            if (auto *edit = shown->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                seen.name = edit->text();
            shown->reject();
        }
    });
    poll.start();
    Dialog.Execute();
    return seen;
}

TEST(FileDialogs, QuestionsStartInTheirFolder)
{
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).absoluteFilePath(QStringLiteral("presets"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile(QDir(folder).filePath(QStringLiteral("live.prs"))).open(QIODevice::WriteOnly);
    const struct {
        const char *name;
        bool save;
        QString fileName;
        QString folder, shown; // what the dialog shows
    } rows[] = {
        {"open, no name", false, "", folder, ""},
        {"save, no name", true, "", folder, ""},
        {"open, a name in the folder", false, "live.prs", folder, "live.prs"},
        {"save, a name in the folder", true, "new.prs", folder, "new.prs"},
        {"save, a name elsewhere", true, dir.path() + "/other.prs", QDir(dir.path()).absolutePath(), "other.prs"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TSaveDialog save;
        TOpenDialog open;
        TFileDialog &d = row.save ? static_cast<TFileDialog &>(save) : open;
        d.InitialDir = folder;
        d.FileName = row.fileName;
        const TShown seen = Shown(d);
        EXPECT_EQ(seen.folder.toStdString(), row.folder.toStdString());
        EXPECT_EQ(seen.name.toStdString(), row.shown.toStdString());
    }
}

} // namespace
