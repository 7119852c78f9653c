#include "forms/frmHighScores.h"

#include "forms/Look.h"
#include "forms/RenderSvg.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace dunemark {

namespace {

const QSize ClientSize{330, 300};
constexpr int FirstRowTop = 40;
constexpr int RowHeight = 19;
constexpr int RowGap = 2;
constexpr int NumLeft = 24;
constexpr int NameLeft = 56;
constexpr int DateLeft = 168;
constexpr int TimeLeft = 240;
constexpr int ColumnGap = 4;

int Shade(int row) {
    return 255 - 15 * row;
}

// The width a label of the table has before the next column (or the window's edge).
int Room(const QLabel* label) {
    for (const int next : {NameLeft, DateLeft, TimeLeft, ClientSize.width()}) {
        if (next > label->x())
            return next - label->x() - ColumnGap;
    }
    return 0;
}

// A label of the table, sized to its text on one row's height. A text too long for its column
// (a name can be anything the player typed) is shown on one line up to an ellipsis, and whole
// in the label's tool tip, instead of running over the next column.
void SetRowText(QLabel* label, const QString& text) {
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const int room = Room(label);
    const QString shown = label->fontMetrics().elidedText(line, Qt::ElideRight, room);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
    label->resize(std::min(label->sizeHint().width(), room), label->height());
}

QLabel* FirstRowLabel(QWidget* parent, int left, const QString& text) {
    auto* label = new QLabel(parent);
    label->setFont(Arial(12, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(left, FirstRowTop, 0, RowHeight);
    SetRowText(label, text);
    return label;
}

// The label of the next row: like the one above it, one row lower.
QLabel* NextRowLabel(const QLabel* above) {
    auto* label = new QLabel(above->parentWidget());
    label->setFont(above->font());
    label->setAlignment(above->alignment());
    label->setGeometry(above->x(), above->y() + above->height() + RowGap, above->width(),
                       above->height());
    label->show();
    label->raise();
    return label;
}

} // namespace

QColor frmHighScores::HighNumColour(int row) {
    return {100, Shade(row), 0};
}

QColor frmHighScores::HighNameColour(int row) {
    return {Shade(row), Shade(row), 0};
}

QColor frmHighScores::HighDateColour(int row) {
    return {100, 100, Shade(row)};
}

QColor frmHighScores::HighTimeColour(int row) {
    return {Shade(row), Shade(row), Shade(row)};
}

frmHighScores::frmHighScores(DeclareVars& vars, Platform& platform, QWidget* parent)
    : QDialog(parent)
    , vars_(vars)
    , platform_(platform)
    , table_(platform.settings, platform.clock) {
    setWindowTitle(QStringLiteral("Highscores"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientSize);

    imgHighScores = new QLabel(this);
    imgHighScores->setGeometry(QRect(QPoint(0, 0), ClientSize));
    imgHighScores->setScaledContents(true);
    const QPixmap background =
        RenderSvg(QStringLiteral(":/assets/highscores.svg"), ClientSize, colours::Black);
    if (background.isNull())
        SetColours(imgHighScores, colours::White, colours::Black);
    else
        imgHighScores->setPixmap(background);

    Label1 = new QLabel(QStringLiteral("HIGHSCORES"), this);
    QFont titleFont = ArialBlack(15.75);
    titleFont.setBold(true);
    titleFont.setUnderline(true);
    Label1->setFont(titleFont);
    Label1->setGeometry(88, 0, 168, 30);
    SetColours(Label1, colours::Red);

    lblHighNum[0] = FirstRowLabel(this, NumLeft, QStringLiteral("1."));
    lblHighName[0] = FirstRowLabel(this, NameLeft, QString());
    lblHighDate[0] = FirstRowLabel(this, DateLeft, QString());
    lblHighTime[0] = FirstRowLabel(this, TimeLeft, QString());

    cmdHideScores = new QPushButton(QStringLiteral("Close"), this);
    cmdHideScores->setGeometry(112, 264, 105, 25);
    cmdHideScores->setFont(SansSerif());
    cmdHideScores->setDefault(true);
    connect(cmdHideScores, &QPushButton::clicked, this, [this] { cmdHideScores_Click(); });

    Form_Load();
}

void frmHighScores::Form_Load() {
    ColourRow(0);

    for (int r = 1; r < HighScorePlaces; ++r) {
        lblHighNum[r] = NextRowLabel(lblHighNum[r - 1]);
        lblHighName[r] = NextRowLabel(lblHighName[r - 1]);
        lblHighDate[r] = NextRowLabel(lblHighDate[r - 1]);
        lblHighTime[r] = NextRowLabel(lblHighTime[r - 1]);
        ColourRow(r);
        SetRowText(lblHighNum[r], QString::number(r + 1) + QStringLiteral(". "));
    }

    table_.LoadHighScores();
    ShowScores();

    table_.AddHighScore(vars_.FinalScore, [this] {
        return platform_.input.Ask("Whats your name?", "You've got a highscore");
    });
    ShowScores();
}

void frmHighScores::ColourRow(int r) {
    SetColours(lblHighNum[r], HighNumColour(r));
    SetColours(lblHighName[r], HighNameColour(r));
    SetColours(lblHighDate[r], HighDateColour(r));
    SetColours(lblHighTime[r], HighTimeColour(r));
}

void frmHighScores::ShowScores() {
    for (int k = 0; k < HighScorePlaces; ++k) {
        const HighScoreEntry& entry = table_.Entries()[k];
        SetRowText(lblHighName[k], QString::fromStdString(entry.Name));
        SetRowText(lblHighDate[k], QString::fromStdString(entry.Date));
        SetRowText(lblHighTime[k], Money(entry.Total));
    }
}

void frmHighScores::cmdHideScores_Click() {
    close();
}

} // namespace dunemark
