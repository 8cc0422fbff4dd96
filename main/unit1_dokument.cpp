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

// After the tables changed behind their backs, every tool window shows the
// tables again, so that a tool never writes back an object it cannot see.
void WerkzeugfensterAuffrischen()
{
    Melder().DokumentErneuern();
}

// The style list; the graph window's input bar shows the style too.
void StillistenSetzen(TForm1& haupt, std::int32_t stil)
{
    const int index = stil >= 0 && stil < haupt.ComboBox2->count() ? stil : 1;
    haupt.ComboBox2->setCurrentIndex(index);
    haupt.ComboBox2->update();
    emit Melder().AuswahlGeaendert();
}

void SetzeText(QLineEdit* e, const std::string& text)
{
    if (e)
        e->setText(Q(text));
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

// Everything from the state: the texts as the windows show them.
TDokumentBild TForm1::DokumentBild() const
{
    TDokumentBild bild;
    TDokumentKopf& k = bild.Kopf;
    k.Marke = FormatMarke;
    k.FunktionNr = FunktionNr;
    const TAnsicht& a = Zustand.Ansicht;
    k.XMin = a.XMin;
    k.XMax = a.XMax;
    k.YMax = a.YMax;
    k.YMin = a.YMin;
    k.TrackBar1 = a.PositionY;
    k.TrackBar2 = a.PositionX;
    k.EinheitX = a.EinheitX;
    k.EinheitY = a.EinheitY;
    k.XAchse = a.XAchse;
    k.YAchse = a.YAchse;
    k.YLaenge = a.YLaenge;
    k.XLaenge = a.XLaenge;
    k.Gitter = a.Gitter;
    k.Zahlen = a.Zahlen ? 1 : 0;
    k.Farbig = a.Farbig ? 1 : 0;
    k.Achsen = a.Achsen ? 1 : 0;
    const TEditorZustand& e = Zustand.Editor;
    k.Evonx = e[TEditorFeld::XVon].Text;
    k.Ebisx = e[TEditorFeld::XBis].Text;
    k.Evont = e[TEditorFeld::TVon].Text;
    k.Ebist = e[TEditorFeld::TBis].Text;
    k.Estept = e[TEditorFeld::TSchritt].Text;
    k.Gleichung = e[TEditorFeld::Gleichung].Text;
    k.RechnerX = Zustand.Rechner.X;
    k.RechnerT = Zustand.Rechner.T;
    k.RechnerErgebnis = Zustand.Rechner.Ergebnis;
    k.FunktionWahl = e.Auswahl.Text;

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
    emit Melder().KleineFensterVerbergenVerlangt(false);
    oeffne(S(*gewaehlt));
    emit Melder().ZeichnenVerlangt();
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

    // A file that cannot be opened or read is said with the cause, either
    // way. One byte more than a document is read, to notice a file that
    // grew meanwhile.
    QFile datei(pfad);
    QByteArray daten;
    if (datei.open(QIODevice::ReadOnly))
        daten = datei.read(static_cast<qint64>(DokumentGroesse) + 1);
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
    emit Melder().ReiterZuruecklegenVerlangt();

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

    // The view, its units, captions, lengths, grid and switches; the graph
    // window shows them.
    TAnsicht& a = Zustand.Ansicht;
    a.XMin = k.XMin;
    a.XMax = k.XMax;
    a.YMax = k.YMax;
    a.YMin = k.YMin;
    const SchiebereglerStellung s = SchiebereglerAusKopf(k);
    a.PositionY = s.TrackBar1;
    a.PositionX = s.TrackBar2;
    a.EinheitX = k.EinheitX;
    a.EinheitY = k.EinheitY;
    a.XAchse = k.XAchse;
    a.YAchse = k.YAchse;
    a.YLaenge = k.YLaenge;
    a.XLaenge = k.XLaenge;
    a.Zahlen = k.Zahlen != 0;
    a.Farbig = k.Farbig != 0;
    a.Achsen = k.Achsen != 0;
    a.Gitter = k.Gitter;
    emit Melder().AnsichtGeaendert(this);

    SetzeText(Evonx, k.Evonx);
    SetzeText(Ebisx, k.Ebisx);
    SetzeText(Evont, k.Evont);
    SetzeText(Ebist, k.Ebist);
    SetzeText(Estept, k.Estept);
    // The calculator's x and t before the equation: the result shown is
    // computed for them.
    Zustand.Rechner = {k.RechnerX, k.RechnerT, k.RechnerErgebnis};
    emit Melder().RechnerGeaendert(this);
    ComboBox1->setEditText(Q(k.FunktionWahl));
    GroupBox2->setTitle(Gruppentitel(141, FunktionNr));

    // Record 0 is the selected function as it was last edited.
    TFunktion* f = Funktionen[0];
    if (f)
        SatzInFunktion(bild.Funktionen[0], *f);

    // (The graph window's input bar shows the choice too.)
    SchriftfarbenZeigen();

    // Its change handler compiles and colours the equation and computes the
    // calculator's result for the x and t just set; it must run even when
    // the field already holds this equation, or the result of the drawing
    // before would stay.
    if (Edit1->text() == Q(k.Gleichung))
        Edit1Change();
    else
        Edit1->setText(Q(k.Gleichung));

    if (f)
        StillistenSetzen(*this, f->GetLineStyle());
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
    // The graph window keeps its place and size (its own New button, an
    // example in presentation mode), and the keyboard.
    const bool halten = Zustand.LayoutHalten;

    emit Melder().KleineFensterVerbergenVerlangt(true);

    const bool mitTabelle = Einstellungen.MitWertetabelle != 0;
    Wertetabelle1->setChecked(mitTabelle);
    emit Melder().WertetabelleZeigenVerlangt(mitTabelle);

    // The graph window beside this one, not maximised (unless it keeps its
    // place: New from its own button, an example in presentation mode).
    emit Melder().GraphikNebenHauptfensterVerlangt(frameGeometry(), height());

    // The view of a new drawing, in the unit of length in force.
    TAnsicht neu;
    neu.Massstab = Zustand.Ansicht.Massstab;
    Zustand.Ansicht = neu;
    emit Melder().AnsichtGeaendert(this);
    if (Graphen1)
        Graphen1->setChecked(true);

    Zustand.Rechner.X = "0";
    Zustand.Rechner.T = "0";
    emit Melder().RechnerGeaendert(this);

    FunktionenNeu();
    Reset();
    if (Funktionen[1])
        Funktionen[1]->SetTerm("f(x) = x^2");
    Funktionen[0] = Funktionen[static_cast<std::size_t>(FunktionNr)];
    TFunktion* f = Funktionen[0];
    Edit1->setText(QStringLiteral("f(x) = x^2"));

    // Both input bars show function 1's colours and all the editor's texts
    // afresh (a step the graph window showed with more digits after an
    // example included).
    SchriftfarbenZeigen();

    // The graph window's interaction starts over with the origin tool, and
    // what the mouse made before is no longer there to take back.
    Modus = ModusUrsprung;
    emit Melder().WerkzeugeZuruecksetzenVerlangt(this);

    ComboBox1->setEditText(QStringLiteral("1."));
    GroupBox2->setTitle(Gruppentitel(141, FunktionNr));
    if (f) {
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

    // The equation's change handler runs also when the field held New's
    // equation already (and so did not run by itself): the calculator's
    // result is computed for the new x and t only there.
    Edit1Change();
    if (!halten) {
        ComboBox1->setFocus();
        Edit1->setFocus();
    } else {
        emit Melder().EingabeFokusVerlangt(false);
    }
    emit Melder().SpurfensterAnheftenVerlangt();

    WerkzeugfensterAuffrischen();
    if (QApplication::activeWindow() != Graphik)
        AlignForm();
}
