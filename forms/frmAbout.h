#pragma once

#include "platform/LinkOpener.h"

#include <QDialog>
#include <QPoint>

class QFrame;
class QLabel;
class QTimer;
class QWidget;

namespace dunemark {

// The About window: title, version, a description that scrolls when it is too tall for its box,
// a disclaimer, the links, and a logo that Ctrl and the left button drag about.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(LinkOpener& links, QWidget* parent = nullptr);

    QLabel* imgLogo;
    QLabel* lblTit;
    QLabel* lblVersion;
    QWidget* picCont;
    QLabel* lblComments;
    QLabel* lblDisc;
    QLabel* Label3;
    QLabel* lblCopyright;
    QFrame* Shape1;
    QLabel* lblWeb;
    QLabel* lblEmail;
    QFrame* Line1;
    QTimer* Timer1;
    QTimer* tmrScroll;
    QTimer* tmrHideDisc;

    void Form_Load();
    // Puts a title in lblTit; one wider than the description spans the whole window instead.
    void ShowTitle(const QString& title);
    void imgLogo_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void imgLogo_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void lblWeb_Click();
    void lblEmail_Click();
    void Timer1_Timer();
    void tmrScroll_Timer();
    void tmrHideDisc_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void StartTimers();
    void StopTimers();
    void FitComments();
    // The keyboard on a link: Enter or Space opens it. True when the event is used up.
    bool LinkKeyEvent(QLabel* link, QEvent* event);

    LinkOpener& links_;
    bool DragLogo = false;
    QPoint CursorPos;
    QPoint pointer_; // where the pointer was last seen over the pressed logo, in the window
    // Scrolling goes by half a pixel, finer than a widget can be placed.
    double commentsTop_ = 0;
};

} // namespace dunemark
