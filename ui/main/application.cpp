#include "application.h"

#include "platform/program_folder.h"
#include "text/language.h"
#include "text/program_text.h"
#include "varnex/version.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

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

// The bytes of the program's translation file `path`, when they match the SHA-256 the build
// wrote beside it (`path`.sha256): Qt's loader trusts a .qm file, and a damaged one can crash
// it. A missing file gives nothing; a damaged one (or one without its checksum) gives nothing
// and a line on standard error.
QByteArray checkedTranslation(const QString& path) {
    QFile file(path);
    if (!file.exists()) return {};
    QFile sum(path + ".sha256");
    constexpr qint64 kLargest = 16 << 20;  // bytes; ours is about 10 KB
    const QByteArray data = file.open(QIODevice::ReadOnly) && file.size() <= kLargest ? file.readAll() : QByteArray();
    const QByteArray expected = sum.open(QIODevice::ReadOnly) ? sum.read(64) : QByteArray();
    if (!data.isEmpty() && expected.size() == 64 &&
        QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex() == expected.toLower())
        return data;
    std::fprintf(stderr, "varnex: %s is damaged (it does not match its checksum %s.sha256); its texts stay English\n",
                 qPrintable(path), qPrintable(QFileInfo(path).fileName()));
    return {};
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
    intLanguage = intEnglish;
    QCoreApplication::removeTranslator(&programTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());
    if (language == intEnglish) return;
    const QString code = QString::fromUtf8(languageCode(language).data(), static_cast<qsizetype>(languageCode(language).size()));
    const QString folder = QString::fromStdString(platform::programFolder()) + "/translations";
    static QByteArray translation;  // the translator reads it for as long as it is installed
    translation = checkedTranslation(folder + "/varnex_" + code + ".qm");
    // Without its translation the window stays English throughout: its captions, the program
    // text and the texts the core builds, which it is handed intLanguage for.
    if (translation.isEmpty() ||
        !programTranslator().load(reinterpret_cast<const uchar*>(translation.constData()), int(translation.size()), folder))
        return;
    intLanguage = language;
    QCoreApplication::installTranslator(&programTranslator());
    if (qtTranslator().load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator());
}

}  // namespace varnex
