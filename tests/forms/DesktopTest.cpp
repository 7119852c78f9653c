// The game on any desktop: its pictures drawn without Qt's extensions for vector pictures, every
// text as readable on a dark colour scheme as on the light one, the grid that has the keys plain
// to see, and each window the game opens kept with the game's own.
#include "Doubles.h"
#include "forms/frmHowToPlay.h"
#include "platform/qt/QtInputBox.h"

#include <QChartView>
#include <QInputDialog>
#include <map>

using namespace dunemark;

namespace {

// How a text reads against what is drawn behind it, from a picture of its window: the commonest
// colour of its place is the background, and the text the colour that stands farthest from it.
double ShownContrast(const QImage& picture, const QRect& place) {
    std::map<QRgb, int> counts;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x)
            ++counts[picture.pixel(x, y)];
    const QColor background =
        std::ranges::max_element(counts, {}, [](const auto& c) { return c.second; })->first;
    double most = 1;
    for (const auto& [colour, count] : counts)
        most = std::max(most, Contrast(QColor(colour), background));
    return most;
}

// A dark colour scheme as a dark desktop theme gives one.
QPalette DarkPalette() {
    QPalette dark(QColor(0x32, 0x32, 0x32), QColor(0x32, 0x32, 0x32));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    return dark;
}

struct DesktopLook {
    QPalette palette = QApplication::palette();
    ~DesktopLook() { QApplication::setPalette(palette); }
};

} // namespace

TEST(PicturesTest, TheButtonsTheFlagAndTheWindowIconAreDrawnWithoutQtsPictureExtensions) {
    // As on a system without them: there is no folder to find any in.
    const QStringList folders = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({});
    {
        MainWindow game;
        frmMain& w = *game.window;
        const std::pair<const char*, QIcon> icons[] = {
            {"Special", w.cmdSpecial->icon()}, {"Buy", w.cmdBuy->icon()},
            {"Sell", w.cmdSell->icon()},       {"Finances", w.cmdFinances->icon()},
            {"Finish", w.cmdFinish->icon()},   {"window", w.windowIcon()}};
        for (const auto& [name, icon] : icons) {
            // Drawn whole at the screen's density, and greyed for a control that is off.
            const QImage normal = icon.pixmap(QSize(32, 32), 2.0).toImage();
            const QImage off = icon.pixmap(QSize(32, 32), 2.0, QIcon::Disabled).toImage();
            QImage nothing(64, 64, normal.format());
            nothing.fill(Qt::transparent);
            EXPECT_EQ(normal.size(), nothing.size()) << name;
            EXPECT_NE(normal, nothing) << name;
            EXPECT_NE(normal, off) << name;
        }
    }
    QCoreApplication::setLibraryPaths(folders);
}

// Every text of the main window and the ledger, and the burial window's frame, in the light look
// and on a dark desktop; then which grid has the keys, in both.
TEST(DarkDesktopTest, NoTextReadsWorseThanInTheLightLookUnlessItReadsWell) {
    // The measure itself gives the ratios of the web's guidelines.
    EXPECT_NEAR(Contrast(QColor(0, 0, 255), QColor(0x32, 0x32, 0x32)), 1.49, 0.01);
    EXPECT_NEAR(Contrast(Qt::white, Qt::black), 21, 0.01);
    // A colour that does not read is changed no more than it takes to read.
    const QColor blue(0, 0, 255), dark(0x32, 0x32, 0x32);
    EXPECT_NEAR(Contrast(ReadableOn(blue, dark), dark), 4.5, 0.15);
    const DesktopLook desktop;
    std::map<QString, double> lightLook;
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? DarkPalette() : desktop.palette);
        PlatformDoubles doubles;
        DeclareVars vars;
        frmMain window(vars, doubles.platform);
        window.SetLedgerModule(QStringLiteral(DUNEMARK_LEDGER_MODULE));
        window.mnuLedger->trigger();
        for (QWidget* shown : std::initializer_list<QWidget*>{&window, window.LedgerWindow()}) {
            const QImage picture = shown->grab().toImage();
            for (const QLabel* label : shown->findChildren<QLabel*>()) {
                if (label->window() != shown || !label->isVisibleTo(shown) ||
                    label->text().isEmpty())
                    continue;
                const QRect place(label->mapTo(shown, QPoint()), label->size());
                const double contrast = ShownContrast(picture, place);
                if (!dark)
                    EXPECT_GT(lightLook[label->text()] = contrast, 1.1) << "drawn";
                else
                    EXPECT_GE(contrast, std::min(lightLook[label->text()], 4.5) - 0.05)
                        << label->text().toStdString();
            }
        }
        // The charts are as dark as the window round them.
        for (QChartView* chart : window.LedgerWindow()->findChildren<QChartView*>()) {
            const QImage picture = chart->grab().toImage();
            const QColor middle = picture.pixelColor(picture.rect().center());
            EXPECT_EQ(middle.lightnessF() < 0.5, dark);
        }
        // The burial window's frame takes its panels' colour on a dark desktop only.
        frmShowEndTomb tomb(vars, &window);
        EXPECT_EQ(tomb.grab().toImage().pixelColor(1, 1),
                  dark ? QColor(255, 255, 128) : desktop.palette.color(QPalette::Window));

        ASSERT_TRUE(Activate(&window));
        window.Grid1->setFocus();
        const QImage picture = window.grab().toImage();
        const auto edge = [&](const Grid* grid) {
            return picture.pixelColor(grid->mapTo(&window, QPoint(0, grid->height() / 2)));
        };
        EXPECT_GE(Contrast(edge(window.Grid1), edge(window.Grid2)), 3.0) << "dark " << dark;
    }
}

// Each window the game opens is a child of the game's window, so that a desktop which places
// windows itself keeps them with the game.
TEST_F(MainWindowTest, EveryWindowTheGameOpensBelongsToTheGamesWindow) {
    window->SetLedgerModule(QStringLiteral(DUNEMARK_LEDGER_MODULE));
    for (QAction* opens : {window->mnuStory, window->mnuLedger, window->mnuHowToPlay})
        opens->trigger();
    const auto box = QtMessageBox::Build("Message", "Dunemark", MsgIcon::None, MsgButtons::Ok);
    const auto question = QtInputBox::Build("Question", "Dunemark");
    const QWidget* const opened[] = {window->Story(), window->LedgerWindow(), window->HowToPlay(),
                                     box.get(), question.get()};
    for (const QWidget* each : opened) {
        ASSERT_NE(each, nullptr);
        EXPECT_TRUE(each->isWindow());
        EXPECT_EQ(each->parentWidget(), window.get()) << each->windowTitle().toStdString();
    }
}
