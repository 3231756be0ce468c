// The window in German, started with a German locale (LANG=de_DE.UTF-8 from ctest): every
// caption, name and message of every window differs from its English text but for the words
// that are the same in both languages, every translation is finished, and every caption fits
// its control at its designed size, measured with the control's own font.
#include "ui_support.h"

#include "platform/program_folder.h"
#include "platform/weblink.h"
#include "ui/main/application.h"
#include "ui/main/frm_all.h"
#include "ui/windows/frm_large_textbox.h"
#include "ui/windows/frm_pop_up.h"
#include "ui/windows/frm_view.h"
#include "varnex/version.h"

#include <QXmlStreamReader>

using namespace varnex;
using namespace varnex::test;

namespace {

// Texts written alike in both languages: names, and the window title "Varnex 5.22".
const QSet<QString> kSameInBoth = {"Imbolc", "Beltane", "Lughnassad", "Samhain", "Ostrel", "Varnex",
                                   QString("Varnex ") + kVersion};
const QSet<int> kProgramTextsSameInBoth = {1, 60, 62, 64, 66};
// Texts of the translation source written alike in both: the wheel's month abbreviations.
const QSet<QString> kSourcesSameInBoth = {"Jan", "Feb", "Apr", "Jun", "Jul", "Aug", "Sep", "Nov", "Reform",
                                          "Naw-R\u00FAz %1 BE", "Naw-R\u00FAz", "in %1", "Winter"};

// The lines of a text (its line ends LF, CR LF or the paragraph separator of a selection).
QStringList linesOf(const QString& text) {
    return QString(text).replace("\r\n", "\n").replace(QChar::ParagraphSeparator, '\n').split('\n');
}

// A caption wider than the room its control gives it, as "name: text (needed > room)".
QString tooWide(const QWidget* w, const QString& text, int room) {
    int widest = 0;
    for (const QString& line : linesOf(text)) widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    return widest > room ? QString("%1: %2 (%3 > %4)").arg(w->objectName(), text).arg(widest).arg(room) : QString();
}

// The room of a control's caption: its contents' width as the style draws it.
QString fitOf(QWidget* w) {
    QStyle* style = w->style();
    const auto element = [&](QStyle::SubElement part) {
        QStyleOptionButton option;
        option.initFrom(w);
        return style->subElementRect(part, &option, w).width();
    };
    if (auto* box = qobject_cast<QCheckBox*>(w)) return tooWide(w, box->text(), element(QStyle::SE_CheckBoxContents));
    if (auto* option = qobject_cast<QRadioButton*>(w))
        return tooWide(w, option->text(), element(QStyle::SE_RadioButtonContents));
    if (auto* button = qobject_cast<QPushButton*>(w))
        return tooWide(w, button->text(),
                       button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w));
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        const QRect label = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, w);
        return tooWide(w, group->title(), group->width() - label.left());
    }
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap())
        return tooWide(w, label->text(), label->contentsRect().width() - 2 * label->margin());
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
        return tooWide(w, items.join('\n'),
                       style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, w).width());
    }
    // The output box's lines; the other text boxes are narrower than their lines in English too.
    if (auto* box = qobject_cast<QPlainTextEdit*>(w); box && box->objectName() == "txbOutput")
        return tooWide(w, box->toPlainText(),
                       box->viewport()->width() - 2 * static_cast<int>(box->document()->documentMargin()));
    return {};
}

}  // namespace

class GermanTest : public QObject, EachTest {
    Q_OBJECT

    // Every text of every window, by window, control and kind; and the messages shown.
    QMap<QString, QString> texts;
    QStringList tooWideCaptions;

    void take(QWidget* window) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* c : widgets) {
            if (c->objectName().isEmpty() || c->window() != window) continue;  // Qt's own parts
            const QString key = window->objectName() + "/" + c->objectName() + "/";
            const auto add = [&](const char* kind, const QString& text) {
                if (!text.isEmpty()) texts[key + kind] = text;
            };
            if (c == window) add("title", c->windowTitle());
            add("name", c->accessibleName());
            add("tip", c->toolTip());
            if (auto* button = qobject_cast<QAbstractButton*>(c)) add("caption", button->text());
            if (auto* label = qobject_cast<QLabel*>(c)) add("caption", label->text());
            if (auto* group = qobject_cast<QGroupBox*>(c)) add("caption", group->title());
            if (auto* box = qobject_cast<QPlainTextEdit*>(c); box && window->objectName() != "frmView")
                add("text", box->toPlainText());
            for (int i = 0; c->objectName() == "cboCalendar" && i < static_cast<QComboBox*>(c)->count(); ++i)
                add(qPrintable(QString("item%1").arg(i)), static_cast<QComboBox*>(c)->itemText(i));
            if (intLanguage == intGerman && c->isVisible())
                if (QString wide = fitOf(c); !wide.isEmpty()) tooWideCaptions << wide;
        }
    }

    // The main window after a Calculate, the Results window with a selection, the summary,
    // the help viewer, the pop-up of a save and the messages of rejected input.
    void openEveryWindow() {
        s.reset();  // the last run's message log first
        startFresh();
        w->chkIncludeWeekday->setCheckState(Qt::Checked);
        w->cboTimezone->setCurrentIndex(w->cboTimezone->findText("GMT+05:30"));
        w->cmdCalculate->click();
        take(w);
        w->cmdResults->click();
        frmLargeTextbox* results = w->resultsWindow();
        selectText(results->txbText, 0, 5);
        QTest::mouseRelease(results->txbText->viewport(), Qt::LeftButton, {}, QPoint(1, 1));
        QVERIFY(results->txbText->textCursor().hasSelection());
        take(results);
        results->cmdClose->click();
        w->cmdDisplayAll->click();
        take(w->summaryWindow());
        w->cmdHelp->click();
        QVERIFY(QTest::qWaitFor([this] { return w->helpViewer()->blnFileDisplayed; }));
        take(w->helpViewer());
        QTimer::singleShot(50, [this] {
            take(w->popUpWindow());
            QTest::mouseClick(w->popUpWindow()->lblMessage, Qt::LeftButton, {}, QPoint(5, 5));
        });
        w->cmdSaveSettings->click();

        for (const char* year : {"", "abc", "5000", "2015"}) {  // three messages, then no method, then no event
            w->txbYear->setText(year);
            w->cmdCalculate->click();
        }
        tick(Qt::Unchecked, {w->chkMeanSun, w->chkTrueSun});
        click({w->cmdCalculate, w->cmdAllOrNoneVarnex[1], w->cmdAllOrNoneVarnex[3], w->cmdCalculate});
        for (int i = 0; i < s->log.shown.size(); ++i) texts[QString("message%1").arg(i)] = s->log.shown[i];
        for (const int result : {kLaunchFileNotFound, kLaunchOutOfMemory, kLaunchNoAssociation})
            texts[QString("launch%1").arg(result)] = qs(launchFailureTitle(intLanguage) + launchFailureText(result, "a.pdf", intLanguage));
    }

private slots:
    void initTestCase() {
        configureApplication();
        QCOMPARE(intLanguage, intGerman);
    }
    void cleanupTestCase() { applyLanguage(intEnglish); }

    void everyTextIsGermanAndFits() {
        openEveryWindow();
        const QMap<QString, QString> german = texts;
        const QStringList germanTooWide = tooWideCaptions;
        applyLanguage(intEnglish);
        texts.clear();
        openEveryWindow();
        s.reset();
        QCOMPARE(german.keys(), texts.keys());
        QStringList english;
        for (auto [key, text] : texts.asKeyValueRange())
            if (german[key] == text && !kSameInBoth.contains(text)) english << key + ": " + text;
        QVERIFY2(english.isEmpty() && german.size() > 60, qPrintable(english.join('\n')));
        QVERIFY2(germanTooWide.isEmpty(), qPrintable(germanTooWide.join('\n')));
    }

    // The program text: each English text has its German one.
    void everyProgramTextIsGerman() {
        ProgramTextFile file;
        QVERIFY(file.load(QCoreApplication::applicationDirPath().toStdString() + "/varnex.dat") > 0);
        for (std::int16_t id = 0; id < 1000; ++id)
            QVERIFY2(!file.has(id, intEnglish) || (file.has(id, intGerman) && (file.text(id, intGerman) == file.text(
                                                       id, intEnglish)) == kProgramTextsSameInBoth.contains(id)),
                     qPrintable(QString::number(id)));
    }

    // A translation file that does not match its checksum (bit flips, a missing checksum) is
    // never handed to Qt, whose loader can crash on one: its texts stay English. The intact copy
    // beside it is German, so the damage, not the copy, is what is tested.
    void aDamagedTranslationStaysEnglish() {
        const auto german = [] { return QCoreApplication::translate("frmMain", "Calculate dates and times of selected events"); };
        const QString english = "Calculate dates and times of selected events";
        QFile built(QCoreApplication::applicationDirPath() + "/translations/varnex_de.qm");
        QVERIFY(built.open(QIODevice::ReadOnly));
        const QByteArray intact = built.readAll();
        TempFolder program;
        std::filesystem::create_directory(program / "translations");
        const QString qm = QString::fromStdString((program / "translations/varnex_de.qm").string());
        QFile::copy(built.fileName() + ".sha256", qm + ".sha256");
        const auto install = [&](const QByteArray& bytes) {
            QFile file(qm);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
        };
        platform::setProgramFolderForTesting(program.path().string());
        install(intact);
        applyLanguage(intGerman);
        QVERIFY(german() != english);
        for (const qsizetype at : {qsizetype(20), intact.size() / 2, intact.size() - 3}) {
            QByteArray damaged = intact;
            damaged[at] = static_cast<char>(damaged[at] ^ 0x10);
            install(damaged);
            applyLanguage(intGerman);
            QCOMPARE(german(), english);
        }
        install(intact);
        QFile::remove(qm + ".sha256");
        applyLanguage(intGerman);
        QCOMPARE(german(), english);
        platform::setProgramFolderForTesting({});
        applyLanguage(intGerman);
        QVERIFY(german() != english);
    }

    // The translation source: every text translated, none left as it was.
    void everyTranslationIsFinished() {
        QFile ts(VARNEX_SOURCE_DIR "/translations/varnex_de.ts");
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString source;
        int translated = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("source"))
                source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (xml.name() != QLatin1String("translation")) continue;
            QVERIFY2(!xml.attributes().hasAttribute("type"), qPrintable(source));  // "unfinished"
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            QVERIFY2(!text.isEmpty() && (text != source || kSourcesSameInBoth.contains(source)), qPrintable(source));
            ++translated;
        }
        QVERIFY2(!xml.hasError() && translated > 60, qPrintable(xml.errorString()));
    }
};

QTEST_MAIN(GermanTest)
#include "german_test.moc"
