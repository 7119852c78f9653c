#pragma once

#include "forms/QuantityDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace dunemark {

// Pastes through the clipboard, as a player does with Ctrl+V.
inline void Paste(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// Selects the whole text with Ctrl+A and rubs it out.
inline void Erase(QLineEdit* box) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
}

inline void PressOK(QuantityDialog& dialog) {
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
}

inline void PressEnter(QuantityDialog& dialog) {
    QTest::keyClick(dialog.txtQuantity, Qt::Key_Return);
}

// The three ways out that change nothing.
enum class LeaveBy { Escape, Cancel, CloseBox };

inline void Leave(QuantityDialog& dialog, LeaveBy way) {
    switch (way) {
    case LeaveBy::Escape:
        QTest::keyClick(dialog.txtQuantity, Qt::Key_Escape);
        break;
    case LeaveBy::Cancel:
        QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
        break;
    case LeaveBy::CloseBox:
        dialog.close();
        break;
    }
}

} // namespace dunemark
