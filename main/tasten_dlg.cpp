#include "main/tasten_dlg.h"

#include "platform/felder.h"

#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TTastenDlg* TastenDlg = nullptr;

TTastenDlg::TTastenDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TastenDlg"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);

    auto* spalte = new QVBoxLayout(this);
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* tasten = new QVBoxLayout(GroupBox1);
    for (const char* name : {"Pfeile", "Eingabe", "Entfernen"}) {
        auto* l = new QLabel(GroupBox1);
        l->setObjectName(QString::fromLatin1(name));
        tasten->addWidget(l);
    }
    spalte->addWidget(GroupBox1);
    OKBtn = OKZeileAnfuegen(this, spalte);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    TastenBeschriften();
}

void TTastenDlg::TastenBeschriften()
{
    auto name = [](int taste) { return QKeySequence(taste).toString(QKeySequence::NativeText); };
    // Arrows move the pointer by one pixel; Enter clicks, Delete right-clicks.
    GroupBox1->findChild<QLabel*>(QStringLiteral("Pfeile"))
        ->setText(QStringLiteral("\u2190  \u2192  \u2191  \u2193"));
    GroupBox1->findChild<QLabel*>(QStringLiteral("Eingabe"))
        ->setText(name(Qt::Key_Return));
    GroupBox1->findChild<QLabel*>(QStringLiteral("Entfernen"))
        ->setText(name(Qt::Key_Delete));
}

void TTastenDlg::OKBtnClick()
{
    close();
}
