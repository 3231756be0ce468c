// Help in the file viewer, the viewer's limits and failures, and the two link labels.
#include "ui_support.h"

#include "platform/open_address.h"
#include "platform/program_folder.h"
#include "platform/twips.h"
#include "text/program_text.h"
#include "ui/windows/frm_view.h"

#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace varnex;
using varnex::test::Started;

namespace {

// A program folder of its own: the shipped program text and a help file of our making.
struct ProgramFolder {
    test::TempFolder folder;
    ProgramFolder() {
        std::filesystem::copy_file(QCoreApplication::applicationDirPath().toStdString() + "/varnex.dat",
                                   folder / "varnex.dat");
        platform::setProgramFolderForTesting(folder.path().string());
        LoadProgramText(folder.path().string(), "varnex.dat");  // for the name of the help file
    }
    ~ProgramFolder() { platform::setProgramFolderForTesting({}); }
    void writeHelp(const std::string& text) const {
        std::ofstream(folder / GetProgramText(16), std::ios::binary) << text;
    }
};

// Help pressed, and the viewer done with reading (or failing to read) the file.
frmView* pressHelp(frmMain& w) {
    w.cmdHelp->click();
    frmView* view = w.helpViewer();
    if (!QTest::qWaitFor([view] { return view->blnFileDisplayed; })) return nullptr;
    return view;
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void helpShowsTheFileBesideTheProgram() {
        ProgramFolder program;
        program.writeHelp("Varnex help\nsecond line\n");
        Started s;
        frmMain& w = s.start();
        frmView* view = pressHelp(w);
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->txbText1->toPlainText(), QString("Varnex help\nsecond line\n"));
        QCOMPARE(view->windowTitle(), QString::fromStdString(GetProgramText(36)));
        QCOMPARE(view->strFilename, (program.folder / GetProgramText(16)).string());
        QVERIFY(!view->cmdCopyToClipboard->isVisible());
        QVERIFY(view->txbText1->isReadOnly());
        QCOMPARE(view->txbText1->textCursor().position(), 0);
        const QRect main = platform::outerGeometry(&w);
        const QRect placed = platform::outerGeometry(view);
        QCOMPARE(placed.top(), main.top() + platform::twipsToPixels(380));
        QCOMPARE(placed.left(), main.left() + platform::twipsToPixels(100));
        QCOMPARE(placed.width(), main.width() - platform::twipsToPixels(200));
        QVERIFY(s.log.messages.empty());
    }

    void closeKeepsTheTextAndTheCloseBoxReadsAgain() {
        ProgramFolder program;
        program.writeHelp("first");
        Started s;
        frmMain& w = s.start();
        QPointer<frmView> view = pressHelp(w);
        view->cmdClose->click();
        QVERIFY(!view->isVisible());
        program.writeHelp("second");
        pressHelp(w);
        QCOMPARE(view->txbText1->toPlainText(), QString("first"));  // not read again
        view->close();  // the close box unloads it
        QTRY_VERIFY(view.isNull());
        QCOMPARE(pressHelp(w)->txbText1->toPlainText(), QString("second"));
    }

    void largeFilesAreShownInPart_data() {
        QTest::addColumn<int>("characters");
        QTest::newRow("65529: whole") << 65529;
        QTest::newRow("65530: in part") << 65530;
    }

    void largeFilesAreShownInPart() {
        QFETCH(int, characters);
        ProgramFolder program;
        std::string text;
        for (int i = 0; static_cast<int>(text.size()) < characters; ++i) text += std::to_string(i % 10);
        program.writeHelp(text);
        Started s;
        const QString shown = pressHelp(s.start())->txbText1->toPlainText();
        if (characters < 65530) {
            QCOMPARE(shown, QString::fromStdString(text));
            return;
        }
        const QString head = "NOTE: This file is too large to display entirely in this textbox.\n"
                             "To view the entire contents of the file load it into NotePad,\n"
                             "WordPad or some other text editor.\n\n";
        QCOMPARE(shown, head + QString::fromStdString(text.substr(0, 65306)) + "\n\n" +
                            "NOTE: Entire contents of file have not been displayed.\n");
    }

    void unreadableFiles_data() {
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("empty") << true << QString::fromStdString(GetProgramText(17))
                               << QString::fromStdString(GetProgramText(13));
        QTest::newRow("missing") << false << "Error 53.  File not found" << "Error reading file";
    }

    void unreadableFiles() {
        QFETCH(bool, empty);
        QFETCH(QString, message);
        QFETCH(QString, title);
        ProgramFolder program;
        if (empty) program.writeHelp("");
        Started s;
        frmView* view = pressHelp(s.start());
        QCOMPARE(s.log.messages.size(), std::size_t{2});
        QCOMPARE(QString::fromStdString(s.log.messages[0].prompt), QDir::toNativeSeparators(QDir::currentPath()));
        QCOMPARE(s.log.messages[0].title, GetProgramText(1));
        QCOMPARE(QString::fromStdString(s.log.messages[1].prompt), message);
        QCOMPARE(QString::fromStdString(s.log.messages[1].title), title);
        QCOMPARE(s.log.messages[1].icon, MessageIcon::Warning);
        QVERIFY(!view->isVisible());
        program.writeHelp("now there");
        pressHelp(*s.window);  // not tried again while loaded
        QCOMPARE(s.log.messages.size(), std::size_t{2});
        QVERIFY(view->txbText1->toPlainText().isEmpty());
    }

    void viewerKeepsItsMinimumSizeAndCopies() {
        ProgramFolder program;
        program.writeHelp("alpha\nbeta\n");
        Started s;
        frmView* view = pressHelp(s.start());
        QVERIFY(QTest::qWaitForWindowExposed(view));
        view->resize(100, 50);
        const QRect outer = platform::outerGeometry(view);
        QVERIFY(outer.width() >= platform::twipsToPixels(8000) && outer.height() >= platform::twipsToPixels(2000));
        QCOMPARE(view->cmdClose->geometry().right(), view->txbText1->geometry().right());
        // The copy command, when shown: its caption follows the selection.
        view->cmdCopyToClipboard->setVisible(true);
        QTextCursor cursor = view->txbText1->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(7, QTextCursor::KeepAnchor);
        view->txbText1->setTextCursor(cursor);
        QTest::mouseRelease(view->txbText1->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(view->cmdCopyToClipboard->text(), QString("Copy selected text to clipboard"));
        QCOMPARE(view->cmdCopyToClipboard->width(), platform::twipsToPixels(4425));
        view->cmdCopyToClipboard->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("alpha\nb"));
        QCOMPARE(view->cmdCopyToClipboard->text(), QString("Copy to clipboard"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view->cmdClose));
    }

    void linksOpenTheShippedPages() {
        std::vector<std::string> opened;
        int result = 42;
        platform::setAddressOpenerForTesting([&](const std::string& address) {
            opened.push_back(address);
            return result;
        });
        Started s;
        frmMain& w = s.start();
        const std::string folder = platform::ProgramFolder();
        QTest::mouseClick(w.lblOnlineUserManual, Qt::LeftButton);
        QTest::mouseClick(w.lblOstrel, Qt::LeftButton);
        QCOMPARE(opened, (std::vector<std::string>{JoinFolderAndFile(folder, GetProgramText(15)),
                                                   JoinFolderAndFile(folder, GetProgramText(14))}));
        QVERIFY(w.lblOnlineUserManual->toolTip().endsWith(QString::fromStdString(opened[0]) + "."));
        QVERIFY(s.log.messages.empty());
        // A launch that fails: the message names the result and what it means.
        result = 31;
        QTest::mouseClick(w.lblOnlineUserManual, Qt::LeftButton);
        QCOMPARE(s.log.messages.size(), std::size_t{1});
        QCOMPARE(s.log.messages[0].title, std::string("Cannot launch web browser"));
        QCOMPARE(s.log.messages[0].icon, MessageIcon::Warning);
        QCOMPARE(s.log.messages[0].prompt, std::string("Error launching web browser, error code = 31.\r\n\r\n"
                                                       "File extension 'html' is not associated with any application "
                                                       "program."));
        platform::setAddressOpenerForTesting({});
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
