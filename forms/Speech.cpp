#include "forms/Speech.h"

#include <QCoreApplication>

namespace dunemark {

QString Say(const Said& said) {
    const std::string pattern(EnglishPattern(said.phrase));
    const QString text = QCoreApplication::translate("Phrase", pattern.c_str());
    if (!text.contains(QLatin1Char('%')))
        return text;
    const QString value =
        NamesAGood(said.phrase) ? GoodName(said.value) : QString::fromStdString(said.value);
    return text.arg(value);
}

QString GoodName(const std::string& englishName) {
    return QCoreApplication::translate("Goods", englishName.c_str());
}

std::string QtSpeech::Say(const Said& said) const {
    return dunemark::Say(said).toStdString();
}

} // namespace dunemark
