// The data of the worked examples, one table per kind of row. Views are
// written XMin, XMax, YMin, YMax; label positions are centimetres from the
// view's top left corner as the label records hold them.

#include "main/beispiele.h"

#include <iterator>

namespace {

using B = TBeispielNr;

constexpr TColor Himmelblau = RGB(166, 202, 240);
constexpr int Achse = 13;  // curve code of the x axis

constexpr TBeispielGruppe Gruppen[] = {
    {"Verschiedene1", "Verschiedene2", "Geraden"},
    {"ParabelscharenII1", "Kurvenscharen1", "Kurvenscharen"},
    {"ParabelScharen1", "Parabelscharen2", "Parabelscharen"},
    {"Zahlenfolgen1", "Zahlenfolgen2", "Zahlenfolgen"},
    {"Rotationskrper1", "Rotationskrper2", "Rotationskörper"},
    {"Abitur1", "Abitur2", "Abitur"},
    {"Physik2", "Physik1", "Physik"},
    {"Zubehr2", "BeispieleZubehr1", "Beispiele Zubehör"},
};

// In the order of their menus.
constexpr TBeispiel Tabelle[] = {
    {.Nr = B::Geradensteigung, .Gruppe = 0, .Laden = "Geradensteigung1Click", .Haupt = "Geradensteigung1",
     .Huelle = "HauptformderGeradengleichung1Click", .Popup = "HauptformderGeradengleichung1",
     .Text = "Hauptform der Geradengleichung", .Ansicht = TBspAnsicht{-2, 6, -1, 7}, .Gitter = "0"},
    {.Nr = B::TangenteNormale, .Gruppe = 0, .Laden = "angente2Click", .Haupt = "angente2",
     .Huelle = "angenteundNormale1Click", .Popup = "angenteundNormale1", .Text = "Tangente und Normale",
     .Ansicht = TBspAnsicht{-2, 6, -1, 7}, .Gitter = "0"},

    {.Nr = B::Saegezahn, .Gruppe = 1, .Laden = "Sgezahn1Click", .Haupt = "Sgezahn1", .Huelle = "Sgezahnschar1Click",
     .Popup = "Sgezahnschar1", .Text = "Sägezahnschar", .Ansicht = TBspAnsicht{-7, 7, -1, 7}, .Gitter = "0"},
    {.Nr = B::Kolibri, .Gruppe = 1, .Laden = "Kolibri2Click", .Haupt = "Kolibri2", .Huelle = "Kolibri1Click",
     .Popup = "Kolibri1", .Text = "Kolibri", .Ansicht = TBspAnsicht{-6, 4, -8, 3}, .Gitter = "0", .Achsen = false},
    {.Nr = B::Sinusschar, .Gruppe = 1, .Laden = "Sinusschar1Click", .Haupt = "Sinusschar1",
     .Huelle = "Sinusschar2Click", .Popup = "Sinusschar2", .Text = "Sinusschar", .Ansicht = TBspAnsicht{-7, 7, -5, 5},
     .Gitter = "0"},

    {.Nr = B::Parabelschar1, .Gruppe = 2, .Laden = "Schar11Click", .Haupt = "Schar11",
     .Huelle = "Parabelschar11Click", .Popup = "Parabelschar11", .Text = "Parabelschar 1",
     .Ansicht = TBspAnsicht{-8, 8, -8, 8}, .Gitter = "0"},
    {.Nr = B::Parabelschar2, .Gruppe = 2, .Laden = "Schar21Click", .Haupt = "Schar21",
     .Huelle = "Parabelschar21Click", .Popup = "Parabelschar21", .Text = "Parabelschar 2",
     .Ansicht = TBspAnsicht{-7, 7, -2, 3}, .Gitter = "0"},
    {.Nr = B::Parabelschar3, .Gruppe = 2, .Laden = "Schar31Click", .Haupt = "Schar31",
     .Huelle = "Parabelschar31Click", .Popup = "Parabelschar31", .Text = "Parabelschar 3",
     .Ansicht = TBspAnsicht{-8, 8, -9, 7}, .Gitter = "0", .Achsen = false},
    {.Nr = B::Parabelschar4, .Gruppe = 2, .Laden = "ParabelSchar41Click", .Haupt = "ParabelSchar41",
     .Huelle = "Parabelschar42Click", .Popup = "Parabelschar42", .Text = "Parabelschar 4",
     .Ansicht = TBspAnsicht{-8, 8, -8, 8}, .Gitter = "0"},

    {.Nr = B::KonvergenteFolge, .Gruppe = 3, .Laden = "KonvergenteZahlenfolge1Click",
     .Haupt = "KonvergenteZahlenfolge1", .Huelle = "KonvergierendeZahlenfolge1Click",
     .Popup = "KonvergierendeZahlenfolge1", .Text = "Konvergente Zahlenfolge", .Ansicht = TBspAnsicht{-1, 13, -1, 6},
     .Gitter = "0", .XAchse = {"n"}, .YAchse = {"a(n)"}},
    {.Nr = B::AlternierendeFolge, .Gruppe = 3, .Laden = "AlternierendeFolge1Click", .Haupt = "AlternierendeFolge1",
     .Huelle = "AlternierendeZahlenfolge1Click", .Popup = "AlternierendeZahlenfolge1",
     .Text = "Alternierende Zahlenfolge", .Ansicht = TBspAnsicht{-1, 10, -4, 4}, .Gitter = "0", .XAchse = {"n"},
     .YAchse = {"a(n)"}, .TrackBar1 = -1, .TrackBar2 = 4, .Auswahl = 3},

    {.Nr = B::RotationX, .Gruppe = 4, .Laden = "angente1Click", .Haupt = "angente1",
     .Huelle = "RotationskrperumdiexAchse1Click", .Popup = "RotationskrperumdiexAchse1",
     .Text = "Rotationskörper um die x-Achse", .Ansicht = TBspAnsicht{-1, 12, -5, 6}, .Gitter = "2"},
    {.Nr = B::RotationY, .Gruppe = 4, .Laden = "Rotationskrperumy1Click", .Haupt = "Rotationskrperumy1",
     .Huelle = "RotationskrperumdieyAchse1Click", .Popup = "RotationskrperumdieyAchse1",
     .Text = "Rotationskörper um die y-Achse", .Ansicht = TBspAnsicht{-5, 6, -6, 9}, .Gitter = "0"},

    {.Nr = B::BW1999, .Gruppe = 5, .Laden = "GKBWrttemberg19991Click", .Haupt = "GKBWrttemberg19991",
     .Huelle = "GKBadenWrttemberg19991Click", .Popup = "GKBadenWrttemberg19991", .Text = "GK Baden-Württemberg 1999",
     .Ansicht = TBspAnsicht{-2, 10, -3, 6}, .Gitter = "0"},
    {.Nr = B::Hamburg2007, .Gruppe = 5, .Laden = "GKHansestadtHamburg20071Click",
     .Haupt = "GKHansestadtHamburg20071", .Huelle = "GKHansestadthamburg20072Click",
     .Popup = "GKHansestadthamburg20072", .Text = "GK Hansestadt Hamburg 2007", .Ansicht = TBspAnsicht{-1, 10, -1, 12},
     .Gitter = "4", .YAchse = {"y/100 000"}, .TrackBar1 = 4, .TrackBar2 = 10},
    {.Nr = B::Bayern2007, .Gruppe = 5, .Laden = "BadenWrttemberg20071Click", .Haupt = "BadenWrttemberg20071",
     .Huelle = "GKBayern20071Click", .Popup = "GKBayern20071", .Text = "GK Bayern 2007",
     .Ansicht = TBspAnsicht{-7, 7, -7, 7}, .Gitter = "0"},
    {.Nr = B::Berlin2007, .Gruppe = 5, .Laden = "GKBerlin20071Click", .Haupt = "GKBerlin20071",
     .Huelle = "GKBerlin20072Click", .Popup = "GKBerlin20072", .Text = "GK Berlin 2007",
     .Ansicht = TBspAnsicht{-1, 5, -4, 4}, .Gitter = "2"},
    {.Nr = B::BW2007, .Gruppe = 5, .Laden = "BadWrttemberg20071Click", .Haupt = "BadWrttemberg20071",
     .Huelle = "badenWrttemberg20072Click", .Popup = "badenWrttemberg20072", .Text = "Baden-Württemberg 2007",
     .Ansicht = TBspAnsicht{-5, 5, -2, 5}, .Gitter = "4"},
    {.Nr = B::LKBayern2002, .Gruppe = 5, .Laden = "LKBayern2002Click", .Haupt = "LKBayern2002",
     .Huelle = "LKBayern20021Click", .Popup = "LKBayern20021", .Text = "LK Bayern 2002",
     .Ansicht = TBspAnsicht{-4, 5, -5, 5}, .Gitter = "0"},
    {.Nr = B::LKBayern2007, .Gruppe = 5, .Laden = "LKBayern20071Click", .Haupt = "LKBayern20071",
     .Huelle = "LKBayern20072Click", .Popup = "LKBayern20072", .Text = "LK Bayern 2007",
     .Ansicht = TBspAnsicht{-1, 9, -3, 8}, .Gitter = "0"},
    {.Nr = B::LKBerlin2007, .Gruppe = 5, .Laden = "LKBerlin20071Click", .Haupt = "LKBerlin20071",
     .Huelle = "LKBerlin20072Click", .Popup = "LKBerlin20072", .Text = "LK Berlin 2007",
     .Ansicht = TBspAnsicht{-1, 6, -3, 3}, .Gitter = "0"},

    {.Nr = B::FreierFall, .Gruppe = 6, .Laden = "freierFall2Click", .Haupt = "freierFall2",
     .Huelle = "FreierFall1Click", .Popup = "FreierFall1", .Text = "Freier Fall", .Ansicht = TBspAnsicht{-1, 7, -6, 1},
     .Gitter = "1", .XAchse = {"", 193}, .YAchse = {"", 194}, .TrackBar1 = 5, .EinheitY = 10.0},
    {.Nr = B::Schwingung, .Gruppe = 6, .Laden = "gedmpfteSchwingung1Click", .Haupt = "gedmpfteSchwingung1",
     .Huelle = "GedmpfteSchwingung2Click", .Popup = "GedmpfteSchwingung2", .Text = "Gedämpfte Schwingung",
     .Ansicht = TBspAnsicht{-1, 7, -3, 3}, .Gitter = "5", .XAchse = {"", 193}, .YAchse = {"", 195}, .TrackBar2 = 2},
    {.Nr = B::Spannung, .Gruppe = 6, .Laden = "Spannung1Click", .Haupt = "Spannung1", .Huelle = "Spannung2Click",
     .Popup = "Spannung2", .Text = "Spannung", .Ansicht = TBspAnsicht{-2, 10, -5, 7}, .Gitter = "0", .XAchse = {""},
     .YAchse = {""}, .TrackBar2 = -3},

    {.Nr = B::ZubehoerSenkrechte, .Gruppe = 7, .Laden = "Senkrechte2Click", .Haupt = "Senkrechte2",
     .Huelle = "Senkrechte3Click", .Popup = "Senkrechte3", .Text = "Senkrechte", .Gitter = "0"},
    {.Nr = B::ZubehoerPunkte, .Gruppe = 7, .Laden = "Punkte2Click", .Haupt = "Punkte2", .Huelle = "Punkte3Click",
     .Popup = "Punkte3", .Text = "Punkte", .Gitter = "0"},
    {.Nr = B::ZubehoerKreise, .Gruppe = 7, .Laden = "Kreise2Click", .Haupt = "Kreise2", .Huelle = "Kreise3Click",
     .Popup = "Kreise3", .Text = "Kreise", .Gitter = "0"},
    {.Nr = B::ZubehoerFlaechen, .Gruppe = 7, .Laden = "Flchen2Click", .Haupt = "Flchen2", .Huelle = "Flchen3Click",
     .Popup = "Flchen3", .Text = "Flächen", .Gitter = "0"},
};
static_assert(std::size(Tabelle) == AnzahlBeispiele);

// Functions: example, number, term, x from, x to, colour, line style; a
// family adds its t range, step and second colour.
constexpr TBspFunktion Funktionen[] = {
    {B::Geradensteigung, 1, "y(x) = 2*x+3", -10, 10, clRed, 1},
    {B::Geradensteigung, 2, "f(x) = 3", 0, 1, clGreen, 1},
    {B::TangenteNormale, 1, "f(x) = x^2", -10, 10, clRed, 1},
    {B::TangenteNormale, 2, "t(x) = 3*x-2#25", -10, 10, clGreen, 4},
    {B::TangenteNormale, 3, "n(x) = -1/3*x+2,75", -10, 10, clBlue, 4},

    {B::Saegezahn, 1, "f(x,t) = abs(2^t*x-gauss(2^t*x+0.5))/2^t", -9, 9, clBlue, 1, true, -3, 3, 1, clBlue},
    {B::Kolibri, 1, "f(x,t) = exp(t+x)*log(t)", -5, 4, clRed, 1, true, 0, 2, 0.03, clGreen},
    {B::Sinusschar, 1, "f(x,t) = sin(t*x) * t^2", -9, 9, clBlue, 1, true, 0, 2, 0.05, clRed},

    {B::Parabelschar1, 1, "f(x,t) = 1/t*x^2-2*x+t+1/t", -8, 8, clRed, 0, true, -25, 25, 0.2, clOlive},
    {B::Parabelschar2, 1, "f(x,t) = 1/4*x^2+1/2*t*x+1/4*t^2-1", -8, 8, clPurple, 0, true, -20, 20, 0.5, clLime},
    {B::Parabelschar3, 1, "f(x,t) = 1/t*x^2-2*x+2-t^2", -8, 8, clBlue, 0, true, -5, 10, 0.1, clRed},
    {B::Parabelschar4, 1, "f(x,t) = t*x^2-3*t+2", -8, 8, clFuchsia, 0, true, -30, 30, 0.1, clAqua},

    {B::KonvergenteFolge, 1, "a(n) = (1+1/n)^n", 1, 20, clRed, 9},
    {B::KonvergenteFolge, 2, "lim(a) = exp(1)", -0.1, 20, clBlue, 0},
    {B::AlternierendeFolge, 3, "a(n) = (-0#8)^n", 1, 30, clRed, 10},
    {B::AlternierendeFolge, 1, "f(x) = (0#8)^x", 0, 30, clBlue, 0},
    {B::AlternierendeFolge, 2, "g(x) = -(0#8)^x", 0, 30, clBlue, 0},

    {B::RotationX, 1, "f1(x) = sqrt(x-1)", 0, 10, clRed, 1},
    {B::RotationX, 2, "f2(x) = -sqrt(x-1)", 0, 10, clRed, 1},
    {B::RotationX, 3, "e1(x) = sqrt(9/3^2-(x-10)^2)*3", 5, 12, clRed, 1},
    {B::RotationX, 4, "e2(x) = -sqrt(9/3^2-(x-10)^2)*3", 5, 12, clRed, 1},
    {B::RotationX, 5, "y(x) = 0", 10, 12, clBlack, 1},
    {B::RotationY, 1, "e3(x) = sqrt(9-(x-0)^2)/5-5", -3, 3, clRed, 6},
    {B::RotationY, 2, "e4(x) = -sqrt(9-(x-0)^2)/5-5", -3, 3, clRed, 1},
    // The range runs from right to left as designed; its twin, function 4,
    // runs the other way.
    {B::RotationY, 3, "e1(x) = sqrt(9-(x-0)^2)/5+7", -0.05, -3, clRed, 1},
    {B::RotationY, 4, "e1(x) = sqrt(9-(x-0)^2)/5+7", 0.02, 3, clRed, 1},
    {B::RotationY, 5, "e2(x) = -sqrt(9-(x-0)^2)/5+7", -3, 3, clRed, 1},
    {B::RotationY, 6, "f(x) = 2*x+1", -3, 3, clRed, 1},
    {B::RotationY, 7, "g(x) = -2*x+1", -3, 3, clRed, 1},

    {B::BW1999, 1, "f(x) = 1/6*x*(x-6)^2", -1, 9, clBlue, 1},
    {B::BW1999, 2, "y(x) = -2", -1, 2, clRed, 6},
    {B::Hamburg2007, 1, "K(x)= (0#02*x^3-18*x^2+6000*x+500000)/100000", 0, 1000, clBlue, 1},
    {B::Hamburg2007, 2, "E(x)= 5700*x/100000", 0, 1000, clGreen, 1},
    {B::Hamburg2007, 3, "P(x)= 3000*x/100000", 0, 1000, clRed, 5},
    {B::Bayern2007, 1, "f(x) = (x^2-3)/(x^2-9)", -8, 8, clBlue, 1},
    {B::Bayern2007, 2, "y(x) = 1", -8, 8, clRed, 6},
    {B::Berlin2007, 1, "f(x) = x*exp(1-x)", -8, 8, clBlue, 1},
    {B::Berlin2007, 2, "t(x) = -1/exp(1)*x+4*1/exp(1)", -8, 8, clRed, 6},
    {B::BW2007, 1, "f(x)= 4/(2+cos(Pi/2*x))", -4, 4, clBlue, 1},
    {B::LKBayern2002, 1, "g(x) = 4/(exp(x)+1)", -5, 5, clRed, 0},
    {B::LKBayern2002, 2, "h(x) = ln(4/x-1)", 0, 4, clBlue, 1},
    {B::LKBayern2002, 3, "h(x) = 4", -5, 0, clSilver, 4},
    {B::LKBayern2002, 4, "k(x) = x", 0, 5, clSilver, 4},
    {B::LKBayern2007, 1, "f(x)= x/ln(x)", 0, 8, clBlue, 1},
    {B::LKBerlin2007, 1, "f(x) = 4*sqrt(x)*exp(-1/2*x)", 0, 4, clBlue, 1},
    {B::LKBerlin2007, 2, "g(x) = 4/exp(1)^2*sqrt(16-3*x)", 4, 6, clRed, 1},
    {B::LKBerlin2007, 3, "f(x) = -4*sqrt(x)*exp(-1/2*x)", 0, 4, clBlue, 1},
    {B::LKBerlin2007, 4, "g(x) = -4/exp(1)^2*sqrt(16-3*x)", 4, 6, clRed, 1},

    {B::FreierFall, 1, "s(t) = -1/2*9#81*t^2", 0, 9, clBlue, 1},
    {B::FreierFall, 2, "v(t) = -9#81*t", 0, 9, clRed, 1},
    {B::Schwingung, 1, "y(t) = 2*exp(-t)*sin(4*Pi*t)", 0, 20, clBlue, 1},
    {B::Spannung, 1, "U(t) = 4*sin(2*Pi*t)", -50, 50, clBlue, 1},
    {B::Spannung, 2, "P(t) = (4*sin(2*Pi*t))^2/(2*1.5)", -50, 50, clRed, 1},

    // The accessory examples show their objects over an empty equation.
    {.Bsp = B::ZubehoerSenkrechte, .Nr = 1, .Term = "f(x) = ", .NurTerm = true},
    {.Bsp = B::ZubehoerPunkte, .Nr = 1, .Term = "f(x) = ", .NurTerm = true},
    {.Bsp = B::ZubehoerKreise, .Nr = 1, .Term = "f(x) = ", .NurTerm = true},
    {B::ZubehoerFlaechen, 1, "f(x) = x^2", -8, 8, clRed, 1},
    {B::ZubehoerFlaechen, 2, "g(x) = x+2", -8, 8, clBlue, 6},
};

// Points: example, slot, x, y, name, mark style, name position, colour.
constexpr TBspPunkt Punkte[] = {
    {B::TangenteNormale, 1, "1#5", "2#25", {"P"}, 3, 3, clRed},

    {B::BW1999, 1, "2", "5#33", {"H"}, 1, 2, clRed},
    {B::BW1999, 2, "4", "2#67", {"W"}, 1, 4, clRed},
    {B::BW1999, 3, "6", "0", {"T"}, 1, 2, clRed},
    {B::BW1999, 4, "-0#3", "-2", {"  S"}, 1, 3, clFuchsia},
    {B::Bayern2007, 1, "-1#73", "0", {"N"}, 3, 2, clRed},
    {B::Bayern2007, 2, "1#73", "0", {"N"}, 3, 2, clRed},
    {B::Bayern2007, 3, "0", "0#33", {"H"}, 3, 2, clRed},
    // Mark and name place as New left them.
    {B::Berlin2007, 1, "1", "1", {"H"}, 1, 4, clBlue},
    {B::Berlin2007, 2, "2", "0#736", {"W"}, 1, 4, clRed},
    {B::LKBayern2007, 1, "2#718", "2#718", {"E(e|e)"}, 1, 3, clRed},
    {B::LKBayern2007, 2, "0", "0", {""}, 2, 3, clRed},
    {B::LKBayern2007, 3, "7#4", "3#7", {"W(e²|e²/2)"}, 1, 3, clRed},

    {B::ZubehoerPunkte, 1, "-3", "1", {"G"}, 1, 4, clBlue},
    {B::ZubehoerPunkte, 2, "-1", "1", {"H"}, 2, 3, clBlue},
    {B::ZubehoerPunkte, 3, "1", "1", {"Z"}, 3, 2, clBlue},
    {B::ZubehoerPunkte, 4, "3", "1", {"J"}, 1, 1, clBlue},
    {B::ZubehoerPunkte, 5, "-2", "3", {"D"}, 3, 3, clGreen},
    {B::ZubehoerPunkte, 6, "0", "3", {"E"}, 3, 3, clGreen},
    {B::ZubehoerPunkte, 7, "2", "3", {"F"}, 3, 3, clGreen},
    {B::ZubehoerPunkte, 8, "-1", "5", {"B"}, 2, 2, clRed},
    {B::ZubehoerPunkte, 9, "1", "5", {"C"}, 2, 2, clRed},
    {B::ZubehoerPunkte, 10, "0", "7", {"A"}, 3, 4, clRed},
};

// Circles: example, k, line style, radius x, radius y, centre shown, fill,
// fill colour, then the centre: x, y, name, mark, name position, colour
// (also the circle's line colour). Circle 6 stays as New left it.
constexpr TBspKreis Kreise[] = {
    {B::ZubehoerKreise, 1, 1, "3", "3", "1", "1", clRed, "-3", "1", {"G"}, 1, 4, clBlue},
    {B::ZubehoerKreise, 2, 1, "1", "1", "1", "1", clYellow, "-1", "1", {"H"}, 1, 4, clBlue},
    {B::ZubehoerKreise, 3, 3, "0#5", "0#5", "1", "0", clYellow, "1", "1", {"Z"}, 1, 4, clBlue},
    {B::ZubehoerKreise, 4, 0, "2", "2", "1", "0", clYellow, "3", "1", {"J"}, 2, 4, clBlue},
    {B::ZubehoerKreise, 5, 0, "1", "0#5", "1", "1", clYellow, "-2", "3", {"D"}, 3, 3, clGreen},
    {B::ZubehoerKreise, 7, 3, "1", "1", "1", "0", clAqua, "3", "3", {"F"}, 1, 3, clGreen},
    {B::ZubehoerKreise, 8, 2, "2", "1", "1", "1", clLime, "-1", "5", {"B"}, 2, 2, clRed},
    {B::ZubehoerKreise, 9, 0, "1", "2", "0", "1", clLime, "1", "5", {""}, 2, 2, clRed},
    {B::ZubehoerKreise, 10, 1, "0#1", "0#1", "0", "1", clYellow, "0,5", "7,5", {"A  (", 217, ")"}, 3, 4, clBlue},
};

// Labels: example, text, position, colour, size.
constexpr TBspBeschriftung Beschriftungen[] = {
    {B::Geradensteigung, {"", 214}, 3.5, 5.2, clBlue, 12},
    {B::Geradensteigung, {"y = mx+c"}, 3.5, 6, clBlue, 12},
    {B::Geradensteigung, {"1"}, 2.5, 4.1, clGreen, 12},
    {B::Geradensteigung, {"m = 2"}, 3.3, 3, clGreen, 12},
    {B::Geradensteigung, {"c = 3"}, 0.4, 3.77, clRed, 12},
    {B::TangenteNormale, {"", 215}, 4.6, 2, clGreen, 12},
    {B::TangenteNormale, {"", 216}, 4.5, 5.7, clBlue, 12},
    {B::Saegezahn, {"", 196}, 1.2, 2, clBlue, 12},
    {B::KonvergenteFolge, {"", 225}, 8, 1, clBlue, 10},
    {B::KonvergenteFolge, {"", 245, " e"}, 8, 1.5, clBlue, 10},
    {B::AlternierendeFolge, {"", 227}, 5, 6.5, clBlue, 10},
    {B::AlternierendeFolge, {"", 245, " 0"}, 5, 7, clBlue, 10},
    {B::RotationX, {"", 211}, 1.5, 1.2, clBlue, 12},
    {B::RotationX, {"", 213}, 1.5, 2, clBlue, 12},
    {B::RotationY, {"", 211}, 1, 11.2, clBlue, 10},
    {B::RotationY, {"", 212}, 1, 11.9, clBlue, 10},
    {B::BW1999, {"K"}, 10, 1.5, clBlue, 12},
    {B::BW1999, {"", 192}, 4.5, 8, clBlack, 14},
    {B::Hamburg2007, {"", 200}, 2.2, 1.2, clBlack, 16},
    {B::Hamburg2007, {"E"}, 6, 5, clGreen, 12},
    {B::Hamburg2007, {"E"}, 6.1, 9.2, clBlack, 12},
    {B::Hamburg2007, {"min"}, 6.4, 9.4, clBlack, 10},
    {B::Hamburg2007, {"", 199}, 2.2, 3.2, clBlack, 14},
    {B::Bayern2007, {"", 205}, 10.5, 1.5, clBlue, 12},
    {B::Bayern2007, {"", 209}, 1, 1, clBlack, 14},
    {B::Bayern2007, {"2007"}, 1, 1.7, clBlack, 14},
    {B::Berlin2007, {"", 205}, 10.5, 1.5, clBlue, 12},
    {B::Berlin2007, {"", 210}, 3.1, 1.1, clBlack, 12},
    {B::Berlin2007, {"2007"}, 3.1, 1.7, clBlack, 12},
    {B::BW2007, {"K"}, 8, 2, clBlue, 12},
    {B::BW2007, {"", 191}, 1.2, 6.2, clBlack, 14},
    {B::LKBayern2002, {"", 189}, 0.5, 9.2, clBlack, 14},
    {B::LKBayern2002, {"h(x)"}, 4.5, 2.3, clBlue, 10},
    {B::LKBayern2007, {"", 190}, 5.5, 10, clBlack, 14},
    {B::LKBerlin2007, {"", 205}, 2, 0.2, clBlue, 8},
    {B::LKBerlin2007, {"", 206}, 5, 1.5, clRed, 8},
    {B::LKBerlin2007, {"", 207}, 3.2, 5, clBlack, 12},
    {B::LKBerlin2007, {"", 208}, 3.2, 5.5, clBlack, 8},
    {B::FreierFall, {"v(t) = -gt"}, 1.2, 3, clRed, 12},
    {B::FreierFall, {"s(t) = -0#5gt²"}, 1.5, 6, clBlue, 12},
    {B::Spannung, {"", 197}, 3, 0.2, clBlue, 12},
    {B::Spannung, {"", 198}, 3, 0.8, clRed, 12},
    {B::Spannung, {"t"}, 11.7, 7.2, clBlack, 12},
};

// Vertical segments: example, number, x, y from, y to, colour, line style.
constexpr TBspSenkrechte Senkrechte[] = {
    {B::Geradensteigung, 1, "1", "3", "5", clGreen, 1},
    {B::RotationY, 1, "0", "7", "8", clBlack, 1},
    {B::Bayern2007, 1, "-3", "8", "-8", clRed, 6},
    {B::Bayern2007, 2, "3", "8", "-8", clRed, 6},
    {B::LKBayern2002, 1, "4", "0", "-5", clSilver, 4},
    {B::LKBayern2007, 1, "1", "8", "-5", clSilver, 4},
    {B::ZubehoerSenkrechte, 1, "-3", "-1", "4", clRed, 0},
    {B::ZubehoerSenkrechte, 2, "-1", "-1", "5", clRed, 1},
    {B::ZubehoerSenkrechte, 3, "1", "-1", "6", clRed, 5},
    {B::ZubehoerSenkrechte, 4, "3", "-1", "7", clRed, 8},
};

// Areas: example, number, curve a, curve b, x from, x to, colour, strokes.
constexpr TBspFlaeche Flaechen[] = {
    {B::Geradensteigung, 1, 1, 2, "0", "1", clYellow},
    {B::RotationX, 1, 1, 2, "1", "10", clBlue},
    {B::RotationX, 2, 3, 4, "8", "12", clRed},
    {B::RotationY, 1, 3, 5, "-3", "3", Himmelblau},
    {B::RotationY, 2, 5, 7, "-3", "0", RGB(0, 0, 225)},
    {B::RotationY, 3, 5, 6, "0", "3", RGB(0, 0, 200)},
    {B::BW1999, 1, 1, Achse, "0", "6", clGreen},
    {B::Bayern2007, 1, 1, Achse, "1#73", "3", Himmelblau},
    {B::Bayern2007, 2, 1, Achse, "-1#73", "1#73", clYellow},
    {B::Berlin2007, 1, 1, Achse, "-2", "0", Himmelblau},
    {B::Berlin2007, 2, 1, Achse, "0", "5", clYellow},
    {B::LKBerlin2007, 1, 1, 3, "0", "4", clGreen},
    {B::LKBerlin2007, 2, 2, 4, "4", "6", clGreen},
    {B::FreierFall, 1, 2, Achse, "0", "9", clBlue, true},
    {B::Spannung, 1, 1, Achse, "-50", "50", clGreen},
    {B::Spannung, 2, 2, Achse, "-50", "50", clRed, true},
    {B::ZubehoerFlaechen, 1, 1, Achse, "-3", "0", Himmelblau},
    {B::ZubehoerFlaechen, 2, 1, 2, "-1", "2", clYellow},
    {B::ZubehoerFlaechen, 3, 1, 2, "0", "3", clAqua, true},
};

}  // namespace

std::span<const TBeispielGruppe> BeispielGruppen() { return Gruppen; }
std::span<const TBeispiel> Beispiele() { return Tabelle; }
std::span<const TBspFunktion> BeispielFunktionen() { return Funktionen; }
std::span<const TBspPunkt> BeispielPunkte() { return Punkte; }
std::span<const TBspKreis> BeispielKreise() { return Kreise; }
std::span<const TBspBeschriftung> BeispielBeschriftungen() { return Beschriftungen; }
std::span<const TBspSenkrechte> BeispielSenkrechte() { return Senkrechte; }
std::span<const TBspFlaeche> BeispielFlaechen() { return Flaechen; }

const TBeispiel& Beispiel(TBeispielNr nr)
{
    for (const TBeispiel& b : Tabelle) {
        if (b.Nr == nr)
            return b;
    }
    return Tabelle[0];
}
