#pragma once
// The start options dialog: whether the next start opens the start
// template, whether that template exists, and the button that saves the
// current drawing as the template.

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

class TEinstellDlg : public QDialog {
    Q_OBJECT
public:
    explicit TEinstellDlg(QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;   // start
    QCheckBox* CheckBox2 = nullptr;   // use the start template
    QGroupBox* GroupBox2 = nullptr;   // own template
    QLabel* Label3 = nullptr;         // "template present:"
    QLabel* Label2 = nullptr;         // yes / no
    QPushButton* BitBtn3 = nullptr;   // save the current state as the template
    QPushButton* BitBtn4 = nullptr;   // what the template is
    QPushButton* OKBtn = nullptr;     // save the settings
    QPushButton* CancelBtn = nullptr;

    void FormCreate();
    // Shows whether the start template exists. Creates nothing.
    void CheckFile();
    void CheckBox2Click();
    void OKBtnClick();
    void CancelBtnClick();
    void BitBtn1Click();  // of BitBtn3: writes the start template
    void BitBtn2Click();  // of BitBtn4: the explanation
};

extern TEinstellDlg* EinstellDlg;

// Writes the options record as the settings file. Says "saved" (or, for a
// list without that line, the previous language's words) only after a
// successful write, reports a failed one, and stays silent where there is
// no settings folder.
void EinstellungenSchreibenMelden(bool gespeichertMelden, const QString& gespeichertText = {});
