#pragma once

#include <QWidget>
#include <functional>

class QLabel;

namespace dunemark {

class SvgPicture;

// The introduction: the player's sentence and the bargain with the Pharaoh. Dismissing it runs
// `showMain`, which brings up the main window (creating it, and so a game, at start-up).
class frmStory : public QWidget {
    Q_OBJECT
public:
    explicit frmStory(std::function<void()> showMain, QWidget* parent = nullptr);

    static QString StoryText();

    void Form_Load();
    void Form_Click() { CloseStory(); }
    void Image2_Click() { CloseStory(); }
    void lblStory_Click() { CloseStory(); }

    SvgPicture* Image2;
    QLabel* lblStory;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CloseStory();
    void TakeTheFocus();
    static bool TypesCharacter(const QKeyEvent& event);

    std::function<void()> showMain_;
    bool focusAsked_ = false; // the text drawn once, its taking of the focus is on its way
};

} // namespace dunemark
