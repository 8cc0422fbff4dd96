#include "main/kopier_dlg.h"

TKopierDlg* KopierDlg = nullptr;
TKopierDlg8* KopierDlg8 = nullptr;

TKopierDlg::TKopierDlg(QWidget* parent, const char* name) : QDialog(parent)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QStringLiteral("Kopieren"));
}

TKopierDlg8::TKopierDlg8(QWidget* parent) : TKopierDlg(parent, "KopierDlg8")
{
}
