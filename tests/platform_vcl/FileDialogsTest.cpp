#include "FileDialogs.h"

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

} // namespace
