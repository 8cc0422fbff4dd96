#include "main/info_dlg.h"

#include "platform/felder.h"

#include "engine/zustand.h"
#include "platform/sprache.h"
#include "platform/fensterart.h"
#include "platform/jpeg.h"
#include "platform/oeffner.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TAboutBox* AboutBox = nullptr;
TTippsDlg* TippsDlg = nullptr;

namespace {

QPushButton* Knopf(QWidget* parent, const char* name, const QString& text)
{
    return Benannt(new QPushButton(text, parent), name);
}

QLabel* Zeile(QWidget* parent, const char* name, const QString& text = {})
{
    auto* l = Benannt(new QLabel(text, parent), name);
    l->setWordWrap(true);
    return l;
}

// A stay-on-top dialog of the program.
void DialogArt(QDialog* d, const char* name, const QString& titel)
{
    d->setObjectName(QString::fromLatin1(name));
    d->setWindowTitle(titel);
    d->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

const char* const NutzungDeutsch =
    "Tessaplun 8 ist ein Funktionsplotter für den Mathematikunterricht.\n\n"
    "Sie dürfen das Programm im Unterricht, zu Hause und für Prüfungen verwenden und weitergeben. "
    "Die Zeichnungen, Ausdrucke und kopierten Bilder gehören Ihnen.\n\n"
    "Das Programm wird ohne jede Gewähr bereitgestellt. Prüfen Sie Ergebnisse, bevor Sie sich auf sie verlassen.";
const char* const NutzungEnglisch =
    "Tessaplun 8 is a function plotter for school maths.\n\n"
    "You may use the program in class, at home and for exams, and pass it on. "
    "The drawings, printouts and copied pictures are yours.\n\n"
    "The program is provided without any warranty. Check results before you rely on them.";

}  // namespace

// ---------------------------------------------------------------------------
// TAboutBox

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    DialogArt(this, "AboutBox", QStringLiteral("Info"));
    auto* box = new QVBoxLayout(this);
    PageControl1 = Benannt(new QTabWidget(this), "PageControl1");
    box->addWidget(PageControl1);

    TabSheet1 = Benannt(new QWidget(PageControl1), "TabSheet1");
    auto* info = new QHBoxLayout(TabSheet1);
    Image1 = Benannt(new QLabel(TabSheet1), "Image1");
    QFile bild(QStringLiteral(":/pictures/about.jpg"));
    if (bild.open(QIODevice::ReadOnly)) {
        const QImage i = JpegLesen(bild.readAll());
        if (!i.isNull())
            Image1->setPixmap(QPixmap::fromImage(i));
    }
    info->addWidget(Image1, 0, Qt::AlignTop);
    auto* texte = new QVBoxLayout;
    auto* name = Zeile(TabSheet1, "Label1", QStringLiteral("Tessaplun"));
    QFont gross = name->font();
    gross.setPointSize(gross.pointSize() + 8);
    gross.setBold(true);
    name->setFont(gross);
    texte->addWidget(name);
    texte->addWidget(Zeile(TabSheet1, "Label2", QStringLiteral("8  (build 03)")));
    // The label before the link; the link shows the address of its hint.
    Label10 = Zeile(TabSheet1, "Label10", QStringLiteral("Webseite:"));
    texte->addWidget(Label10);
    Label5 = Zeile(TabSheet1, "Label5");
    Label5->setOpenExternalLinks(false);
    Label5->setCursor(Qt::PointingHandCursor);
    connect(Label5, &QLabel::linkActivated, this, [this] { Label5Click(Label5); });
    texte->addWidget(Label5);
    texte->addStretch(1);
    info->addLayout(texte, 1);
    PageControl1->addTab(TabSheet1, QStringLiteral("Info"));

    auto nutzung = [&](const char* name, const char* text, QPushButton*& knopf, const char* knopfName,
                       const QString& titel) {
        auto* seite = Benannt(new QWidget(PageControl1), name);
        auto* l = new QVBoxLayout(seite);
        l->addWidget(Zeile(seite, "", QString::fromUtf8(text)));
        knopf = Knopf(seite, knopfName, QStringLiteral("Web"));
        connect(knopf, &QPushButton::clicked, this, [this, knopf] { BitBtn2Click(knopf); });
        l->addWidget(knopf, 0, Qt::AlignLeft);
        l->addStretch(1);
        PageControl1->addTab(seite, titel);
        return seite;
    };
    TabSheet2 = nutzung("TabSheet2", NutzungDeutsch, BitBtn1, "BitBtn1", QStringLiteral("Nutzungsbedingungen"));
    TabSheet3 = nutzung("TabSheet3", NutzungEnglisch, BitBtn2, "BitBtn2", QStringLiteral("Terms of use"));

    OKButton = Knopf(this, "OKButton", QStringLiteral("OK"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, [this] { accept(); });
    box->addWidget(OKButton, 0, Qt::AlignRight);
}

void TAboutBox::beschrift()
{
    const bool englisch = Zustand.Sprache == SpracheEnglisch;
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet2), !englisch);
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet3), englisch);
}

void TAboutBox::Label5Click(QObject* Sender)
{
    if (auto* l = qobject_cast<QLabel*>(Sender))
        OeffneWebadresse(l->toolTip());
}

void TAboutBox::BitBtn2Click(QObject* Sender)
{
    if (auto* b = qobject_cast<QPushButton*>(Sender))
        OeffneWebadresse(b->toolTip());
}

// ---------------------------------------------------------------------------
// TTippsDlg

TTippsDlg::TTippsDlg(QWidget* parent) : QDialog(parent)
{
    DialogArt(this, "TippsDlg", QStringLiteral("Hilfe: Kopieren"));
    // Wide enough for lines that read well; the window is then as high as
    // its wrapped texts need.
    setMinimumWidth(440);
    auto* box = new QVBoxLayout(this);
    auto gruppe = [&](const char* name) {
        auto* g = Benannt(new QGroupBox(this), name);
        box->addWidget(g);
        return new QVBoxLayout(g);
    };
    auto eintrag = [&](QVBoxLayout* in, const char* titel, const char* memo) {
        QWidget* g = in->parentWidget();
        auto* t = Zeile(g, titel);
        QFont fett = t->font();
        fett.setBold(true);
        t->setFont(fett);
        in->addWidget(t);
        in->addWidget(Zeile(g, memo));
    };
    QVBoxLayout* graphen = gruppe("GroupBox1");
    eintrag(graphen, "Label2", "Memo3");
    eintrag(graphen, "Label1", "Memo1");
    QVBoxLayout* tabelle = gruppe("GroupBox2");
    eintrag(tabelle, "Label10", "Memo10");
    eintrag(tabelle, "Label7", "Memo7");
    SpeedButton1 = Knopf(tabelle->parentWidget(), "SpeedButton1", QStringLiteral("Web-Hilfe Excel"));
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(SpeedButton1); });
    tabelle->addWidget(SpeedButton1, 0, Qt::AlignLeft);
    eintrag(tabelle, "Label9", "Memo9");

    OKBtn = Knopf(this, "OKBtn", QStringLiteral("OK"));
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    box->addWidget(OKBtn, 0, Qt::AlignRight);
}

void TTippsDlg::SpeedButton1Click(QObject* Sender)
{
    if (auto* b = qobject_cast<QPushButton*>(Sender))
        OeffneWebadresse(b->toolTip());
}

void TTippsDlg::OKBtnClick()
{
    close();
}

void TTippsDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    HoeheNachTexten(this);
}
