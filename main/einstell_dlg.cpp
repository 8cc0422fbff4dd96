#include "main/einstell_dlg.h"

#include <QCheckBox>
#include <QVBoxLayout>

TEinstellDlg* EinstellDlg = nullptr;
THotkeyDlg* HotkeyDlg = nullptr;
TTastenDlg* TastenDlg = nullptr;

TEinstellDlg::TEinstellDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EinstellDlg"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    auto* box = new QVBoxLayout(this);
    CheckBox2 = new QCheckBox(this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    box->addWidget(CheckBox2);
}

THotkeyDlg::THotkeyDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HotkeyDlg"));
    setWindowTitle(QStringLiteral("Hotkeys"));
}

TTastenDlg::TTastenDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TastenDlg"));
    setWindowTitle(QStringLiteral("Tastensteuerung"));
}
