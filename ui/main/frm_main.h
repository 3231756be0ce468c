// frmMain: the main window. Its handlers read the controls, call the core and write the
// controls; the arithmetic and the texts are the core's (report/, settings/).
#pragma once

#include "calendar/calendar_date.h"
#include "report/events.h"
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace varnex {

class DropDownList;
class LinkLabel;

class frmAll;
class frmLargeTextbox;
class frmPopUp;
class frmView;

// The index in kEventTable of the event whose check box is `name`; a name not in the table
// does not compile.
consteval std::size_t eventBoxIndex(std::string_view name) {
    for (std::size_t i = 0; i < kEventTable.size(); ++i)
        if (kEventTable[i].checkBox == name) return i;
    throw "no such event box";
}

class frmMain : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(frmMain)  // its captions and messages, translated in its own context

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The start-up sequence, ending with the window shown and the saved settings restored.
    // False when the program text could not be loaded: the message has been shown and the
    // program must end.
    bool Form_Load();

    bool blnStartupCompleted = false;
    std::string strProgramTextFile;
    QString strUserSettingsFile;

    // The request: written by each Calculate, kept between requests.
    std::int32_t lngYear = 0;
    std::int16_t intCalendarCode = static_cast<std::int16_t>(kGregorianCode);
    std::int16_t intTimezoneOffset = 0;

    // The text of the output box, with CR LF line breaks.
    const std::string& outputText() const { return outputText_; }
    // Replaces it (restore, Clear, the Results window's write-back).
    void setOutputText(std::string text);

    // The Results window while it is loaded, else nullptr.
    frmLargeTextbox* resultsWindow() const;
    // The pop-up notice once it has been used, else nullptr.
    frmPopUp* popUpWindow() const;
    // The summary window and the help viewer while they are loaded, else nullptr.
    frmAll* summaryWindow() const;
    frmView* helpViewer() const;

    void cmdCalculate_Click();
    bool CheckYearInput();
    void cmdResults_Click();
    void ShowResults();
    void cmdDisplayAll_Click();
    void cmdHelp_Click();
    void lblOstrel_Click();
    void lblOnlineUserManual_Click();
    void cmdAllOrNoneVarnex_Click(int index);
    void EnableCalculationMethod();
    void cmdClear_Click();
    void cmdQuit_Click();
    void cmdSaveSettings_Click();
    std::string SaveSettings();
    void RestoreSettings();

    QLabel* lblYear;
    QLineEdit* txbYear;
    QLabel* lblCalendar;
    DropDownList* cboCalendar;
    QLabel* lblTimezone;
    DropDownList* cboTimezone;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    // The eight event boxes in the order of kEventTable, each also by its name in the table.
    std::array<QCheckBox*, kEventTable.size()> eventBox{};
    QCheckBox* const& chkVE = eventBox[eventBoxIndex("chkVE")];
    QCheckBox* const& chkSS = eventBox[eventBoxIndex("chkSS")];
    QCheckBox* const& chkAE = eventBox[eventBoxIndex("chkAE")];
    QCheckBox* const& chkWS = eventBox[eventBoxIndex("chkWS")];
    QCheckBox* const& chkImbolc = eventBox[eventBoxIndex("chkImbolc")];
    QCheckBox* const& chkBeltane = eventBox[eventBoxIndex("chkBeltane")];
    QCheckBox* const& chkLughnassad = eventBox[eventBoxIndex("chkLughnassad")];
    QCheckBox* const& chkSamhain = eventBox[eventBoxIndex("chkSamhain")];
    QLabel* Label2;
    QCheckBox* chkMeanSun;
    QCheckBox* chkTrueSun;
    std::array<QPushButton*, 4> cmdAllOrNoneVarnex;
    QPushButton* cmdCalculate;
    QPushButton* cmdDisplayAll;
    QRadioButton* optNH;
    QRadioButton* optSH;
    QCheckBox* chkIncludeWeekday;
    QPushButton* cmdSaveSettings;
    QPlainTextEdit* txbOutput;
    QPushButton* cmdClear;
    QPushButton* cmdResults;
    QPushButton* cmdHelp;
    QPushButton* cmdQuit;
    LinkLabel* lblOstrel;
    QLabel* lblURL;
    LinkLabel* lblOnlineUserManual;
    QLabel* lblCopyrightNotice;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void InitializeForm();
    void txbYear_KeyUp(int keyCode);
    void cboCalendar_Click();
    void cboTimezone_Click();
    void optNH_Click();
    void optSH_Click();
    void centreOnScreen();
    // Program text textId naming a shipped file or an address, in the window's language; the
    // English one when it names a file of the program's folder that is not there.
    static std::string shippedText(std::int16_t textId);
    // Program text textId as an address to open (a file name lies in the program's folder).
    static std::string addressOf(std::int16_t textId);
    void appendOutput(std::string_view piece);
    void updateResultButtons();
    // The boxes of one family of events, in quarter order (March first).
    std::array<QCheckBox*, 4> familyBoxes(EventFamily family) const;
    void placeEventBoxes(QGroupBox* frame, EventFamily family, int widthTwips);
    // The boxes the settings file holds, in its order.
    std::array<QCheckBox*, kSettingsBoxCount> settingsBoxes() const;

    EventNameTable strEventName;
    std::string outputText_;
    bool yearEnterPressed_ = false;  // the year box saw the press of the Enter being released
    bool centredAsFramed_ = false;   // centred again once the window manager had framed it
    QPointer<frmLargeTextbox> frmLargeTextbox_;
    QPointer<frmPopUp> frmPopUp_;
    QPointer<frmAll> frmAll_;
    QPointer<frmView> frmView_;
};

}  // namespace varnex
