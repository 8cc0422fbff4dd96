#pragma once
// The about window and the help window on copying. Both are made on their
// first use (main/verbindungen.h) and then only shown and hidden.

#include <QDialog>

class QLabel;
class QPushButton;
class QTabWidget;

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

extern TAboutBox* AboutBox;
extern TTippsDlg* TippsDlg;
