#pragma once

#include <QKeyEvent>

namespace dunemark {

// The File menu's keys for a market game: the market of the day, and a market by its number.
inline constexpr QKeyCombination MarketOfTheDayKey = Qt::CTRL | Qt::Key_D;
inline constexpr QKeyCombination MarketNumberKey = Qt::CTRL | Qt::Key_M;

// Return, or Enter on the keypad, with no modifier.
inline bool IsPlainEnter(const QKeyEvent* event) {
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A button that Return presses as well as Space. Screen readers call a tool button, and a push
// button outside a dialog, a push button, and Return is the key most people press on one.
template <typename Button> class EnterPressed : public Button {
public:
    using Button::Button;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (IsPlainEnter(event))
            this->click();
        else
            Button::keyPressEvent(event);
    }
};

} // namespace dunemark
