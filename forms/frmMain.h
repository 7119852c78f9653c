#pragma once

#include "core/DeclareVars.h"
#include "core/MainTables.h"
#include "platform/Platform.h"

#include <QMainWindow>

namespace dunemark {

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(DeclareVars& vars, Platform& platform, QWidget* parent = nullptr);

private:
    DeclareVars& vars_;
    Platform& platform_;
    MainTables tables_;
};

} // namespace dunemark
