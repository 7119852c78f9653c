#include "screenreader/SpokenNews.h"

#include "screenreader/Accessibility.h"
#include "widgets/Look.h"

namespace dunemark {

SpokenNews::SpokenNews(QWidget* parent)
    : QWidget(parent) {
    InstallAccessibility();
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
}

void SpokenNews::Tell(const QString& news) {
    // A screen reader hears a notification when it appears: it disappears first.
    hide();
    setAccessibleName(news);
    show();
}

QString SpokenMoney(double value) {
    const QString money = Money(value);
    return money.isEmpty() ? QStringLiteral("0") : money;
}

QString MoneyHeld(const DeclareVars& vars) {
    QString text =
        SpokenNews::tr("Cash %1, debt %2.").arg(SpokenMoney(vars.Cash), SpokenMoney(vars.Debt));
    if (vars.HasPyramidBank != VbFalse)
        text += QLatin1Char(' ') + SpokenNews::tr("Bank %1.").arg(SpokenMoney(vars.BankBalance));
    return text;
}

} // namespace dunemark
