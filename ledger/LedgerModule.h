#pragma once

#include "core/MainTables.h"
#include "core/ProgramVersion.h"
#include "ledger/LedgerBuildId.h"

#include <QtPlugin>

class QDialog;
class QWidget;

namespace dunemark {

// What the ledger's module gives the game. The ledger and its charts live in a module of their
// own, loaded the first time the ledger opens, so that the chart library and all it brings are
// not loaded at every start of a game that may never open it.
class LedgerModule {
public:
    virtual ~LedgerModule() = default;

    // A new ledger over `owner`, showing what `tables` record; it deletes itself when closed.
    virtual QDialog* CreateLedger(const MainTables& tables, QWidget* owner) = 0;

    // Shows `ledger`, made by CreateLedger, as the game now stands.
    virtual void Refresh(QDialog& ledger) = 0;
};

} // namespace dunemark

// The module reads the game's tables directly, so only a module of the same build will do.
#define DUNEMARK_LEDGER_MODULE_IID                                                                 \
    "org.example.Dunemark.LedgerModule/" DUNEMARK_VERSION_TEXT "/" DUNEMARK_LEDGER_BUILD_ID
Q_DECLARE_INTERFACE(dunemark::LedgerModule, DUNEMARK_LEDGER_MODULE_IID)
