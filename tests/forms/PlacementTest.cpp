#include "forms/Grid.h"
#include "forms/SvgPicture.h"
#include "forms/TownLabel.h"
#include "forms/frmMain.h"
#include "forms/frmSpecial.h"
#include "platform/doubles/FakeClock.h"
#include "platform/doubles/FakeInputBox.h"
#include "platform/doubles/FakeLinkOpener.h"
#include "platform/doubles/FakeMessageBox.h"
#include "platform/doubles/MemorySettingsStore.h"
#include "platform/doubles/ScriptedModalShower.h"
#include "platform/doubles/ScriptedRandom.h"

#include <QHeaderView>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

// A main window on a game of its own, placed away from the corner of the screen.
class PlacementTest : public ::testing::Test {
protected:
    PlacementTest() {
        window.move(120, 90);
        window.show();
    }

    FakeMessageBox messages;
    FakeInputBox input;
    MemorySettingsStore settings;
    FakeClock clock;
    ScriptedRandom random;
    FakeLinkOpener links;
    ScriptedModalShower modal;
    Platform platform{messages, input, settings, clock, random, links, modal};
    DeclareVars vars;
    frmMain window{vars, platform};
};

// The window takes its place over the main window itself: Qt's own placement guesses the title
// bar's height and misses by 40 pixels on a desktop that draws none.
TEST_F(PlacementTest, SpecialProductsIsPlacedCentredOverTheMainWindowBeforeItShows) {
    frmSpecial dialog(vars, platform, window.lblFavour, window.lblCash, &window);
    EXPECT_TRUE(dialog.testAttribute(Qt::WA_Moved));
    EXPECT_EQ(dialog.geometry().center(), window.geometry().center());
}

// Every column, the last one included, shows whole inside its grid, its header text too.
TEST_F(PlacementTest, GridColumnsShowWholeInsideTheirGrids) {
    for (const Grid* grid : {window.Grid1, window.Grid2}) {
        SCOPED_TRACE(grid->accessibleName().toStdString());
        const int last = grid->columnCount() - 1;
        EXPECT_LE(grid->columnViewportPosition(last) + grid->columnWidth(last),
                  grid->viewport()->width());
        for (int c = 0; c <= last; ++c) {
            const QString header = grid->horizontalHeaderItem(c)->text();
            EXPECT_LT(grid->fontMetrics().horizontalAdvance(header), grid->columnWidth(c));
        }
    }
}

// Each town's houses stand whole on the map, beside the name and on its line.
TEST_F(PlacementTest, EachTownsHousesSitWholeBesideItsName) {
    QSvgRenderer map(QStringLiteral(":/assets/map.svg"));
    const QRectF picture(QPointF(), map.viewBoxF().size());
    ASSERT_EQ(picture.size(), QSizeF(window.Picture1->size()));
    for (const TownLabel* town : window.lblTown) {
        SCOPED_TRACE(town->text().toStdString());
        const QRectF houses = map.boundsOnElement(town->text().toLower());
        const QRect name = town->fontMetrics().boundingRect(
            town->geometry(), Qt::AlignLeft | Qt::AlignVCenter, town->text());
        EXPECT_TRUE(picture.adjusted(1, 1, -1, -1).contains(houses));
        EXPECT_FALSE(houses.intersects(name));
        const double gap = std::max(houses.left() - name.right(), name.left() - houses.right());
        EXPECT_LT(gap, 16);
        EXPECT_LT(std::abs(houses.center().y() - name.center().y()), name.height() / 2.0);
    }
}

} // namespace
} // namespace dunemark
