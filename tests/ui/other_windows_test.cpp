// The windows beyond the main one: the summary of "Display all for:" (caption, place, layout,
// cells, Close and the close box), Help in the file viewer (its limits and failures), and the
// two link labels.
#include "ui_support.h"

#include "platform/open_address.h"
#include "platform/program_folder.h"
#include "report/summary.h"
#include "ui/main/frm_all.h"
#include "ui/windows/frm_large_textbox.h"
#include "ui/windows/frm_view.h"

#include <sys/stat.h>

using namespace varnex;
using namespace varnex::test;

class OtherWindowsTest : public QObject, EachTest {
    Q_OBJECT
    frmAll* all = nullptr;

    frmAll* displayAll(const char* year = nullptr) {
        if (year) w->txbYear->setText(year);
        w->cmdDisplayAll->click();
        return all = w->summaryWindow();
    }
    QString cell(std::size_t index) const { return all->lblEvent[index]->text(); }
    // Every event cell shown is the core's cell of the request (its times are checked there).
    void expectTheCoreCells(std::int16_t calendar, std::int16_t offset, Hemisphere hemisphere) const {
        const auto cells = summaryCells(2015, prolepticReformOf(calendar), Zone::fixed(offset), hemisphere, buildEventNames(defaultEventCaptions()),
                                        intEnglish);
        for (std::size_t i : kSummaryReadingOrder) QCOMPARE(cell(i), qs(cells[i]).replace("\r\n", "\n"));
    }

    // A program folder of its own: the shipped program text and a help file of our making.
    std::unique_ptr<TempFolder> program;

    // Addresses handed to the system from now on, each answered with launchResult.
    std::vector<std::string> openedAddresses;
    int launchResult = 42;
    const std::vector<std::string>& recordOpenedAddresses() {
        platform::setAddressOpenerForTesting([this](const std::string& address) {
            openedAddresses.push_back(address);
            return launchResult;
        });
        return openedAddresses;
    }

    void writeHelp(const std::string& text) const {
        std::ofstream(*program / GetProgramText(16), std::ios::binary) << text;
    }
    // Help pressed, and the viewer done with reading (or failing to read) the file.
    frmView* pressHelp() {
        w->cmdHelp->click();
        frmView* view = w->helpViewer();
        return QTest::qWaitFor([view] { return view->blnFileDisplayed; }) ? view : nullptr;
    }

private slots:
    void init() {
        program = std::make_unique<TempFolder>();
        std::filesystem::copy_file(QCoreApplication::applicationDirPath().toStdString() + "/varnex.dat",
                                   *program / "varnex.dat");
        platform::setProgramFolderForTesting(program->path().string());
        startFresh();
    }
    void cleanup() {
        s.reset();
        platform::setProgramFolderForTesting({});
        platform::setAddressOpenerForTesting({});
        openedAddresses.clear();
        launchResult = 42;
    }

    void showsTheYearInTheRing() {
        click({w->cmdAllOrNoneVarnex[1], w->cmdAllOrNoneVarnex[3]});  // no event selected: all eight still shown
        QVERIFY(displayAll(" +2015 ") && all->isVisible());
        QVERIFY(s->log.shown.isEmpty() && w->outputText().empty());  // nothing goes to the output box
        QCOMPARE(all->windowTitle(), "All dates and times for +2015 CE in the Northern Hemisphere");
        QCOMPARE(all->palette().color(QPalette::Window), QColor(128, 128, 255));
        QCOMPARE(all->objectName() + " " + all->lblEvent[8]->objectName(), "frmAll lblEvent_8");
        // Clockwise from top left; both methods in every cross-quarter cell, no weekday.
        expectTheCoreCells('G', 0, Hemisphere::North);
        QCOMPARE(cell(1), "Spring equinox\n2015-03-20 CE 22:45 GMT");
        QCOMPARE(cell(4), "Read clockwise from top left");
    }

    void southernNamesJulianDatesAndTheZone() {
        w->optSH->setChecked(true);
        w->cboCalendar->setCurrentIndex(1);
        w->cboTimezone->setCurrentText("GMT+05:30");
        displayAll();
        QCOMPARE(all->windowTitle(), "All dates and times for 2015 CE in the Southern Hemisphere");
        expectTheCoreCells('J', 330, Hemisphere::South);
        QCOMPARE(cell(1), "Autumn equinox\n2015-03-08 JC 04:15 GMT+05:30");
    }

    void rejectedYearOpensNothing() {
        QVERIFY(!displayAll("3001"));
        QCOMPARE(s->log.shown, QStringList{message(programText(25), MessageIcon::Information, programText(24))});
        const QString shown = displayAll("2015")->lblEvent[1]->text();
        displayAll("abc");  // an open window keeps what it shows
        QCOMPARE(cell(1), shown);
        QCOMPARE(s->log.shown.last(), message("Invalid input", MessageIcon::Information, "Invalid input for year."));
    }

    void layoutOncePerCommand() {
        QVERIFY(QTest::qWaitForWindowExposed(displayAll()));
        // 12180 x 3000 twips in a 2-pixel frame (30 twips) all round: columns 3993 wide at 25, 4043,
        // 8061, rows (3000 - 60 - 100) / 3 = 947 high at 75, 1047, 2019, the grid ending near the bottom.
        const QRect outer = platform::outerGeometry(all);
        QCOMPARE(outer.size(), QSize(twipsToPixels(12180), twipsToPixels(3000) + twipsToPixels(150)));
        QCOMPARE(outer.top(), platform::outerGeometry(w).top() + twipsToPixels(850));
        QCOMPARE(all->geometry().size(), outer.size() - QSize(4, 4));
        QCOMPARE(all->lblEvent[0]->geometry(), platform::twipsRect(25, 75, 3993, 947));
        QCOMPARE(all->lblEvent[5]->geometry(), platform::twipsRect(8061, 1047, 3993, 947));
        QCOMPARE(all->lblEvent[7]->geometry(), platform::twipsRect(4043, 2019, 3993, 947));
        QVERIFY(all->height() - all->lblEvent[8]->geometry().bottom() <= twipsToPixels(150));
        const QRect centre = all->lblEvent[4]->geometry();
        QCOMPARE(all->cmdClose->geometry().center().x(), centre.center().x());
        QCOMPARE(all->cmdClose->y(), centre.top() + (centre.height() - all->cmdClose->height()) * 2 / 3);
        // Back and forth between the windows: no taller each time; a new command sets the size again.
        for (QWidget* active : QWidgetList{w, all, w, all}) QApplication::setActiveWindow(active);
        QCOMPARE(platform::outerGeometry(all).height(), outer.height());
        displayAll();
        QCOMPARE(platform::outerGeometry(all).height(), outer.height());
    }

    void closeHidesAndTheCloseBoxUnloads() {
        const QPointer<frmAll> loaded = displayAll();
        QVERIFY(QTest::qWaitForWindowActive(all));
        all->cmdClose->setFocus();
        QTest::keyClick(all->cmdClose, Qt::Key_Return);
        QVERIFY(loaded && !all->isVisible());
        QCOMPARE(displayAll("2016"), loaded.data());  // the same window, refreshed
        QVERIFY(cell(1).contains("2016-03-20"));
        all->close();
        QTRY_VERIFY(loaded.isNull());
        QVERIFY(displayAll() && all->isVisible());
    }
    void helpShowsTheFileBesideTheProgram() {
        writeHelp("Varnex help\nsecond line\n");
        frmView* view = pressHelp();
        QVERIFY(view && view->isVisible() && view->txbText1->isReadOnly() && !view->cmdCopyToClipboard->isVisible());
        QCOMPARE(view->txbText1->toPlainText(), "Varnex help\nsecond line\n");
        QCOMPARE(view->windowTitle(), programText(36));
        QCOMPARE(view->strFilename, (*program / GetProgramText(16)).string());
        QCOMPARE(view->txbText1->textCursor().position(), 0);
        const QRect main = platform::outerGeometry(w), placed = platform::outerGeometry(view);
        QCOMPARE(placed.topLeft(), main.topLeft() + QPoint(twipsToPixels(100), twipsToPixels(380)));
        QCOMPARE(placed.width(), main.width() - twipsToPixels(200));
        QVERIFY(s->log.shown.isEmpty());
    }

    void closeKeepsTheTextAndTheCloseBoxReadsAgain() {
        writeHelp("first");
        QPointer<frmView> view = pressHelp();
        view->cmdClose->click();
        QVERIFY(!view->isVisible());
        writeHelp("second");
        pressHelp();
        QCOMPARE(view->txbText1->toPlainText(), "first");  // not read again
        view->close();  // the close box unloads it
        QTRY_VERIFY(view.isNull());
        QCOMPARE(pressHelp()->txbText1->toPlainText(), "second");
    }

    void largeFilesAreShownInPart_data() {
        QTest::addColumn<int>("characters");
        QTest::newRow("65529: whole") << 65529;
        QTest::newRow("65530: in part") << 65530;
    }

    void largeFilesAreShownInPart() {
        QFETCH(int, characters);
        const QString text = QString("0123456789").repeated(6553).left(characters);
        writeHelp(text.toStdString());
        const QString part = "NOTE: This file is too large to display entirely in this textbox.\n"
                             "To view the entire contents of the file load it into NotePad,\n"
                             "WordPad or some other text editor.\n\n" + text.left(65306) +
                             "\n\nNOTE: Entire contents of file have not been displayed.\n";
        QCOMPARE(pressHelp()->txbText1->toPlainText(), characters < 65530 ? text : part);
    }

    void unreadableFiles_data() {
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << true << message(programText(13), MessageIcon::Warning, programText(17));
        QTest::newRow("missing") << false
                                 << message("Error reading file", MessageIcon::Warning, "Error 53.  File not found");
    }

    void unreadableFiles() {
        QFETCH(bool, empty);
        QFETCH(QString, shown);
        if (empty) writeHelp("");
        frmView* view = pressHelp();
        // The folder the program runs in, then the failure.
        const QString folder = message(programText(1), MessageIcon::None, QDir::toNativeSeparators(QDir::currentPath()));
        QCOMPARE(s->log.shown, QStringList({folder, shown}));
        QVERIFY(!view->isVisible());
        writeHelp("now there");
        pressHelp();  // not tried again while loaded
        QCOMPARE(s->log.shown.size(), 2);
        QVERIFY(view->txbText1->toPlainText().isEmpty());
    }

    void viewerKeepsItsMinimumSize() {
        writeHelp("alpha\nbeta\n");
        frmView* view = pressHelp();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        view->resize(100, 50);
        const QRect outer = platform::outerGeometry(view);
        QVERIFY(outer.width() >= twipsToPixels(8000) && outer.height() >= twipsToPixels(2000));
        QCOMPARE(view->cmdClose->geometry().right(), view->txbText1->geometry().right());
    }

    // The links open by a click, and by Enter or Space once Tab has reached them after Quit.
    void linksOpenTheShippedPagesByClickOrKey() {
        const std::vector<std::string>& opened = recordOpenedAddresses();
        QTest::mouseClick(w->lblOnlineUserManual, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(w));
        press(w->cmdQuit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->lblOstrel);
        QTest::keyClick(w->lblOstrel, Qt::Key_Return);
        QTest::keyClick(w->lblOstrel, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->lblOnlineUserManual);
        QTest::keyClick(w->lblOnlineUserManual, Qt::Key_Space);
        const std::string folder = platform::programFolder();
        const std::string manual = joinFolderAndFile(folder, GetProgramText(15));
        QCOMPARE(opened, (std::vector{manual, joinFolderAndFile(folder, GetProgramText(14)), manual}));
        QVERIFY(w->lblOnlineUserManual->toolTip().endsWith(qs(manual) + "."));
        QVERIFY(s->log.shown.isEmpty());
        launchResult = 31;  // a launch that fails: the message names the result and what it means
        QTest::keyClick(w->lblOnlineUserManual, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(s->log.shown, QStringList{message("Cannot launch web browser", MessageIcon::Warning,
                                                    "Error launching web browser, error code = 31.\r\n\r\nFile extension "
                                                    "'html' is not associated with any application program.")});
    }

    // What a screen reader reads: every window once, as a frame or a dialog named by its title;
    // a name for every focusable control, the open lists included; the summary's cells named
    // by their events and dates, in reading order; the links as links that "press" opens.
    void everyControlIsNamedForScreenReaders() {
        const std::vector<std::string>& opened = recordOpenedAddresses();
        click({w->cmdCalculate, w->cmdResults});
        writeHelp("help");
        QVERIFY(displayAll() && pressHelp());
        QStringList faults;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            const QAccessible::State state = node->state();
            const QObject* object = node->object();
            const QString what = object ? object->objectName() + "/" + object->metaObject()->className() : "?";
            if (state.focusable && !state.invisible && node->text(QAccessible::Name).trimmed().isEmpty())
                faults << "unnamed " + what;
            for (int i = 0; i < node->childCount(); ++i) {
                QAccessibleInterface* child = node->child(i);
                if (child->role() == QAccessible::Dialog || child->role() == QAccessible::Window)
                    faults << "window in a window: " + what;
                walk(child);
            }
        };
        QStringList windows;  // the application's windows on show, by role and name
        QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
        for (int i = 0; i < application->childCount(); ++i) {
            QAccessibleInterface* window = application->child(i);
            if (!window || window->state().invisible) continue;
            windows << QString::number(window->role(), 16) + " " + window->text(QAccessible::Name);
            walk(window);
        }
        for (QComboBox* list : {static_cast<QComboBox*>(w->cboCalendar), static_cast<QComboBox*>(w->cboTimezone)}) {
            list->showPopup();
            walk(QAccessible::queryAccessibleInterface(list));
            list->hidePopup();
        }
        QCOMPARE(faults, QStringList());
        const auto role = [](QAccessible::Role r) { return QString::number(r, 16) + " "; };
        QCOMPARE(windows, QStringList({role(QAccessible::Window) + w->windowTitle(), role(QAccessible::Dialog) + "Results",
                                       role(QAccessible::Dialog) + all->windowTitle(),
                                       role(QAccessible::Dialog) + w->helpViewer()->windowTitle()}));
        const auto name = [](QWidget* x) { return QAccessible::queryAccessibleInterface(x)->text(QAccessible::Name); };
        QCOMPARE(QStringList({name(w->txbYear), name(w->txbOutput), name(all->lblEvent[0])}),
                 QStringList({"Year", "Results", "Imbolc, True sun: 2015-02-04 CE 03:58 GMT, Mean sun: 2015-02-04 CE 10:54 GMT"}));
        // The summary: Tab from Close goes round the cells clockwise and back to Close; a review
        // of the window takes the note, the cells and Close in the same order.
        const QString clockwise = "Imbolc Spring equinox Beltane Summer solstice Lughnassad Autumn equinox Samhain "
                                  "Winter solstice Close";
        QStringList tabbed, reviewed;
        for (QWidget* at = all->cmdClose; tabbed.size() < 9; tabbed << name(at = all->focusWidget()).section(',', 0, 0))
            QTest::keyClick(at, Qt::Key_Tab);
        QAccessibleInterface* summary = QAccessible::queryAccessibleInterface(all);
        for (int i = 1; i < summary->childCount(); ++i) reviewed << summary->child(i)->text(QAccessible::Name).section(',', 0, 0);
        QCOMPARE(QStringList({tabbed.join(' '), reviewed.join(' '), summary->child(0)->text(QAccessible::Name)}),
                 QStringList({clockwise, clockwise, "Read clockwise from top left"}));
        // On Linux a list's name is its value; the label beside it says what it chooses.
        for (QWidget* list : QWidgetList{w->cboCalendar, w->cboTimezone}) {
            const auto labels = QAccessible::queryAccessibleInterface(list)->relations(QAccessible::Label);
            QVERIFY(labels.size() == 1 && labels[0].first->object() == list->parentWidget()->findChild<QLabel*>(
                                                                            list == w->cboCalendar ? "lblCalendar" : "lblTimezone"));
        }
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(w->lblOstrel);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), "Ostrel");
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(opened, std::vector{joinFolderAndFile(platform::programFolder(), GetProgramText(14))});
    }

    // Help shows only a regular file of the program's folder: a pipe (which would hold the
    // window while it waits for a writer) or a link out of the folder is an error.
    void helpFileThatIsNoFileOfTheFolder_data() {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("a FIFO") << true;
        QTest::newRow("a link out of the folder") << false;
    }

    void helpFileThatIsNoFileOfTheFolder() {
        QFETCH(bool, fifo);
        const std::filesystem::path help = *program / GetProgramText(16);
        TempFolder elsewhere;
        std::ofstream(elsewhere / "other.txt") << "not the help";
        if (fifo) QCOMPARE(mkfifo(help.c_str(), 0600), 0);
        else std::filesystem::create_symlink(elsewhere / "other.txt", help);
        QVERIFY(pressHelp());
        QCOMPARE(s->log.shown.value(1),
                 message("Error reading file", MessageIcon::Warning, "Error 75.  Path/File access error"));
    }

    // A link whose opener fails (xdg-open exits with 3: nothing opens HTML) says so once the
    // opener has ended.
    void linkThatCannotOpenSaysSo() {
        std::ofstream(*program / GetProgramText(15)) << "<!DOCTYPE html><title>m</title>";
        TempFolder bin;
        std::ofstream(bin / "xdg-open") << "#!/bin/sh\nexit 3\n";
        std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(bin.path().string()));
        QTest::mouseClick(w->lblOnlineUserManual, Qt::LeftButton);
        qputenv("PATH", path);
        QVERIFY(s->log.shown.isEmpty());  // not yet: the opener runs
        QTRY_COMPARE(s->log.shown, QStringList{message("Cannot launch web browser", MessageIcon::Warning,
                                                        "Error launching web browser, error code = 31.\r\n\r\nFile "
                                                        "extension 'html' is not associated with any application program.")});
    }

    // Tool tips and message boxes show markup as written.
    void tipsAndMessagesArePlainText() {
        for (const QString& text : {QString("Click at https://x/<b>y</b>&amp;."), QString("Click at https://x/.")}) {
            const QString tip = platform::plainToolTip(text);
            QTextDocument shown;
            Qt::mightBeRichText(tip) ? shown.setHtml(tip) : shown.setPlainText(tip);  // as QToolTip decides
            QCOMPARE(shown.toPlainText(), text);
        }
        platform::setMessageRecorderForTesting({});
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&format] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            format = box->textFormat();
            box->accept();
        });
        platform::showMessage(w, {"<b>not bold</b>", "t", MessageIcon::None});
        QCOMPARE(format, Qt::PlainText);
    }
};

QTEST_MAIN(OtherWindowsTest)
#include "other_windows_test.moc"
