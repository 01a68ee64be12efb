#include "Form.h"
#include "Shape.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>

namespace {

QColor At(const QImage &img, int x, int y) { return QColor(img.pixel(x, y)); }

struct Case {
    TShapeType type;
    bool cornerFilled; // the pixel just inside the top-left corner
    bool sideFilled;   // a pixel at the middle of the left edge, 3 in
};

class ShapeForms : public testing::TestWithParam<Case> {};

// A 60 x 40 shape on a white form: the square and circle forms take the
// shorter side, centred, so the left edge stays empty.
TEST_P(ShapeForms, FillsItsOutlineWithItsBrush)
{
    const Case c = GetParam();
    auto form = std::make_unique<TForm>(nullptr, CreateNew);
    form->SetClientWidth(100);
    form->SetClientHeight(60);
    form->SetColor(clWhite);
    auto *shape = new TShape(form.get());
    shape->SetParent(form.get());
    shape->SetBounds(10, 10, 60, 40);
    shape->Brush()->SetColor(clRed);
    shape->Pen()->SetColor(clBlack);
    shape->SetShape(c.type);
    form->Show();
    const QImage img = form->PaintToImage();
    EXPECT_EQ(At(img, 40, 30), QColor(Qt::red)); // the centre
    EXPECT_EQ(At(img, 11, 11) == QColor(Qt::red), c.cornerFilled);
    EXPECT_EQ(At(img, 13, 30) == QColor(Qt::red), c.sideFilled);
    EXPECT_EQ(At(img, 5, 5), QColor(Qt::white)); // outside
}

INSTANTIATE_TEST_SUITE_P(Shape, ShapeForms,
                         testing::Values(Case{stRectangle, true, true}, Case{stSquare, false, false},
                                         Case{stRoundRect, false, true}, Case{stEllipse, false, true},
                                         Case{stCircle, false, false}));

TEST(Shape, BrushChangeRepaints)
{
    auto form = std::make_unique<TForm>(nullptr, CreateNew);
    form->SetClientWidth(100);
    form->SetClientHeight(60);
    auto *shape = new TShape(form.get());
    shape->SetParent(form.get());
    shape->SetBounds(10, 10, 60, 40);
    shape->Brush()->SetColor(clRed);
    form->Show();
    EXPECT_EQ(At(form->PaintToImage(), 40, 30), QColor(Qt::red));
    shape->Brush()->SetColor(clBlue);
    EXPECT_EQ(At(form->PaintToImage(), 40, 30), QColor(Qt::blue));
}

} // namespace
