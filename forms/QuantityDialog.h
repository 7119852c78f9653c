#pragma once

#include <QDialog>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dunemark {

// The small modal dialog in which the player says how many to buy or sell: a question, a
// quantity box that always holds a valid number, a line of information, OK and Cancel.
class QuantityDialog : public QDialog {
    Q_OBJECT
public:
    QGroupBox* Frame1;
    QLabel* Label2;
    QLineEdit* txtQuantity;
    QLabel* lblInfo;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // Closes the dialog; nothing changes. Escape and the close box do the same.
    void cmdCancel_Click();

protected:
    QuantityDialog(const QString& question, QWidget* parent);

    // Puts the proposed quantity in the box, all of it selected so that the first key the
    // player types replaces it.
    void ProposeQuantity(double quantity);

    // Tells a screen reader, with the box, the price of one item.
    void TellPrice(std::int32_t price);

    // Rewrites the box after any change: the number its text begins with, 0 for a negative
    // number, the limit for one whose whole part is above it.
    void KeepQuantityWithin(double limit);

    // The number in the box.
    double Quantity() const;

private:
    void SetRoom(int room);
};

} // namespace dunemark
