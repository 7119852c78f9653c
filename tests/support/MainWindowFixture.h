#pragma once

#include "PlatformDoubles.h"
#include "forms/Grid.h"
#include "forms/TownLabel.h"
#include "forms/frmMain.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace dunemark {

// A main window with a fresh game, on doubles of the platform.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture()
        : window(std::make_unique<frmMain>(vars, doubles.platform)) {
        window->show();
    }

    // Moves back and forth between two towns until the given day has begun.
    void TravelUntilDay(int day) {
        while (window->Tables().CurrentDay < day)
            window->lblTown_Click(vars.CurrentTown == 0 ? 1 : 0);
    }

    static QColor TextColour(const QWidget* widget) {
        return widget->palette().color(QPalette::Active, QPalette::WindowText);
    }

    PlatformDoubles doubles;
    DeclareVars vars;
    std::unique_ptr<frmMain> window;
};

} // namespace dunemark
