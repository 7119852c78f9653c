#include "widgets/Speech.h"

#include "core/Trade.h"
#include "widgets/Look.h"

#include <QCoreApplication>
#include <QLocale>

namespace dunemark {

QString Say(const Said& said) {
    const std::string pattern(EnglishPattern(said.phrase));
    const QString text = QCoreApplication::translate("Phrase", pattern.c_str());
    if (!text.contains(QLatin1Char('%')))
        return text;
    if (NamesAGood(said.phrase))
        return text.arg(GoodName(said.value));
    // The rules write money with the locale's separator but group every number alike; the
    // windows write it as the rest of their numbers.
    if (NamesMoney(said.phrase))
        return text.arg(Money(ReadMoney(said.value, QLocale().groupSeparator().toStdString())));
    return text.arg(QString::fromStdString(said.value));
}

QString GoodName(const std::string& englishName) {
    return QCoreApplication::translate("Goods", englishName.c_str());
}

std::string QtSpeech::Say(const Said& said) const {
    return dunemark::Say(said).toStdString();
}

} // namespace dunemark
