#pragma once
// The print options dialog: whether the value table and the header are
// printed, black grid lines and black-and-white printing. Created at start
// and only shown and hidden.

#include <QDialog>

#include <optional>
#include <string>

class QCheckBox;
class QGroupBox;
class QPushButton;

// Whether the grid has a colour scheme that black grid lines could replace
// (a kind other than '0' and a second character): only then do the print
// and copy dialogs offer their black grid lines option.
bool SchwarzeGitterMoeglich(const std::string& gitter);

// Black grid lines while a dialog is open: on saves the grid code of the
// state's view in the print dialog and keeps its kind only; off puts the
// saved code back. The graph window redraws either way.
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

    // What the graph window prints: the value table, the header.
    bool MitTabelle() const;
    bool MitKopf() const;
    // The grid as it was before black grid lines (when they are forced).
    void GitterZuruecknehmen();

    // Ready to open for the selected function: the value table option names
    // it, the black grid option shows for a coloured grid, both options of
    // the black-and-white printer unticked.
    void Vorbereiten();

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
    // The graph window's colour switch (the state's), when it differs.
    void FarbeSetzen(bool farbig);
};

extern TDruckDlg* DruckDlg;
