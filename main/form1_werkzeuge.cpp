// The main window's toggles of the object tool windows and the overview.
// The tool bar buttons, the menu items and the graph window's tool bar all
// come here; the windows answer the request themselves (main/verbindungen.cpp).

#include "main/form1.h"

#include "platform/melder.h"

void TForm1::SpeedButton8Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Kreise);
}

void TForm1::Kreise1Click()
{
    SpeedButton8Click();
}

void TForm1::SpeedButton9Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Flaechen);
}

void TForm1::SpeedButton10Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Punkte);
}

void TForm1::SpeedButton11Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Senkrechte);
}

void TForm1::SpeedButton12Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Beschriftung);
}

void TForm1::Beschriftung1Click()
{
    SpeedButton12Click();
}

void TForm1::SpeedButton13Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Uebersicht);
}
