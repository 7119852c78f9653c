#include "forms/frmHighScores.h"

#include "core/GameServices.h"
#include "forms/ScoreColumns.h"
#include "widgets/FitLabel.h"
#include "widgets/Look.h"
#include "widgets/RenderSvg.h"

#include <QFontMetricsF>
#include <QPushButton>

namespace dunemark {

namespace {

const QSize ClientSize{330, 300};
constexpr int FirstRowTop = 40;
constexpr int RowHeight = 19;
constexpr int RowGap = 2;
// The most of any text that is measured and shown, in a row or its tool tip: more than a
// screen's width holds. The store keeps the text whole.
constexpr int ShownChars = 200;

int Shade(int row) {
    return 255 - 15 * row;
}

// A text as a row shows it: on one line, and at most a screenful of it.
QString Shown(const QString& text) {
    QString line = text.size() > ShownChars ? text.left(ShownChars) + QChar(0x2026) : text;
    return line.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// A text of the player or the store in a label of the table: always plain text, whole when it
// fits the label at the table's face (the label draws it as large as fits), else cut short with
// an ellipsis; then the tool tip shows it as a row can, as plain text too.
void SetRowText(QLabel* label, const QString& text, const QFont& face) {
    const QString shown = Shown(text);
    const QFontMetricsF metrics(face);
    label->setText(metrics.horizontalAdvance(shown) <= label->width()
                       ? shown
                       : metrics.elidedText(shown, Qt::ElideRight, label->width()));
    const QString tip = QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>");
    label->setToolTip(label->text() == text ? QString() : tip.arg(shown.toHtmlEscaped()));
}

QLabel* FirstRowLabel(QWidget* parent, int left, const QString& text) {
    auto* label = new FitLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Arial(12, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(left, FirstRowTop, label->sizeHint().width(), RowHeight);
    return label;
}

// The label of the next row: like the one above it, one row lower.
QLabel* NextRowLabel(const QLabel* above) {
    auto* label = new FitLabel(above->parentWidget());
    label->setTextFormat(above->textFormat());
    label->setFont(above->font());
    label->setAlignment(above->alignment());
    label->setGeometry(above->x(), above->y() + above->height() + RowGap, above->width(),
                       above->height());
    label->show();
    label->raise();
    return label;
}

void Place(QLabel* label, const ScoreColumns::Span& span) {
    label->setGeometry(span.left, label->y(), span.width, label->height());
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
    setWindowTitle(tr("Highscores"));
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

    Label1 = new QLabel(tr("HIGHSCORES"), this);
    QFont titleFont = ArialBlack(15.75);
    titleFont.setBold(true);
    titleFont.setUnderline(true);
    Label1->setFont(titleFont);
    Label1->setGeometry(88, 0, 168, 30);
    SetColours(Label1, colours::Red);

    lblHighNum[0] = FirstRowLabel(this, HighNumLeft, QStringLiteral("1."));
    lblHighName[0] = FirstRowLabel(this, HighNameLeft, QString());
    lblHighDate[0] = FirstRowLabel(this, HighDateLeft, QString());
    lblHighTime[0] = FirstRowLabel(this, HighTimeLeft, QString());

    cmdHideScores = new QPushButton(tr("Close"), this);
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
        lblHighNum[r]->setText(QString::number(r + 1) + QStringLiteral(". "));
        lblHighNum[r]->resize(lblHighNum[r]->sizeHint().width(), RowHeight);
    }

    const SaveResult read = table_.LoadHighScores();
    ShowScores();

    // The place the total earns, if any: the player's entry goes there.
    const std::optional<int> place = table_.FindHighScorePlace(vars_.FinalScore);
    const SaveResult saved = table_.AddHighScore(vars_.FinalScore, [this] {
        return platform_.input.Ask(tr("Whats your name?").toStdString(),
                                   tr("You've got a highscore").toStdString());
    });
    ShowScores();
    if (saved != SaveResult::Saved)
        TellNotSaved(saved);
    else if (read != SaveResult::Saved)
        TellNotRead(read);

    // Every place can be reached with Tab and is read whole by a screen reader; the player's
    // new place, or else the first, has the focus. Enter still closes.
    for (int r = 0; r < HighScorePlaces; ++r) {
        lblHighNum[r]->setFocusPolicy(Qt::StrongFocus);
        if (r > 0)
            setTabOrder(lblHighNum[r - 1], lblHighNum[r]);
    }
    setTabOrder(lblHighNum[HighScorePlaces - 1], cmdHideScores);
    lblHighNum[place && Stored(saved) ? *place : 0]->setFocus();
}

QString frmHighScores::FileBehind(SaveResult why) const {
    return QString::fromStdString(platform_.settings.FileBehind(std::string(AppTitle), why));
}

void frmHighScores::Tell(const QString& text) {
    platform_.messages.Show(text.toStdString(), std::string(AppTitle), MsgIcon::Exclamation,
                            MsgButtons::Ok);
}

// The table shown is not all that is stored: the store was read only in part.
void frmHighScores::TellNotRead(SaveResult why) {
    Tell(why == SaveResult::TooLarge
             ? tr("The highscores file, %1, is too large to read whole: the table shown may be "
                  "missing places.")
                   .arg(FileBehind(why))
             : tr("The highscores file, %1, could not be read.").arg(FileBehind(why)));
}

// The store problem the player hears of when he has an entry: it was not kept, or it was kept
// but may not be on the disk yet.
void frmHighScores::TellNotSaved(SaveResult why) {
    const QString file = FileBehind(why);
    if (why == SaveResult::Unsynced) {
        Tell(tr("Your score is in the table, but the disk may not have it yet: the system could "
                "not confirm that %1 was written.")
                 .arg(file));
        return;
    }
    // Why, by SaveResult in the order of its values, "%1" where it names the file.
    static const char* const failed =
        QT_TR_NOOP("The highscores could not be written: the disk may be full or read-only.");
    static const char* const Reasons[] = {
        failed,
        QT_TR_NOOP("Another Dunemark kept the highscores busy for too long."),
        failed,
        QT_TR_NOOP("The highscores file, %1, is too large to update."),
        QT_TR_NOOP("The highscores file, %1, could not be read."),
        QT_TR_NOOP("Something that is not a lock file stands at %1: remove it, and scores can "
                   "be saved again."),
        QT_TR_NOOP("The lock file %1 cannot be opened: remove it, and scores can be saved again."),
        QT_TR_NOOP("Something stands at %1, where the new highscores file is written before it "
                   "replaces the old one: remove it, and scores can be saved again."),
        QT_TR_NOOP("The highscores file, %1, is read-only."),
        failed};
    static_assert(std::size(Reasons) == static_cast<std::size_t>(SaveResult::Unsynced) + 1);
    QString reason = tr(Reasons[static_cast<int>(why)]);
    if (reason.contains(QLatin1String("%1")))
        reason = reason.arg(file);
    Tell(tr("Your score was not saved. %1 The table is unchanged.").arg(reason));
}

void frmHighScores::ColourRow(int r) {
    SetColours(lblHighNum[r], HighNumColour(r));
    SetColours(lblHighName[r], HighNameColour(r));
    SetColours(lblHighDate[r], HighDateColour(r));
    SetColours(lblHighTime[r], HighTimeColour(r));
}

void frmHighScores::ShowScores() {
    QStringList names, dates, totals;
    for (const HighScoreEntry& entry : table_.Entries()) {
        // A place nobody has won: in English as it is stored, in another language that
        // language's word for nobody and a dash for the date.
        const bool nobodys = entry == DefaultHighScore();
        //: The name in a high-score place that nobody has won yet.
        names << (nobodys ? tr("Nobody") : QString::fromStdString(entry.Name));
        //: The date of a high-score place that nobody has won yet: a dash in every language.
        dates << (nobodys ? tr("00/00/00") : QString::fromStdString(entry.Date));
        totals << Money(entry.Total);
    }
    const auto shown = [](QStringList texts) {
        for (QString& text : texts)
            text = Shown(text);
        return texts;
    };
    const ScoreColumns columns = ArrangeScoreColumns(lblHighName[0]->font(), ClientSize.width(),
                                                     shown(names), shown(dates), totals);
    for (int k = 0; k < HighScorePlaces; ++k) {
        Place(lblHighName[k], columns.name);
        Place(lblHighDate[k], columns.date);
        Place(lblHighTime[k], columns.time);
        SetRowText(lblHighName[k], names[k], columns.face);
        SetRowText(lblHighDate[k], dates[k], columns.face);
        SetRowText(lblHighTime[k], totals[k], columns.face);
        lblHighNum[k]->setAccessibleName(
            tr("%1. %2, %3, %4").arg(k + 1).arg(names[k], dates[k], totals[k]));
    }
}

void frmHighScores::cmdHideScores_Click() {
    close();
}

} // namespace dunemark
