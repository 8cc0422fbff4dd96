#pragma once
// The print options dialog, the about window and the help window on
// copying. All three are created at start and only shown and hidden.

#include <QDialog>

#include <optional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

// Whether the grid has a colour scheme that black grid lines could replace
// (a kind other than '0' and a second character): only then do the print
// and copy dialogs offer their black grid lines option.
bool SchwarzeGitterMoeglich(const std::string& gitter);

// Black grid lines while a dialog is open: on saves the graph window's grid
// code in the print dialog and keeps its kind only; off puts the saved code
// back. Redraws either way.
void SchwarzeGitterlinien(bool an);

class TDruckDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDruckDlg(QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;  // " Optionen "
    QCheckBox* CB1 = nullptr;        // print the value table of ...
    QCheckBox* CB4 = nullptr;        // print the header
    QGroupBox* GroupBox2 = nullptr;  // " Optionen Schwarz-Weiß-Drucker "
    QCheckBox* CB3 = nullptr;        // black grid lines
    QCheckBox* CB2 = nullptr;        // graph in black and white
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // The graph window's grid code while black grid lines are forced; the
    // copy dialog keeps it here too.
    std::string AltesGitter = "0";
    // The graph window's colour box as it was when the print command opened
    // the dialog. Clearing CB2 to open the dialog turns colour on; every way
    // of closing puts this back, so a black-and-white drawing stays so.
    std::optional<bool> FarbigVorher;

    void FormCreate();
    void OKBtnClick();
    void CancelBtnClick();
    void CB2Click();
    void CB3Click();
    void CB4Click() {}

protected:
    // Every way of closing (OK, Cancel, Escape, the close box) ends here.
    void done(int r) override;

private:
    void FormClose();
};

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;  // "Info"
    QWidget* TabSheet2 = nullptr;  // terms of use, German
    QWidget* TabSheet3 = nullptr;  // terms of use, English
    QLabel* Image1 = nullptr;      // the picture
    QLabel* Label5 = nullptr;      // the web address; its hint is opened
    QLabel* Label10 = nullptr;
    QPushButton* BitBtn1 = nullptr;  // German page: web address in its hint
    QPushButton* BitBtn2 = nullptr;  // English page
    QPushButton* OKButton = nullptr;

    // Shows the terms page of the language in force and hides the other.
    void beschrift();
    // Open the web address held in the sender's hint (http and https only).
    void Label5Click(QObject* Sender);
    void BitBtn2Click(QObject* Sender);
};

class TTippsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTippsDlg(QWidget* parent = nullptr);

    QPushButton* SpeedButton1 = nullptr;  // web help on spreadsheets, address in its hint
    QPushButton* OKBtn = nullptr;

    void SpeedButton1Click(QObject* Sender);
    void OKBtnClick();

protected:
    // Opens at the size its texts need in the language in force: they
    // wrap, and the window would keep the height of the language before.
    void showEvent(QShowEvent* event) override;
};

extern TDruckDlg* DruckDlg;
extern TAboutBox* AboutBox;
extern TTippsDlg* TippsDlg;
