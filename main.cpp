#include "forms/StartUp.h"
#include "platform/ClockSeededRandom.h"
#include "platform/qt/Language.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtInputBox.h"
#include "platform/qt/QtLinkOpener.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtModalShower.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/SystemClock.h"
#include "screenreader/Accessibility.h"
#include "widgets/Assets.h"

#include <QApplication>
#include <QLocale>
#include <random>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dunemark"));
    QApplication::setOrganizationName(QStringLiteral("Dunemark"));
    // Ties the windows to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.example.Dunemark"));
    dunemark::InitAssets();
    dunemark::InstallAccessibility();
    // The desktop's language, or the next in its list that the game speaks, else English.
    dunemark::Language language;
    const QString chosen = dunemark::ChooseLanguage(QLocale::system().uiLanguages());
    language.Install(chosen);
    QLocale::setDefault(
        dunemark::NumberLocale(QLocale::system(), dunemark::NumericLocaleName(), chosen));

    dunemark::QtMessageBox messages;
    dunemark::QtInputBox input;
    dunemark::QtSettingsStore settings;
    dunemark::SystemClock clock;
    std::random_device entropy;
    dunemark::ClockSeededRandom random((static_cast<std::uint64_t>(entropy()) << 32) ^ entropy());
    dunemark::QtLinkOpener links;
    dunemark::QtModalShower modal;
    dunemark::QtClipboard clipboard;
    dunemark::Platform platform{messages, input, settings, clock, random, links, modal, clipboard};

    dunemark::StartUp startUp(platform);
    startUp.Begin();
    return QApplication::exec();
}
