#include "tools/beschriftung_dlg.h"

#include "engine/tabellen.h"

TBeschriftungDlg* BeschriftungDlg = nullptr;

TBeschriftungDlg::TBeschriftungDlg(QWidget* parent)
    : TWerkzeugfenster("BeschriftungDlg", 351, QStringLiteral("Beschriftung"), 400, 443, parent)
{
    // The table holds its defaults from the window's creation on.
    BeschriftungenVorbelegen();
}

void TBeschriftungDlg::zeigeBeschr()
{
}

void TBeschriftungDlg::BeschriftungZuruecksetzen(int k)
{
    if (k < 1 || k > 9)
        return;
    TBeschriftung& b = Beschriftungen[k];
    b.Text.clear();
    b.X = 2.1;
    b.Y = k + (-0.2);
    b.Font.Name = "Tahoma";
    b.Font.Color = clBlack;
    b.Font.Size = 12;
    b.Font.Style = 0;
    b.Vorne = 1;
    zeigeBeschr();
    update();
}

void TBeschriftungDlg::VerschiebenLoesen()
{
}

void TBeschriftungDlg::VerschiebeKnoepfeFreigeben()
{
}

QLineEdit* TBeschriftungDlg::TextFeld(int /*k*/) const
{
    return nullptr;
}
