// The graph window's frame as the window changes size: the drawing buffers
// follow the drawing area in each direction alone.

#include "interaktion_fixture.h"

namespace {

using RahmenGraphTest = InteraktionTest;

TEST_F(RahmenGraphTest, TheDrawingBuffersFollowTheAreaWhenOnlyOneSideChanges)
{
    Graphik->Gitter = "1b";
    // One unit more of width on the same height: 361 x 301, the new strip
    // on the right painted (the grid line at x = 6.5, column 345).
    Graphik->XMax = 7;
    FreieFlaeche(400, 301);
    ASSERT_EQ(Graphik->PaintBox1->size(), QSize(361, 301));
    EXPECT_EQ(std::tuple(Graphik->Bild.size(), Graphik->Anzeigebild.size(), Graphik->PaintBox1->Front().size()),
              std::tuple(QSize(361, 301), QSize(361, 301), QSize(361, 301)));
    EXPECT_EQ(std::pair(Graphik->BildBreite, Graphik->BildHoehe), std::pair(360, 300));
    EXPECT_EQ(Graphik->PaintBox1->Front().pixelColor(345, 40), QColor(192, 192, 192));
    // And one unit more of height on the same width.
    std::tie(Graphik->XMax, Graphik->YMax) = std::pair(6, 9);
    FreieFlaeche(331, 400);
    ASSERT_EQ(Graphik->PaintBox1->size(), QSize(331, 331));
    EXPECT_EQ(std::tuple(Graphik->Bild.size(), Graphik->Anzeigebild.size(), Graphik->PaintBox1->Front().size()),
              std::tuple(QSize(331, 331), QSize(331, 331), QSize(331, 331)));
    EXPECT_EQ(Graphik->PaintBox1->Front().pixelColor(40, 15), QColor(192, 192, 192));  // y = 8.5 at row 15
    // What the paint box shows is the picture, all of it.
    const QImage gezeigt = Graphik->PaintBox1->grab().toImage();
    EXPECT_EQ(gezeigt.pixelColor(40, 15), QColor(192, 192, 192));
}

}  // namespace
