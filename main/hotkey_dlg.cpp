#include "main/hotkey_dlg.h"

#include "platform/felder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

THotkeyDlg* HotkeyDlg = nullptr;

namespace {

// One group of the overview: its name and rows of (text label, key label,
// fixed key text or nothing when the caption routine writes it).
struct TZeile {
    const char* Text;
    const char* Taste;
    const char* Fest;
};
struct TGruppe {
    const char* Name;
    std::initializer_list<TZeile> Zeilen;
};

QLabel* NeuesLabel(QWidget* parent, const char* name, const char* text = nullptr)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    if (text)
        l->setText(QString::fromLatin1(text));
    return l;
}

}  // namespace

THotkeyDlg::THotkeyDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HotkeyDlg"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);

    const TGruppe gruppen[] = {
        {"GroupBox3", {{"Label14", "Label3", nullptr}, {"Label18", "Label4", nullptr}}},
        {"GroupBox1",
         {{"Label2", "Label5", "(F5)"},
          {"Label1", "Label6", "(F6)"},
          {"Label33", "Label8", "(F7)"},
          {"Label7", "Label19", "(F8)"},
          {"Label9", "Label20", "(F9)"}}},
        {"GroupBox2", {{"Label24", "Label10", nullptr}, {"Label25", "Label11", nullptr}, {"Label26", "Label12", nullptr}}},
        {"GroupBox4",
         {{"Label23", "Label13", nullptr},
          {"Label27", "Label15", nullptr},
          {"Label28", "Label16", nullptr},
          {"Label29", "Label17", nullptr},
          {"Label30", "Label21", "(F1)"}}},
    };

    auto* spalte = new QVBoxLayout(this);
    for (const TGruppe& g : gruppen) {
        auto* box = new QGroupBox(this);
        box->setObjectName(QString::fromLatin1(g.Name));
        auto* raster = new QGridLayout(box);
        int r = 0;
        for (const TZeile& z : g.Zeilen) {
            raster->addWidget(NeuesLabel(box, z.Text), r, 0);
            raster->addWidget(NeuesLabel(box, z.Taste, z.Fest), r, 1);
            ++r;
        }
        raster->setColumnStretch(0, 1);
        spalte->addWidget(box);
    }
    OKBtn = OKZeileAnfuegen(this, spalte);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
}

void THotkeyDlg::OKBtnClick()
{
    close();
}
