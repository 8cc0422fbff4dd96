#pragma once
// A started program for the tool window tests, with the font dialog answered
// by a fake as well, and the user's ways into a tool window: a click with the
// mouse, typing into an edit, a choice from a list.

#include "main/programm_fixture.h"

#include "graph/graphik.h"
#include "platform/canvas.h"
#include "platform/schriftdialog.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

struct FakeSchriftDialog : TSchriftDialog {
    std::optional<TFont> Antwort;
    std::vector<TFont> Vorgaben;
    std::optional<TFont> Waehle(const TFont& vorgabe) override
    {
        Vorgaben.push_back(vorgabe);
        return Antwort;
    }
};

// A mouse click on a button, check box or radio button, near its left edge
// where a check box has its box.
inline void Druecken(QAbstractButton* b)
{
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(4, b->height() / 2));
}

// Replaces what an edit holds as typing does: the edit reports the change
// as the user's (textEdited) and as a change (textChanged).
inline void Tippen(QLineEdit* e, const QString& text)
{
    e->selectAll();
    if (text.isEmpty())
        e->del();
    else
        e->insert(text);
}
inline void Tippen(QLineEdit* e, const char* text) { Tippen(e, QString::fromUtf8(text)); }

// A list choice as the user makes it: the list shows the item and reports
// it.
inline void Waehlen(QComboBox* liste, int index)
{
    liste->setCurrentIndex(index);
    emit liste->activated(index);
}

// The redraws the tool windows have asked for so far: the one place that
// knows how such a request travels to the graph window.
inline int Neuzeichnungen()
{
    int n = 0;
    for (const TWerkzeugfenster* w : std::initializer_list<const TWerkzeugfenster*>{
             PunkteDlg, KreiseDlg, BeschriftungDlg, SenkrechteDlg, FlaechenDlg, Uebersicht_Dlg})
        n += w->Neuzeichnungen();
    return n;
}

// The colour of the graph window's picture at view position (x, y), drawn at
// 700 x 600 pixels for the default view -5..6 x -2..8.
inline QColor BildFarbe(double x, double y)
{
    if (Graphik->width() != 700) {
        Graphik->resize(700, 600);
        Graphik->GraphikResize();
    }
    Graphik->BildCanvas->Flush();
    return Graphik->Bild.pixelColor(static_cast<int>(std::lround((x + 5) * Graphik->BildBreite / 11.0)),
                                    static_cast<int>(std::lround((8 - y) * Graphik->BildHoehe / 10.0)));
}

// Whether `w` paints again after `aktion`, once the pending events ran.
template <typename F>
bool NeuGemalt(QWidget* w, F aktion)
{
    struct TZaehler : QObject {
        int Bilder = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            Bilder += e->type() == QEvent::Paint;
            return false;
        }
    } zaehler;
    QApplication::processEvents();
    w->installEventFilter(&zaehler);
    aktion();
    QApplication::processEvents();
    w->removeEventFilter(&zaehler);
    return zaehler.Bilder > 0;
}

// The room inside a group box's frame and below its title.
inline QRect BoxInneres(const QGroupBox* box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, box);
}

// The caption of axis 1 or 2 as the drawing takes it.
inline QString Achsenname(int achse)
{
    return (achse == 1 ? Graphik->Edit1 : Graphik->Edit2)->text();
}

// The pressed states of a group of `n` buttons in which only button `index`
// (0-based) is pressed.
inline std::vector<bool> Nur(int index, int n)
{
    std::vector<bool> v(static_cast<std::size_t>(n));
    if (index >= 0 && index < n)
        v[static_cast<std::size_t>(index)] = true;
    return v;
}

// The face and style bits (fsBold ..) a control shows.
inline std::pair<std::string, int> Schriftbild(const QWidget* w)
{
    const QFont f = w->font();
    return {f.family().toStdString(), (f.bold() ? fsBold : 0) | (f.italic() ? fsItalic : 0) |
                                          (f.underline() ? fsUnderline : 0) | (f.strikeOut() ? fsStrikeOut : 0)};
}

// Ten colours, each unlike the others, for records that differ from their
// neighbours.
inline constexpr std::array<TColor, 10> Farbreihe = {clRed,    clNavy, clGreen, clPurple, clMaroon,
                                                     clTeal,   clOlive, clFuchsia, clGray, clLime};

// The slots in which a table differs from what it should hold.
template <typename T, int N>
std::vector<int> Abweichend(const TTabelle<T, N>& ist, const TTabelle<T, N>& soll)
{
    std::vector<int> v;
    for (int k = 1; k <= N; ++k)
        if (!(ist[k] == soll[k]))
            v.push_back(k);
    return v;
}
using Keine = std::vector<int>;

class WerkzeugTest : public ProgrammTest {
protected:
    FakeSchriftDialog SchriftDialog;

    void SetUp() override
    {
        ProgrammTest::SetUp();
        SetSchriftDialog(&SchriftDialog);
        Starten();
    }

    void TearDown() override
    {
        ProgrammTest::TearDown();
        SetSchriftDialog(nullptr);
    }

    static std::vector<bool> Gedrueckt(std::span<QToolButton* const> knoepfe)
    {
        std::vector<bool> v;
        for (const QToolButton* b : knoepfe)
            v.push_back(b->isChecked());
        return v;
    }
};
