#include "screenreader/Accessibility.h"

#include "screenreader/SpokenNews.h"
#include "widgets/NumberEdit.h"
#include "widgets/ScreenReader.h"
#include "widgets/ValueLabel.h"

#include <QAccessibleWidget>

namespace dunemark {

namespace {

// A label is named by its text alone; this one by its caption and its figure.
class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<const ValueLabel*>(widget())->SpokenText();
        return QAccessibleWidget::text(kind);
    }
};

// Qt's own line edit, with its text told as one stretch of formatting from the first character
// to the last. Everything else is Qt's.
class WholeTextAccessible : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    explicit WholeTextAccessible(QAccessibleInterface* qts)
        : qt_(qts)
        , text_(qts->textInterface()) {}

    // The one change: a single stretch, without attributes, over the whole text.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = text_->characterCount();
        return {};
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return qt_->interface_cast(type);
    }

    bool isValid() const override { return qt_->isValid(); }
    QObject* object() const override { return qt_->object(); }
    QWindow* window() const override { return qt_->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        return qt_->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return qt_->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return qt_->childAt(x, y); }
    QAccessibleInterface* parent() const override { return qt_->parent(); }
    QAccessibleInterface* child(int index) const override { return qt_->child(index); }
    int childCount() const override { return qt_->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return qt_->indexOfChild(child);
    }
    QString text(QAccessible::Text kind) const override { return qt_->text(kind); }
    void setText(QAccessible::Text kind, const QString& text) override { qt_->setText(kind, text); }
    QRect rect() const override { return qt_->rect(); }
    QAccessible::Role role() const override { return qt_->role(); }
    QAccessible::State state() const override { return qt_->state(); }

    void selection(int index, int* start, int* end) const override {
        text_->selection(index, start, end);
    }
    int selectionCount() const override { return text_->selectionCount(); }
    void addSelection(int start, int end) override { text_->addSelection(start, end); }
    void removeSelection(int index) override { text_->removeSelection(index); }
    void setSelection(int index, int start, int end) override {
        text_->setSelection(index, start, end);
    }
    int cursorPosition() const override { return text_->cursorPosition(); }
    void setCursorPosition(int position) override { text_->setCursorPosition(position); }
    QString text(int start, int end) const override { return text_->text(start, end); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        return text_->textBeforeOffset(offset, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        return text_->textAfterOffset(offset, type, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        return text_->textAtOffset(offset, type, start, end);
    }
    int characterCount() const override { return text_->characterCount(); }
    QRect characterRect(int offset) const override { return text_->characterRect(offset); }
    int offsetAtPoint(const QPoint& point) const override { return text_->offsetAtPoint(point); }
    void scrollToSubstring(int start, int end) override { text_->scrollToSubstring(start, end); }

private:
    // Qt's interface stays in Qt's cache, which frees it with the box.
    QAccessibleInterface* qt_;
    QAccessibleTextInterface* text_;
};

bool askingQt = false;

QAccessibleInterface* MakeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ValueLabel::staticMetaObject.className()))
        return new ValueLabelAccessible(static_cast<ValueLabel*>(object));
    if (className == QLatin1String(SpokenNews::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    if (className == QLatin1String(NumberEdit::staticMetaObject.className()) && !askingQt) {
        // Qt's interface for the line edit, found as if this factory were not there.
        askingQt = true;
        QAccessibleInterface* qts = QAccessible::queryAccessibleInterface(object);
        askingQt = false;
        return qts && qts->textInterface() ? new WholeTextAccessible(qts) : nullptr;
    }
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(MakeAccessible);
        ScreenReaderOn(); // from now on, a reader that comes or goes is known
        return true;
    }();
}

} // namespace dunemark
