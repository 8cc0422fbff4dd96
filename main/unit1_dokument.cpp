// Documents of the main window: New, Save as, Open and the reader that
// Open, New (for the start template) and the start share.
//
// Opening is all or nothing: the file is read whole and checked for its
// size, decoded, checked for values that would hang or crash the program
// (those are mended), and only then applied. A file that fails leaves the
// drawing as it was and says why. Saving writes through a temporary file
// that replaces the old one only when everything was written.

#include "main/form1.h"

#include "engine/dokument.h"
#include "engine/dokument_pruefen.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "graph/graphik.h"
#include "tools/einheit_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/melder.h"
#include "platform/dateidialog.h"
#include "platform/dialoge.h"
#include "platform/einstellungsordner.h"
#include "platform/fensterhilfen.h"
#include "platform/sprache.h"
#include "platform/statusleiste.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSaveFile>
#include <QSlider>
#include <QToolButton>

#include <span>

namespace {

// Messages of the document commands (language lines).
constexpr int ZeileKeinDokument = 570;
constexpr int ZeileNichtLesbar = 571;
constexpr int ZeileNichtGespeichert = 572;
constexpr int ZeileRepariert = 573;

std::string S(const QString& s)
{
    return s.toStdString();
}

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

QString Zahl(double v)
{
    return Q(FormatGeneral(v, 4, 2, Dezimaltrenner()));
}

QString Gruppentitel(int zeile, std::int32_t nr)
{
    return QLatin1Char(' ') + Txt(zeile) + QStringLiteral(" (") + QString::number(nr) + QStringLiteral(".) ");
}

// The tool windows that edit the object tables.
void WerkzeugfensterVerbergen()
{
    for (QWidget* w : std::initializer_list<QWidget*>{BeschriftungDlg, SenkrechteDlg, FlaechenDlg, PunkteDlg, KreiseDlg}) {
        if (w)
            w->hide();
    }
}

// After the tables changed behind their backs, every tool window shows the
// tables again, so that a tool never writes back an object it cannot see.
void WerkzeugfensterAuffrischen()
{
    Melder().DokumentErneuern();
}

// The inch lists show the same length as the cm lists (in inch mode a view
// unit is half an inch).
QString ZollText(const QString& cm)
{
    bool ok = false;
    const int n = cm.trimmed().toInt(&ok);
    if (!ok)
        return QString();
    return n % 2 == 0 ? QString::number(n / 2) : QString::number(n / 2) + QStringLiteral(".5");
}

void Laenge(QComboBox* cm, QComboBox* zoll, const QString& text)
{
    if (cm)
        cm->setEditText(text);
    if (zoll) {
        const QString z = ZollText(text);
        if (!z.isEmpty())
            zoll->setEditText(z);
    }
}

void StillistenSetzen(TForm1& haupt, std::int32_t stil)
{
    const int index = stil >= 0 && stil < haupt.ComboBox2->count() ? stil : 1;
    haupt.ComboBox2->setCurrentIndex(index);
    haupt.ComboBox2->update();
    if (Graphik && Graphik->ComboBox4) {
        Graphik->ComboBox4->setCurrentIndex(index);
        Graphik->ComboBox4->update();
    }
}

void SetzeText(QLineEdit* e, const std::string& text)
{
    if (e)
        e->setText(Q(text));
}

std::string Text(const QLineEdit* e)
{
    return e ? S(e->text()) : std::string();
}

std::string Text(const QComboBox* c)
{
    return c ? S(c->currentText()) : std::string();
}

std::uint8_t Byte(const QCheckBox* c)
{
    return c && c->isChecked() ? 1 : 0;
}

// Answers the New button's mouse presses (not its keyboard clicks); the
// second press of a double click comes as a double-click event. A press
// released beside the button runs no New; its request is withdrawn, or the
// next New from the menu or an example would take it over.
class TMausDruck : public QObject {
public:
    explicit TMausDruck(TForm1* form) : QObject(form), Form(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type art = event->type();
        if (art == QEvent::MouseButtonPress || art == QEvent::MouseButtonDblClick || art == QEvent::MouseButtonRelease) {
            const auto* maus = static_cast<QMouseEvent*>(event);
            const auto* knopf = qobject_cast<QWidget*>(watched);
            if (maus->button() == Qt::LeftButton && knopf) {
                if (art != QEvent::MouseButtonRelease)
                    Form->SpeedButton3MouseDown();
                else if (!knopf->rect().contains(maus->position().toPoint()))
                    Form->StartvorlageLaden = false;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TForm1* Form;
};

}  // namespace

void TForm1::NeuKnopfEinrichten()
{
    SpeedButton3->installEventFilter(new TMausDruck(this));
}

void TForm1::SpeedButton3MouseDown()
{
    StartvorlageLaden = true;
}

// ---------------------------------------------------------------------------
// Save

TDokumentBild TForm1::DokumentBild() const
{
    TDokumentBild bild;
    TDokumentKopf& k = bild.Kopf;
    k.Marke = FormatMarke;
    k.FunktionNr = FunktionNr;
    if (Graphik) {
        k.XMin = Graphik->XMin;
        k.XMax = Graphik->XMax;
        k.YMax = Graphik->YMax;
        k.YMin = Graphik->YMin;
        k.TrackBar1 = Graphik->TrackBar1 ? Graphik->TrackBar1->value() : 1;
        k.TrackBar2 = Graphik->TrackBar2 ? Graphik->TrackBar2->value() : 1;
        k.EinheitX = Graphik->EinheitX;
        k.EinheitY = Graphik->EinheitY;
        k.XAchse = Text(Graphik->Edit1);
        k.YAchse = Text(Graphik->Edit2);
        k.YLaenge = Text(Graphik->ComboBox1);
        k.XLaenge = Text(Graphik->ComboBox2);
        k.Gitter = Graphik->Gitter;
        k.Zahlen = Byte(Graphik->CB4);
        k.Farbig = Byte(Graphik->CB2);
        k.Achsen = Byte(Graphik->CB3);
    }
    k.Evonx = Text(Evonx);
    k.Ebisx = Text(Ebisx);
    k.Evont = Text(Evont);
    k.Ebist = Text(Ebist);
    k.Estept = Text(Estept);
    k.Gleichung = Text(Edit1);
    if (Form2) {
        k.RechnerX = Text(Form2->Edit2);
        k.RechnerT = Text(Form2->Edit3);
        k.RechnerErgebnis = Text(Form2->EditErgebnis);
    }
    k.FunktionWahl = Text(ComboBox1);

    FunktionenInBild(bild);
    TabellenInBild(bild);
    DokumentRestEinsetzen(bild);
    bild.Schluss = 0;
    return bild;
}

bool TForm1::speichere(const std::string& dateiname)
{
    const QString pfad = Q(dateiname);
    const std::vector<std::uint8_t> daten = EncodeDokument(DokumentBild());
    QSaveFile datei(pfad);
    bool ok = datei.open(QIODevice::WriteOnly);
    if (ok) {
        // A disk that fills up takes part of the data and reports nothing;
        // only the next write fails and says why.
        const char* rest = reinterpret_cast<const char*>(daten.data());
        qint64 offen = static_cast<qint64>(daten.size());
        while (offen > 0) {
            const qint64 n = datei.write(rest, offen);
            if (n <= 0)
                break;
            rest += n;
            offen -= n;
        }
        ok = offen == 0 && datei.commit();  // until here the old file is untouched
    }
    if (!ok) {
        // The cause (a full disk, say) is read first: cancelling the write
        // replaces it with a text of its own.
        const QString ursache = datei.errorString();
        datei.cancelWriting();
        ShowMessage(Txt(ZeileNichtGespeichert) + QLatin1Char('\n') + pfad + QLatin1Char('\n') + ursache);
    }
    return ok;
}

void TForm1::SpeedButton6Click()
{
    const std::optional<QString> gewaehlt = SaveDialog1(this);
    if (!gewaehlt)
        return;
    const std::string name = MitKvdEndung(S(*gewaehlt));
    if (QFileInfo::exists(Q(name)) && AskYesNo(Texte[160]) != IDYES)
        return;
    speichere(name);
}

// ---------------------------------------------------------------------------
// Open

void TForm1::SpeedButton7Click()
{
    const std::optional<QString> gewaehlt = OpenDialog1(this);
    if (!gewaehlt)
        return;
    // Every window shows the document once and the picture is drawn once,
    // when it is all read.
    const TAenderungsklammer klammer;
    WerkzeugfensterVerbergen();
    oeffne(S(*gewaehlt));
    if (Graphik)
        Graphik->GraphikResize();
}

bool TForm1::oeffne(const std::string& dateiname)
{
    const QString pfad = Q(dateiname);
    const QFileInfo info(pfad);
    if (!info.exists())
        return false;
    auto keinDokument = [&] {
        ShowMessage(Txt(ZeileKeinDokument) + QLatin1Char('\n') + pfad);
        return false;
    };
    // The size is checked before anything is read: a large file of another
    // kind is never read into memory.
    if (!info.isFile() ||
        (info.size() != static_cast<qint64>(DokumentGroesse) &&
         info.size() != static_cast<qint64>(DokumentGroesseOhneSchluss)))
        return keinDokument();

    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        ShowMessage(Txt(ZeileNichtLesbar) + QLatin1Char('\n') + pfad + QLatin1Char('\n') + datei.errorString());
        return false;
    }
    // One byte more than a document, to notice a file that grew meanwhile.
    const QByteArray daten = datei.read(static_cast<qint64>(DokumentGroesse) + 1);
    if (datei.error() != QFileDevice::NoError) {
        ShowMessage(Txt(ZeileNichtLesbar) + QLatin1Char('\n') + pfad + QLatin1Char('\n') + datei.errorString());
        return false;
    }
    datei.close();

    DokumentErgebnis ergebnis = DecodeDokument(
        std::span(reinterpret_cast<const std::uint8_t*>(daten.constData()), static_cast<std::size_t>(daten.size())));
    if (!ergebnis.Ok())
        return keinDokument();
    const std::vector<DokumentMangelFund> maengel = DokumentPruefen(ergebnis.Bild);
    {
        const TAenderungsklammer klammer;
        DokumentAnwenden(ergebnis.Bild);
    }
    // Said over the mended drawing, once it is shown.
    if (!maengel.empty())
        Melder().NachDerKlammer(
            [text = Txt(ZeileRepariert) + QLatin1Char('\n') + pfad] { ShowMessage(text); });
    return true;
}

void TForm1::DokumentAnwenden(const TDokumentBild& bild)
{
    const TDokumentKopf& k = bild.Kopf;

    // A label riding on the graph window's pointer goes home first; the
    // document then replaces it with everything else, and nothing rides
    // on to overwrite a label of the document.
    if (BeschriftungDlg)
        BeschriftungDlg->VerschiebenLoesen();

    // The tables, the reserve block and what no window shows.
    BildInTabellen(bild);
    DokumentRestMerken(bild);

    // Points without a font name get the point's colour in Tahoma 10.
    for (int n = 1; n <= 10; ++n) {
        TPunkt& p = Punkte[n];
        if (p.Font.Name.empty()) {
            p.Font.Color = p.Color;
            p.Font.Size = 10;
            p.Font.Name = "Tahoma";
            p.Font.Style = 0;
        }
    }

    for (std::size_t i = 1; i <= 12; ++i) {
        if (Funktionen[i])
            SatzInFunktion(bild.Funktionen[i], *Funktionen[i]);
    }
    FunktionNr = k.FunktionNr;
    Funktionen[0] = Funktionen[static_cast<std::size_t>(FunktionNr)];

    if (Graphik) {
        Graphik->XMin = k.XMin;
        Graphik->XMax = k.XMax;
        Graphik->YMax = k.YMax;
        Graphik->YMin = k.YMin;
        // The track bars set their units; the stored units then win.
        const SchiebereglerStellung s = SchiebereglerAusKopf(k);
        if (Graphik->TrackBar1)
            Graphik->TrackBar1->setValue(s.TrackBar1);
        if (Graphik->TrackBar2)
            Graphik->TrackBar2->setValue(s.TrackBar2);
        Graphik->EinheitX = k.EinheitX;
        Graphik->EinheitY = k.EinheitY;

        SetzeText(Graphik->Edit1, k.XAchse);
        SetzeText(Graphik->Edit2, k.YAchse);
        Laenge(Graphik->ComboBox1, Graphik->ComboBox1a, Q(k.YLaenge));
        Laenge(Graphik->ComboBox2, Graphik->ComboBox2a, Q(k.XLaenge));
        if (Graphik->CB4)
            Graphik->CB4->setChecked(k.Zahlen != 0);
        if (Graphik->CB2)
            Graphik->CB2->setChecked(k.Farbig != 0);
        if (Graphik->CB3)
            Graphik->CB3->setChecked(k.Achsen != 0);
        Graphik->Gitter = k.Gitter;
    }

    SetzeText(Evonx, k.Evonx);
    SetzeText(Ebisx, k.Ebisx);
    SetzeText(Evont, k.Evont);
    SetzeText(Ebist, k.Ebist);
    SetzeText(Estept, k.Estept);
    if (Form2) {
        SetzeText(Form2->Edit2, k.RechnerX);
        SetzeText(Form2->Edit3, k.RechnerT);
        SetzeText(Form2->EditErgebnis, k.RechnerErgebnis);
    }
    ComboBox1->setEditText(Q(k.FunktionWahl));
    GroupBox2->setTitle(Gruppentitel(141, FunktionNr));

    // Record 0 is the selected function as it was last edited.
    TFunktion* f = Funktionen[0];
    if (f)
        SatzInFunktion(bild.Funktionen[0], *f);

    SchriftfarbenZeigen();
    if (Graphik && Graphik->ComboBox3)
        Graphik->ComboBox3->setEditText(ComboBox1->currentText());

    // Its change handler compiles, colours, refills the value table and
    // redraws; it must run even when the field already holds this equation,
    // or the table would stay on the view of the drawing before.
    if (Edit1->text() == Q(k.Gleichung))
        Edit1Change();
    else
        Edit1->setText(Q(k.Gleichung));
    if (Graphik)
        Graphik->update();

    if (f)
        StillistenSetzen(*this, f->GetLineStyle());

    if (Graphik) {
        if (Graphik->Edit3)
            Graphik->Edit3->setCursorPosition(static_cast<int>(Edit1->text().size()));
        if (Graphik->StatusBar1)
            Graphik->StatusBar1->update();
    }
    WerkzeugfensterAuffrischen();
    Edit1->end(false);
}

// ---------------------------------------------------------------------------
// New

void TForm1::SpeedButton3Click()
{
    // Every window shows the new drawing once and the picture is drawn
    // once, at the end.
    const TAenderungsklammer klammer;
    const bool halten = Graphik && Graphik->LayoutHalten;

    for (QWidget* w : std::initializer_list<QWidget*>{EinheitXDlg, EinheitYDlg}) {
        if (w)
            w->hide();
    }
    WerkzeugfensterVerbergen();

    if (Form2) {
        const bool mitTabelle = Einstellungen.MitWertetabelle != 0;
        Form2->setVisible(mitTabelle);
        Wertetabelle1->setChecked(mitTabelle);
    }
    GroupBox2->setTitle(Gruppentitel(157, 1));

    if (Graphik && !halten) {
        Graphik->show();
        const QRect rahmen = frameGeometry();
        Graphik->move(rahmen.x() + FensterVersatz[3] + rahmen.width() + 2, rahmen.y() + FensterVersatz[4]);
        Graphik->resize(Graphik->StartBreite > 0 ? Graphik->StartBreite : Graphik->width(),
                        height() + FensterVersatz[5]);
    }

    if (Graphik) {
        Graphik->XMin = -5;
        Graphik->XMax = 6;
        Graphik->YMin = -2;
        Graphik->YMax = 8;
        Graphik->EinheitX = 1.0;
        Graphik->EinheitY = 1.0;
        if (Graphik->TrackBar1)
            Graphik->TrackBar1->setValue(1);
        if (Graphik->TrackBar2)
            Graphik->TrackBar2->setValue(1);
        Laenge(Graphik->ComboBox1, Graphik->ComboBox1a, QStringLiteral("10"));
        Laenge(Graphik->ComboBox2, Graphik->ComboBox2a, QStringLiteral("11"));
        for (QCheckBox* c : {Graphik->CB2, Graphik->CB3, Graphik->CB4}) {
            if (c)
                c->setChecked(true);
        }
        SetzeText(Graphik->Edit1, "x");
        SetzeText(Graphik->Edit2, "y");
        Graphik->Gitter = "1b";
        if (!halten)
            Graphik->setWindowState(Graphik->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    }
    if (Graphen1)
        Graphen1->setChecked(true);

    if (Form2) {
        Form2->Edit2->setText(QStringLiteral("0"));
        Form2->Edit3->setText(QStringLiteral("0"));
    }

    FunktionenNeu();
    Reset();
    if (Funktionen[1])
        Funktionen[1]->SetTerm("f(x) = x^2");
    Funktionen[0] = Funktionen[static_cast<std::size_t>(FunktionNr)];
    TFunktion* f = Funktionen[0];
    Edit1->setText(QStringLiteral("f(x) = x^2"));

    SchriftfarbenZeigen();
    if (f) {
        if (Graphik) {
            if (Graphik->ComboBox3)
                Graphik->ComboBox3->setEditText(QStringLiteral("1."));
            // The range fields below hand their texts to the graph window
            // whenever they change. The step may not change there and yet
            // differ from the graph window's, which after an example shows
            // more digits ("1,00001" beside "1").
            SetzeText(Graphik->Estept, S(Zahl(f->GetTStep())));
        }
    }

    // The graph window's interaction starts over with the origin tool.
    if (Graphik) {
        if (Graphik->InteraktivBox)
            Graphik->InteraktivBox->setChecked(true);
        if (Graphik->UrsprungButton)
            Graphik->UrsprungButton->setChecked(true);
        Modus = ModusUrsprung;
        Graphik->TracebuttonClick(this);
        if (Graphik->CheckBox2)
            Graphik->CheckBox2->setChecked(false);
        if (Graphik->SoundBox)
            Graphik->SoundBox->setChecked(true);
        if (Graphik->TrackBar3)
            Graphik->TrackBar3->setValue(3);
    }

    ComboBox1->setEditText(QStringLiteral("1."));
    GroupBox2->setTitle(Gruppentitel(141, FunktionNr));
    if (f) {
        Edit1->setText(Q(f->GetTerm()));
        Evonx->setText(Zahl(f->GetXFrom()));
        Ebisx->setText(Zahl(f->GetXTo()));
        Evont->setText(Zahl(f->GetTFrom()));
        Ebist->setText(Zahl(f->GetTTo()));
        Estept->setText(Zahl(f->GetTStep()));
        StillistenSetzen(*this, 1);
    }

    TabellenVorbelegen();
    // The points window shows the ten points reset, and the graph window
    // draws them, before the start template, which may bring points of its
    // own.
    emit Melder().TabelleGeaendert(TObjekttabelle::Punkte, this);

    // The start template: only when the options ask for it and a mouse
    // press on the New button asked for this New.
    // (The value table is up already when the options ask for it.)
    if (Einstellungen.Startvorlage != 0 && StartvorlageLaden) {
        const QString vorlage = Startvorlage();
        if (!vorlage.isEmpty() && QFileInfo(vorlage).isFile() && oeffne(S(vorlage)))
            GroupBox2->setTitle(Gruppentitel(141, FunktionNr));
    }
    // Every New uses up the request, whether or not it loaded anything.
    StartvorlageLaden = false;

    if (!halten) {
        Edit1Change();
        ComboBox1->setFocus();
        Edit1->setFocus();
        Edit1->end(false);
    } else if (Graphik) {
        Graphik->Edit3Change();
        if (Graphik->ComboBox3)
            Graphik->ComboBox3->setFocus();
        if (Graphik->Edit3) {
            Graphik->Edit3->setFocus();
            Graphik->Edit3->end(false);
        }
    }

    if (TraceParam && Graphik && Graphik->GroupBox2) {
        const QPoint unten = Graphik->GroupBox2->mapToGlobal(QPoint(Graphik->GroupBox2->width(), Graphik->GroupBox2->height()));
        TraceParam->move(unten.x() - TraceParam->frameGeometry().width(), unten.y());
    }
    // What the mouse made before is no longer there to take back.
    if (Graphik)
        Graphik->HistorienLeeren();

    WerkzeugfensterAuffrischen();
    if (QApplication::activeWindow() != Graphik)
        AlignForm();
}
