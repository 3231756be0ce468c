#include "application.h"

#include "platform/program_folder.h"
#include "text/language.h"
#include "text/program_text.h"
#include "text/translation.h"
#include "varnex/version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace varnex {
namespace {

// The program's translator and Qt's: installed while the language is not English.
QTranslator& programTranslator() {
    static QTranslator translator;
    return translator;
}

QTranslator& qtTranslator() {
    static QTranslator translator;
    return translator;
}

}  // namespace

void configureApplication() {
    QApplication::setStyle("Windows");
    QApplication::setApplicationName("Varnex");
    QApplication::setApplicationVersion(kVersion);
    // Ties the windows to the installed desktop entry (its name, and the icon on Wayland).
    QGuiApplication::setDesktopFileName(kApplicationId);
    applyLanguage(languageOfEnvironment());
}

void applyLanguage(std::int16_t language) {
    intLanguage = language;
    QCoreApplication::removeTranslator(&programTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());
    setTranslator({});
    if (language == intEnglish) return;
    const QString code = QString::fromUtf8(languageCode(language).data(), static_cast<qsizetype>(languageCode(language).size()));
    const QString folder = QString::fromStdString(platform::programFolder()) + "/translations";
    if (programTranslator().load("varnex_" + code, folder)) QCoreApplication::installTranslator(&programTranslator());
    if (qtTranslator().load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator());
    setTranslator([](const char* context, const char* english) {
        return QCoreApplication::translate(context, english).toStdString();
    });
}

}  // namespace varnex
