// The plot table: rows window and scroll buttons, auto widths, cells,
// divisors that settings can make zero, stream defaults.
#include "Bitmap.h"
#include "ComponentStream.h"
#include "Font.h"
#include "PlotTestPlot.h"
#include "Stream.h"
#include "gPlotTable.h"
#include "gPlotTableButton.h"
#include "gPlotTableColumn.h"

#include <gtest/gtest.h>

namespace {

struct TableFixture : ::testing::Test {
    TTestPlot plot;
    TgPlotTable *table = nullptr;
    TBitmap bitmap{300, 200};
    TCanvas *canvas = bitmap.Canvas();
    void SetUp() override
    {
        table = plot.Make<TgPlotTable>();
        table->DoInsert();
        table->SetDrawRect(TRect(10, 10, 290, 190));
    }
    void Rows(int N)
    {
        for (int i = 0; i < N; ++i)
            table->SetRowText(table->AddRow(), QStringLiteral("r%1\nv%1").arg(i));
    }
};

TEST_F(TableFixture, EmptyTableNeedsNothing)
{
    table->AddColumn(QStringLiteral("A"));
    EXPECT_EQ(table->GetRequiredSpace(canvas), 0);
    bitmap.Canvas()->Brush()->SetColor(clFuchsia);
    bitmap.Canvas()->FillRect(TRect(0, 0, 300, 200));
    table->Draw(canvas, clBlack);
    EXPECT_EQ(canvas->Pixels(50, 50), clFuchsia);
}

TEST_F(TableFixture, RowsMaxWindowAndButtons)
{
    table->AddColumn(QStringLiteral("Name"));
    table->AddColumn(QStringLiteral("Value"));
    Rows(3);
    table->SetRowsMax(2);
    const int wide = table->GetRequiredSpace(canvas);
    EXPECT_TRUE(table->UpButton()->Visible());
    EXPECT_EQ(table->RowDisplayStartIndex(), 0);
    EXPECT_EQ(table->RowDisplayStopIndex(), 1);
    EXPECT_FALSE(table->UpButton()->Enabled());
    EXPECT_TRUE(table->DownButton()->Enabled());
    // The buttons sit right of the grid and widen the table by 22.
    EXPECT_EQ(table->UpButton()->Left(), table->GridRect().Right + 5);
    table->SetRowsMax(0);
    EXPECT_EQ(table->GetRequiredSpace(canvas), wide - 22);
    table->SetRowsMax(2);
    table->GetRequiredSpace(canvas);

    TgPlotTableButton *down = table->DownButton();
    const TPoint c((down->Left() + down->Right()) / 2, (down->Top() + down->Bottom()) / 2);
    ASSERT_EQ(table->GetMouseOverObject(c.X, c.Y), down);
    down->gMouseDown(mbLeft, {}, c.X, c.Y, 0, 0, nullptr);
    down->gMouseUp(mbLeft, {}, c.X, c.Y, 0, 0, false, nullptr);
    table->Draw(canvas, clBlack);
    EXPECT_EQ(table->RowDisplayStartIndex(), 1);
    EXPECT_EQ(table->RowDisplayStopIndex(), 2);
    EXPECT_FALSE(table->DownButton()->Enabled());
    EXPECT_TRUE(table->UpButton()->Enabled());
}

TEST_F(TableFixture, AutoWidthAndMissingCells)
{
    const int c = table->AddColumn(QStringLiteral("Value"));
    table->AddColumn(QStringLiteral("More"));
    table->SetRowText(table->AddRow(), QStringLiteral("only one line"));
    EXPECT_EQ(table->GetCellText(1, 0), QString());
    table->GetRequiredSpace(canvas);
    canvas->Font()->Assign(table->ColumnTitlesFont());
    const int w0 = canvas->TextWidth(QStringLiteral("0"));
    canvas->Font()->Assign(table->DataFont());
    const int cell = canvas->TextWidth(QStringLiteral("only one line"));
    EXPECT_GE(table->Column(c)->WidthPixels, cell + 3 * canvas->TextWidth(QStringLiteral("0")) - 1);
    EXPECT_GE(table->Column(1)->WidthPixels, w0 * 3);
}

TEST_F(TableFixture, RowSpacingThatWouldZeroTheRowHeight)
{
    table->AddColumn(QStringLiteral("A"));
    Rows(5);
    for (double spacing : {0.0, -1.0, -1.5, -3.0}) {
        table->SetRowSpacing(spacing);
        table->Draw(canvas, clBlack);
        EXPECT_GE(table->RowHeight(), 1) << spacing;
    }
}

TEST_F(TableFixture, HiddenTitlesSurviveAStream)
{
    table->SetColumnTitlesVisible(false);
    TMemoryStream stream;
    TWriter writer(&stream);
    writer.WriteProperties(table);
    writer.WriteListEnd();
    stream.SetPosition(0);
    TgPlotTable *back = plot.Make<TgPlotTable>();
    TReader reader(&stream);
    reader.ReadProperties(back);
    EXPECT_FALSE(back->ColumnTitlesVisible());
    delete back;
}

} // namespace
