#include "main/druck_dlg.h"

#include <QCheckBox>
#include <QVBoxLayout>

TDruckDlg* DruckDlg = nullptr;
TAboutBox* AboutBox = nullptr;
TTippsDlg* TippsDlg = nullptr;

TDruckDlg::TDruckDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DruckDlg"));
    setWindowTitle(QStringLiteral("Drucken"));
    auto* box = new QVBoxLayout(this);
    CB1 = new QCheckBox(this);
    CB1->setObjectName(QStringLiteral("CB1"));
    box->addWidget(CB1);
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Info"));
}

TTippsDlg::TTippsDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TippsDlg"));
    setWindowTitle(QStringLiteral("Tipps"));
}
