#include "main/beschriftung_tabelle.h"

#include "graph/graphik.h"
#include "main/info_dlg.h"
#include "tools/druck_dlg.h"
#include "tools/einheit_dlg.h"
#include "main/einstell_dlg.h"
#include "tools/export_dlg.h"
#include "main/form1.h"
#include "main/hotkey_dlg.h"
#include "tools/kopier_dlg.h"
#include "main/tasten_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/fensterhilfen.h"
#include "platform/sprache.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <map>
#include <array>
#include <limits>
#include <string_view>

namespace {

using F = TFensterNr;
using A = TBeschriftungsArt;

// Window by window in the order of application: captions and texts, then
// hints, then list items.
constexpr TBeschriftungsZeile Tabelle[] = {
    // TForm1
    {F::Form1, A::Text, "Datei1", 13},
    {F::Form1, A::Text, "Neu1", 14},
    {F::Form1, A::Text, "ffnen1", 15, "", "..."},
    {F::Form1, A::Text, "Speichernunter1", 16},
    {F::Form1, A::Text, "Drucken1", 17, "", "..."},
    {F::Form1, A::Text, "Druckereinrichtung1", 18, "", "..."},
    {F::Form1, A::Text, "Beenden1", 19},
    {F::Form1, A::Text, "GraphenalsBitmap1", 69},
    {F::Form1, A::Text, "GraphenalsMetadatei1", 127},
    {F::Form1, A::Text, "WertetabelleinZwischenablage1", 32},
    {F::Form1, A::Text, "WertetabelleanExcel1", 33},
    {F::Form1, A::Text, "WertetabelleanWord1", 34},
    {F::Form1, A::Text, "Beispiele2", 20},
    {F::Form1, A::Text, "Verschiedene1", 119},
    {F::Form1, A::Text, "Geradensteigung1", 22},
    {F::Form1, A::Text, "angente2", 23},
    {F::Form1, A::Text, "angente1", 24},
    {F::Form1, A::Text, "Rotationskrperumy1", 25},
    {F::Form1, A::Text, "ParabelscharenII1", 26},
    {F::Form1, A::Text, "Sgezahn1", 27},
    {F::Form1, A::Text, "Kolibri2", 28},
    {F::Form1, A::Text, "Sinusschar1", 29},
    {F::Form1, A::Text, "ParabelScharen1", 30},
    {F::Form1, A::Text, "Schar11", 31, "", " 1"},
    {F::Form1, A::Text, "Schar21", 31, "", " 2"},
    {F::Form1, A::Text, "Schar31", 31, "", " 3"},
    {F::Form1, A::Text, "ParabelSchar41", 31, "", " 4"},
    {F::Form1, A::Text, "Autor1", 35},
    {F::Form1, A::Text, "Abitur1", 36},
    {F::Form1, A::Text, "GKBWrttemberg19991", 37},
    {F::Form1, A::Text, "GKHansestadtHamburg20071", 38},
    {F::Form1, A::Text, "BadenWrttemberg20071", 39},
    {F::Form1, A::Text, "GKBerlin20071", 40},
    {F::Form1, A::Text, "BadWrttemberg20071", 41},
    {F::Form1, A::Text, "LKBayern2002", 42},
    {F::Form1, A::Text, "LKBayern20071", 43},
    {F::Form1, A::Text, "LKBerlin20071", 44},
    {F::Form1, A::Text, "Physik2", 45},
    {F::Form1, A::Text, "freierFall2", 46},
    {F::Form1, A::Text, "gedmpfteSchwingung1", 47},
    {F::Form1, A::Text, "Spannung1", 48},
    {F::Form1, A::Text, "Zubehr2", 49},
    {F::Form1, A::Text, "Senkrechte2", 50},
    {F::Form1, A::Text, "Punkte2", 51},
    {F::Form1, A::Text, "Kreise2", 52},
    {F::Form1, A::Text, "Flchen2", 53},
    {F::Form1, A::Text, "Zahlenfolgen1", 21},
    {F::Form1, A::Text, "Rotationskrper1", 211},
    {F::Form1, A::Text, "KonvergenteZahlenfolge1", 225},
    {F::Form1, A::Text, "AlternierendeFolge1", 227},
    {F::Form1, A::Text, "Verschiedene2", 119},
    {F::Form1, A::Text, "HauptformderGeradengleichung1", 22},
    {F::Form1, A::Text, "angenteundNormale1", 23},
    {F::Form1, A::Text, "Zahlenfolgen2", 21},
    {F::Form1, A::Text, "KonvergierendeZahlenfolge1", 225},
    {F::Form1, A::Text, "AlternierendeZahlenfolge1", 227},
    {F::Form1, A::Text, "Rotationskrper2", 211},
    {F::Form1, A::Text, "RotationskrperumdiexAchse1", 24},
    {F::Form1, A::Text, "RotationskrperumdieyAchse1", 25},
    {F::Form1, A::Text, "Kurvenscharen1", 26},
    {F::Form1, A::Text, "Sgezahnschar1", 27},
    {F::Form1, A::Text, "Kolibri1", 28},
    {F::Form1, A::Text, "Sinusschar2", 29},
    {F::Form1, A::Text, "Parabelscharen2", 30},
    {F::Form1, A::Text, "Parabelschar11", 31, "", " 1"},
    {F::Form1, A::Text, "Parabelschar21", 31, "", " 2"},
    {F::Form1, A::Text, "Parabelschar31", 31, "", " 3"},
    {F::Form1, A::Text, "Parabelschar42", 31, "", " 4"},
    {F::Form1, A::Text, "Abitur2", 36},
    {F::Form1, A::Text, "GKBadenWrttemberg19991", 37},
    {F::Form1, A::Text, "GKHansestadthamburg20072", 38},
    {F::Form1, A::Text, "GKBayern20071", 39},
    {F::Form1, A::Text, "GKBerlin20072", 40},
    {F::Form1, A::Text, "badenWrttemberg20072", 41},
    {F::Form1, A::Text, "LKBayern20021", 42},
    {F::Form1, A::Text, "LKBayern20072", 43},
    {F::Form1, A::Text, "LKBerlin20072", 44},
    {F::Form1, A::Text, "Physik1", 45},
    {F::Form1, A::Text, "FreierFall1", 46},
    {F::Form1, A::Text, "GedmpfteSchwingung2", 47},
    {F::Form1, A::Text, "Spannung2", 48},
    {F::Form1, A::Text, "BeispieleZubehr1", 49},
    {F::Form1, A::Text, "Senkrechte3", 50},
    {F::Form1, A::Text, "Punkte3", 51},
    {F::Form1, A::Text, "Kreise3", 52},
    {F::Form1, A::Text, "Flchen3", 53},
    {F::Form1, A::Text, "Sound1", 128},
    {F::Form1, A::Text, "Maeinheit1", 555},
    {F::Form1, A::Text, "Zubehr1", 54},
    {F::Form1, A::Text, "bersicht1", 55},
    {F::Form1, A::Text, "Beschriftung1", 56},
    {F::Form1, A::Text, "Senkrechte1", 50},
    {F::Form1, A::Text, "Punkte1", 51},
    {F::Form1, A::Text, "Kreise1", 52},
    {F::Form1, A::Text, "Flchen1", 53},
    {F::Form1, A::Text, "Fenster1", 57},
    {F::Form1, A::Text, "Wertetabelle1", 129},
    {F::Form1, A::Text, "Graphen1", 59},
    {F::Form1, A::Text, "Hilfe1", 60},
    {F::Form1, A::Text, "Inhalt1", 61},
    {F::Form1, A::Text, "Suchen1", 62},
    {F::Form1, A::Text, "Videotutorial1", 63},
    {F::Form1, A::Text, "Video1LineareFunktion1", 64},
    {F::Form1, A::Text, "Video2ZweiteFunktion1", 65},
    {F::Form1, A::Text, "deutsch1", 66},
    {F::Form1, A::Text, "english1", 67},
    {F::Form1, A::Text, "franzsisch1", 68},
    {F::Form1, A::Text, "Kopieren1", 18},
    {F::Form1, A::Text, "astensteuerung1", 567},
    {F::Form1, A::Text, "Hotkeys2", 70},
    {F::Form1, A::Text, "Einstellungen2", 71},
    {F::Form1, A::Text, "ber1", 77, "", "..."},
    {F::Form1, A::Text, "Sprache1", 78},
    {F::Form1, A::Text, "Start1", 79},
    {F::Form1, A::Text, "mitWertetabellestarten1", 80},
    {F::Form1, A::Text, "eigeneEinstellungenverwenden1", 81},
    {F::Form1, A::Text, "ransparenzderZubehrfenster1", 126},
    {F::Form1, A::Text, "LineareFunktion2", 83},
    {F::Form1, A::Text, "ParallelezurxAchse1", 84},
    {F::Form1, A::Text, "Ursprungsgerade2", 85},
    {F::Form1, A::Text, "Gerademitm2undb12", 86},
    {F::Form1, A::Text, "QuadratischeFunktion1", 87},
    {F::Form1, A::Text, "Normalparabel2", 88},
    {F::Form1, A::Text, "Normalparabel3", 89},
    {F::Form1, A::Text, "Normalparabel1nachrechts2nachunten1", 90},
    {F::Form1, A::Text, "Parbel2Gradesa1", 91},
    {F::Form1, A::Text, "Potenzfunktionen1", 92},
    {F::Form1, A::Text, "Parabel3Grades1", 93},
    {F::Form1, A::Text, "Hyperbel1", 94},
    {F::Form1, A::Text, "Wurzelfunktionen1", 95},
    {F::Form1, A::Text, "Quadratwurzel1", 96},
    {F::Form1, A::Text, "Kubikwurzel1", 97},
    {F::Form1, A::Text, "Halbkreis1", 98},
    {F::Form1, A::Text, "Exponentialfunktion1", 99},
    {F::Form1, A::Text, "Basis21", 100},
    {F::Form1, A::Text, "eFunktion2", 101},
    {F::Form1, A::Text, "Wachstumsfunktion2", 102},
    {F::Form1, A::Text, "Zerfallsfunktion2", 103},
    {F::Form1, A::Text, "Logarithmusfunktion1", 104},
    {F::Form1, A::Text, "zurBasis21", 105},
    {F::Form1, A::Text, "zurBasis101", 106},
    {F::Form1, A::Text, "zurBasise1", 107},
    {F::Form1, A::Text, "Winkelfunktionen1", 108},
    {F::Form1, A::Text, "Sinusfunktion1", 109},
    {F::Form1, A::Text, "phasenverschobenerKosinus1", 110},
    {F::Form1, A::Text, "Arcustangens1", 111},
    {F::Form1, A::Text, "ganzrationaleFunktion2", 112},
    {F::Form1, A::Text, "N4GradesNullstellen1und21", 113},
    {F::Form1, A::Text, "N4Gradesa2b3c1d1e31", 114},
    {F::Form1, A::Text, "gebrochenrationaleFunktion2", 115},
    {F::Form1, A::Text, "PolohneVZW2", 116},
    {F::Form1, A::Text, "PolmitVZW2", 117},
    {F::Form1, A::Text, "Funktionenscharen1", 118},
    {F::Form1, A::Text, "Geraden1", 119},
    {F::Form1, A::Text, "Parabeln1", 120},
    {F::Form1, A::Text, "Potenzfunktionen2", 121},
    {F::Form1, A::Text, "Hyperbeln1", 122},
    {F::Form1, A::Text, "Sinusfunktionen2", 123},
    {F::Form1, A::Text, "eFunktionen3", 124},
    {F::Form1, A::Text, "Interaktiv2", 507},
    {F::Form1, A::Text, "I1", 264},
    {F::Form1, A::Text, "I2", 381},
    {F::Form1, A::Text, "I3", 538},
    {F::Form1, A::Text, "I4", 512},
    {F::Form1, A::Text, "I5", 148},
    {F::Form1, A::Text, "I6", 548},
    {F::Form1, A::Text, "I7", 549},
    {F::Form1, A::Text, "I8", 215},
    {F::Form1, A::Text, "I9", 216},
    {F::Form1, A::Text, "I10", 535},
    {F::Form1, A::Text, "SpeedButton3", 14},
    {F::Form1, A::Text, "SpeedButton14", 13},
    {F::Form1, A::Text, "SpeedButton16", 20},
    {F::Form1, A::Text, "SpeedButton1", 17},
    {F::Form1, A::Text, "SpeedButton2", 18},
    {F::Form1, A::Text, "SpeedButton4", 132},
    {F::Form1, A::Text, "SpeedButton5", 133},
    {F::Form1, A::Text, "Label4", 142},
    {F::Form1, A::Text, "Label6", 143},
    {F::Form1, A::Text, "Label5", 144},
    {F::Form1, A::Text, "Label7", 145},
    {F::Form1, A::Text, "Label8", 146},
    {F::Form1, A::Text, "SpeedButton13", 55},
    {F::Form1, A::Text, "SpeedButton12", 56},
    {F::Form1, A::Text, "SpeedButton11", 50},
    {F::Form1, A::Text, "SpeedButton10", 51},
    {F::Form1, A::Text, "SpeedButton8", 52},
    {F::Form1, A::Text, "SpeedButton9", 53},
    {F::Form1, A::Text, "GroupBox3", 54, " ", " "},
    {F::Form1, A::Text, "BWurzel", 136},
    {F::Form1, A::Text, "BQuadrat", 137},
    {F::Form1, A::Text, "BBetrag", 138},
    {F::Form1, A::Text, "BRunde", 139},
    {F::Form1, A::Text, "BSignum", 140},
    {F::Form1, A::Text, "Interaktiv1", 556},
    // The library button says what its hint says, in every language.
    {F::Form1, A::Text, "SitBtn3", 235},
    {F::Form1, A::Hinweis, "Suchen1", 524},
    {F::Form1, A::Hinweis, "Video1LineareFunktion1", 522},
    {F::Form1, A::Hinweis, "Video2ZweiteFunktion1", 523},
    {F::Form1, A::Hinweis, "Inhalt1", 521},
    {F::Form1, A::Hinweis, "SpeedButton3", 224},
    {F::Form1, A::Hinweis, "SpeedButton14", 282},
    {F::Form1, A::Hinweis, "SpeedButton16", 283},
    {F::Form1, A::Hinweis, "SpeedButton1", 17, "", "..."},
    {F::Form1, A::Hinweis, "SpeedButton2", 228},
    {F::Form1, A::Hinweis, "SpeedButton4", 229},
    {F::Form1, A::Hinweis, "SpeedButton5", 230},
    {F::Form1, A::Hinweis, "ComboBox1", 231},
    {F::Form1, A::Hinweis, "Edit1", 232},
    {F::Form1, A::Hinweis, "BitBtn1", 233},
    {F::Form1, A::Hinweis, "BitBtn2", 234},
    {F::Form1, A::Hinweis, "SitBtn3", 235},
    {F::Form1, A::Hinweis, "Bfvonx", 236},
    {F::Form1, A::Hinweis, "Bfvonxt", 237},
    {F::Form1, A::Hinweis, "Evonx", 238},
    {F::Form1, A::Hinweis, "Ebisx", 239},
    {F::Form1, A::Hinweis, "ComboBox2", 240},
    {F::Form1, A::Hinweis, "SFarbe2", 247},
    {F::Form1, A::Hinweis, "Evont", 248},
    {F::Form1, A::Hinweis, "Ebist", 249},
    {F::Form1, A::Hinweis, "Estept", 250},
    {F::Form1, A::Hinweis, "SpeedButton13", 241},
    {F::Form1, A::Hinweis, "SpeedButton12", 242},
    {F::Form1, A::Hinweis, "SpeedButton11", 243},
    {F::Form1, A::Hinweis, "SpeedButton10", 244},
    {F::Form1, A::Hinweis, "SpeedButton8", 176, "", "..."},
    {F::Form1, A::Hinweis, "SpeedButton9", 246},
    // The address of the further examples, opened like the help links.
    {F::Form1, A::Hinweis, "Autor1", 519},

    // TGraphik
    {F::Graphik, A::Text, "", 59},
    {F::Graphik, A::Text, "SoundBox", 128},
    {F::Graphik, A::Text, "SpeedButton15", 14},
    {F::Graphik, A::Text, "SpeedButton4", 13},
    {F::Graphik, A::Text, "SpeedButton8", 17},
    {F::Graphik, A::Text, "SpeedButton13", 18},
    {F::Graphik, A::Text, "SpeedButton14", 20},
    {F::Graphik, A::Text, "SpeedButton7", 55},
    {F::Graphik, A::Text, "SpeedButton12", 56},
    {F::Graphik, A::Text, "SpeedButton11", 50},
    {F::Graphik, A::Text, "SpeedButton10", 51},
    {F::Graphik, A::Text, "SpeedButton16", 52},
    {F::Graphik, A::Text, "SpeedButton9", 53},
    {F::Graphik, A::Text, "SpeedButton5", 260},
    {F::Graphik, A::Text, "SpeedButton17", 229},
    {F::Graphik, A::Text, "GroupBox1", 262, " ", " "},
    {F::Graphik, A::Text, "GroupBox2", 255, " ", " "},
    {F::Graphik, A::Text, "CB2", 257},
    {F::Graphik, A::Text, "CB4", 258},
    {F::Graphik, A::Text, "CB3", 262},
    {F::Graphik, A::Text, "GroupBox3", 259, " ", " "},
    {F::Graphik, A::Text, "Label5", 142},
    {F::Graphik, A::Text, "Label7", 261},
    {F::Graphik, A::Text, "Label6", 144},
    {F::Graphik, A::Text, "Label8", 261},
    {F::Graphik, A::Text, "Label9", 146},
    {F::Graphik, A::Text, "BeschriftButton", 56},
    {F::Graphik, A::Text, "KreisButton", 148},
    {F::Graphik, A::Text, "Senkrechtebutton", 173},
    {F::Graphik, A::Text, "UrsprungButton", 264},
    {F::Graphik, A::Text, "PunktButton", 512},
    {F::Graphik, A::Text, "TangenteButton", 215},
    {F::Graphik, A::Text, "NormaleButton", 216},
    {F::Graphik, A::Text, "Tracebutton", 263},
    {F::Graphik, A::Text, "InteraktivBox", 507},
    {F::Graphik, A::Text, "AktivBox", 507, " ", " "},
    {F::Graphik, A::Text, "CheckBox2", 509},
    {F::Graphik, A::Text, "GeradeButton", 530},
    {F::Graphik, A::Text, "ParabelButton", 531},
    {F::Graphik, A::Text, "ffnen1", 15, "", "..."},
    {F::Graphik, A::Text, "Speichern1", 16},
    {F::Graphik, A::Text, "Label12", 366},
    {F::Graphik, A::Hinweis, "SpeedButton17", 229},
    {F::Graphik, A::Hinweis, "Edit1", 268},
    {F::Graphik, A::Hinweis, "Edit2", 269},
    {F::Graphik, A::Hinweis, "ComboBox2", 272},
    {F::Graphik, A::Hinweis, "ComboBox1", 273},
    {F::Graphik, A::Hinweis, "ComboBox2a", 272},
    {F::Graphik, A::Hinweis, "ComboBox1a", 273},
    {F::Graphik, A::Hinweis, "SpeedButton1", 274},
    {F::Graphik, A::Hinweis, "SpeedButton3", 275},
    {F::Graphik, A::Hinweis, "SpeedButton2", 276},
    {F::Graphik, A::Hinweis, "SpeedButton6", 277},
    {F::Graphik, A::Hinweis, "ComboStrich", 281},
    {F::Graphik, A::Hinweis, "CB2", 278},
    {F::Graphik, A::Hinweis, "CB4", 279},
    {F::Graphik, A::Hinweis, "CB3", 280},
    {F::Graphik, A::Hinweis, "ComboBox3", 231},
    {F::Graphik, A::Hinweis, "Edit3", 232},
    {F::Graphik, A::Hinweis, "SitBtn3", 235},
    {F::Graphik, A::Hinweis, "Evonx", 238},
    {F::Graphik, A::Hinweis, "Ebisx", 239},
    {F::Graphik, A::Hinweis, "ComboBox4", 240},
    {F::Graphik, A::Hinweis, "SFarbe", 147},
    {F::Graphik, A::Hinweis, "SFarbe2", 247},
    {F::Graphik, A::Hinweis, "Evont", 248},
    {F::Graphik, A::Hinweis, "Ebist", 249},
    {F::Graphik, A::Hinweis, "Estept", 250},
    {F::Graphik, A::Hinweis, "SpeedButton15", 224},
    {F::Graphik, A::Hinweis, "SpeedButton4", 282},
    {F::Graphik, A::Hinweis, "SpeedButton8", 17, "", "..."},
    {F::Graphik, A::Hinweis, "SpeedButton13", 228},
    {F::Graphik, A::Hinweis, "SpeedButton14", 283},
    {F::Graphik, A::Hinweis, "SpeedButton7", 241},
    {F::Graphik, A::Hinweis, "SpeedButton12", 242},
    {F::Graphik, A::Hinweis, "SpeedButton11", 243},
    {F::Graphik, A::Hinweis, "SpeedButton10", 244},
    {F::Graphik, A::Hinweis, "SpeedButton16", 176, "", "..."},
    {F::Graphik, A::Hinweis, "SpeedButton9", 246},
    {F::Graphik, A::Hinweis, "BeschriftButton", 476},
    {F::Graphik, A::Hinweis, "KreisButton Senkrechtebutton", 266},
    {F::Graphik, A::Hinweis, "UrsprungButton", 284},
    {F::Graphik, A::Hinweis, "PunktButton Tracebutton TangenteButton NormaleButton", 266},
    {F::Graphik, A::Hinweis, "InteraktivBox", 556},
    {F::Graphik, A::Hinweis, "GeradeButton", 548},
    {F::Graphik, A::Hinweis, "ParabelButton", 549},
    {F::Graphik, A::Hinweis, "BitBtn1", 285},
    {F::Graphik, A::Hinweis, "BitBtn2", 286},
    {F::Graphik, A::Hinweis, "StatusBar1", 287},
    {F::Graphik, A::Hinweis, "Shape2", 532},
    {F::Graphik, A::Hinweis, "Shape3 Shape4 Shape5", 533},
    {F::Graphik, A::Hinweis, "cm1 cm2 cm3", 563},
    {F::Graphik, A::Hinweis, "SoundBox", 128, "", "?"},
    {F::Graphik, A::Hinweis, "TrackBar2", 344, "", " 1/2 in"},
    {F::Graphik, A::Hinweis, "TrackBar1", 345, "", " 1/2 in"},

    // TForm2
    {F::Form2, A::Text, "GroupBox6", 303, " ", " "},
    {F::Form2, A::Text, "Label1", 305},
    {F::Form2, A::Text, "Label3", 304},
    {F::Form2, A::Text, "Label4", 306},
    {F::Form2, A::Text, "GroupBox1", 307, " ", " "},
    {F::Form2, A::Text, "LabelBeschr", 308},
    {F::Form2, A::Text, "SpeedButton1", 17},
    {F::Form2, A::Text, "SpeedButton3", 18},
    {F::Form2, A::Text, "SpeedButton5", 309},
    {F::Form2, A::Text, "SpeedButton2", 310},
    {F::Form2, A::Hinweis, "Edit2", 315},
    {F::Form2, A::Hinweis, "Edit3", 316},
    {F::Form2, A::Hinweis, "EditErgebnis", 317},
    {F::Form2, A::Hinweis, "TrackBar2", 318},
    {F::Form2, A::Hinweis, "SpeedButton1", 319},
    {F::Form2, A::Hinweis, "SpeedButton3", 320},
    {F::Form2, A::Hinweis, "SpeedButton5", 321},
    {F::Form2, A::Hinweis, "SpeedButton2", 322},
    {F::Form2, A::Hinweis, "StringGrid1 GroupBox1", 323},
    {F::Form2, A::Hinweis, "BitBtn1", 285},

    // TUebersicht_Dlg
    {F::Uebersicht, A::Text, "", 55},
    {F::Uebersicht, A::Text, "GroupBox3", 370, " ", " "},
    {F::Uebersicht, A::Text, "Label56", 371},
    {F::Uebersicht, A::Text, "Label2 Label5 Label13 Label19 Label25 Label31 Label37 Label43", 142},
    {F::Uebersicht, A::Text, "Label49", 142},
    {F::Uebersicht, A::Text, "Label7 Label4 Label15 Label21 Label27 Label33 Label39 Label45", 261},
    {F::Uebersicht, A::Text, "Label51 Label8 Label10 Label16 Label22 Label28 Label34 Label40", 261},
    {F::Uebersicht, A::Text, "Label46 Label52", 261},
    {F::Uebersicht, A::Text, "Label6 Label3 Label14 Label20 Label26 Label32 Label38 Label44", 144},
    {F::Uebersicht, A::Text, "Label50", 144},
    {F::Uebersicht, A::Text, "Label9 Label11 Label17 Label23 Label29 Label35 Label41 Label47", 146},
    {F::Uebersicht, A::Text, "Label53", 146},
    {F::Uebersicht, A::Text, "Label55", 337},
    {F::Uebersicht, A::Text, "OKBtn", 336},
    {F::Uebersicht, A::Hinweis, "SpeedButton17", 372, "1. ", ""},
    {F::Uebersicht, A::Hinweis, "SpeedButton18", 372, "2. ", ""},
    {F::Uebersicht, A::Hinweis, "SpeedButton19", 372, "3. ", ""},
    {F::Uebersicht, A::Hinweis, "SpeedButton20", 372, "4. ", ""},
    {F::Uebersicht, A::Hinweis, "Edit1 Edit3 Edit8 Edit14 Edit20 Edit26 Edit32 Edit38 Edit44", 232},
    {F::Uebersicht, A::Hinweis, "Evonx Edit2 Edit9 Edit15 Edit21 Edit27 Edit33 Edit39 Edit45", 238},
    {F::Uebersicht, A::Hinweis, "Ebisx Edit5 Edit11 Edit17 Edit23 Edit29 Edit35 Edit41 Edit47", 239},
    {F::Uebersicht, A::Hinweis, "Evont Edit4 Edit10 Edit16 Edit22 Edit28 Edit34 Edit40 Edit46", 248},
    {F::Uebersicht, A::Hinweis, "Ebist Edit6 Edit12 Edit18 Edit24 Edit30 Edit36 Edit42 Edit48", 249},
    {F::Uebersicht, A::Hinweis, "Estept Edit7 Edit13 Edit19 Edit25 Edit31 Edit37 Edit43 Edit49", 250},
    {F::Uebersicht, A::Hinweis, "SFarbe SpeedButton1 SpeedButton3 SpeedButton5 SpeedButton7", 147},
    {F::Uebersicht, A::Hinweis, "SpeedButton9 SpeedButton11 SpeedButton13 SpeedButton15", 147},
    {F::Uebersicht, A::Hinweis, "SFarbe2 SpeedButton2 SpeedButton4 SpeedButton6 SpeedButton8", 247},
    {F::Uebersicht, A::Hinweis, "SpeedButton10 SpeedButton12 SpeedButton14 SpeedButton16", 247},
    {F::Uebersicht, A::Hinweis, "ComboBox4 ComboBox1 ComboBox2 ComboBox3 ComboBox5 ComboBox6", 240},
    {F::Uebersicht, A::Hinweis, "ComboBox7 ComboBox8 ComboBox9", 240},

    // TPunkteDlg
    {F::Punkte, A::Text, "", 51},
    {F::Punkte, A::Text, "Label55", 337},
    {F::Punkte, A::Text, "OKBtn", 336},
    {F::Punkte, A::Text, "GroupBox1", 51, " ", " "},

    // TKreiseDlg
    {F::Kreise, A::Text, "", 176},
    {F::Kreise, A::Text, "Label55", 337},
    {F::Kreise, A::Text, "OKBtn", 336},
    {F::Kreise, A::Text, "GroupBox1", 376, " 1. ", " "},
    {F::Kreise, A::Text, "GroupBox5", 376, " 2. ", " "},
    {F::Kreise, A::Text, "GroupBox9", 376, " 3. ", " "},
    {F::Kreise, A::Text, "GroupBox13", 376, " 4. ", " "},
    {F::Kreise, A::Text, "GroupBox17", 376, " 5. ", " "},
    {F::Kreise, A::Text, "GroupBox21", 376, " 6. ", " "},
    {F::Kreise, A::Text, "GroupBox25", 376, " 7. ", " "},
    {F::Kreise, A::Text, "GroupBox29", 376, " 8. ", " "},
    {F::Kreise, A::Text, "GroupBox33", 376, " 9. ", " "},
    {F::Kreise, A::Text, "GroupBox37", 376, " 10. ", " "},
    {F::Kreise, A::Text, "Label35 Label9 Label16 Label23 Label31 Label41 Label48 Label56", 377},
    {F::Kreise, A::Text, "Label63 Label70", 377},
    {F::Kreise, A::Text, "GroupBox2 GroupBox6 GroupBox10 GroupBox14 GroupBox18 GroupBox22", 396, " ", " "},
    {F::Kreise, A::Text, "GroupBox26 GroupBox30 GroupBox34 GroupBox38", 396, " ", " "},
    {F::Kreise, A::Text, "Label28 Label8 Label15 Label22 Label30 Label40 Label47 Label54", 378},
    {F::Kreise, A::Text, "Label62 Label69", 378},
    {F::Kreise, A::Text, "Label7 Label14 Label21 Label32 Label29 Label39 Label46 Label53", 379},
    {F::Kreise, A::Text, "Label61 Label68", 379},
    {F::Kreise, A::Text, "CheckBox1 CheckBox3 CheckBox6 CheckBox9 CheckBox12 CheckBox15", 380},
    {F::Kreise, A::Text, "CheckBox18 CheckBox21 CheckBox24 CheckBox27", 380},
    {F::Kreise, A::Text, "Label36 Label10 Label17 Label24 Label33 Label42 Label49 Label57", 381},
    {F::Kreise, A::Text, "Label64 Label71", 381},
    {F::Kreise, A::Text, "GroupBox3 GroupBox7 GroupBox11 GroupBox15 GroupBox19 GroupBox23", 382, " ", " "},
    {F::Kreise, A::Text, "GroupBox27 GroupBox31 GroupBox35 GroupBox39", 382, " ", " "},
    {F::Kreise, A::Text, "SFarbe SpeedButton5 SpeedButton10 SpeedButton15 SpeedButton20", 147},
    {F::Kreise, A::Text, "SpeedButton25 SpeedButton34 SpeedButton39 SpeedButton19", 147},
    {F::Kreise, A::Text, "SpeedButton75", 147},
    {F::Kreise, A::Text, "GroupBox4 GroupBox8 GroupBox12 GroupBox16 GroupBox20 GroupBox24", 383, " ", " "},
    {F::Kreise, A::Text, "GroupBox28 GroupBox32 GroupBox36 GroupBox40", 383, " ", " "},
    {F::Kreise, A::Text, "CheckBox2 CheckBox5 CheckBox8 CheckBox11 CheckBox14 CheckBox17", 384},
    {F::Kreise, A::Text, "CheckBox20 CheckBox23 CheckBox26 CheckBox29", 384},
    {F::Kreise, A::Text, "SpeedButton90 SpeedButton88 SpeedButton89 SpeedButton91", 147},
    {F::Kreise, A::Text, "SpeedButton92 SpeedButton93 SpeedButton94 SpeedButton95", 147},
    {F::Kreise, A::Text, "SpeedButton96 SpeedButton97", 147},
    // The ten fill-option groups: title and their six choices each.
    {F::Kreise, A::Fuelloptionen, "RadioGroup1 RadioGroup2 RadioGroup3 RadioGroup4 RadioGroup5", 385},
    {F::Kreise, A::Fuelloptionen, "RadioGroup6 RadioGroup7 RadioGroup8 RadioGroup9 RadioGroup10", 385},
    {F::Kreise, A::Hinweis, "ComboBox2 ComboBox1 ComboBox3 ComboBox4 ComboBox5 ComboBox6", 240},
    {F::Kreise, A::Hinweis, "ComboBox7 ComboBox8 ComboBox9 ComboBox10", 240},

    // TBeschriftungDlg
    {F::Beschriftung, A::Text, "", 351},
    {F::Beschriftung, A::Text, "B1 B2 B3 B4 B5 B6 B7 B8 B9", 324},
    {F::Beschriftung, A::Text, "GroupBox3", 352, " ", " "},
    {F::Beschriftung, A::Text, "CheckBox1 CheckBox2 CheckBox3 CheckBox4 CheckBox5 CheckBox6", 353},
    {F::Beschriftung, A::Text, "CheckBox7 CheckBox8 CheckBox9", 353},
    {F::Beschriftung, A::Text, "GroupBox1", 354, " ", " "},
    {F::Beschriftung, A::Text, "Label1", 355},
    {F::Beschriftung, A::Text, "Label2", 356},
    {F::Beschriftung, A::Text, "Label55", 337},
    {F::Beschriftung, A::Text, "OKBtn", 336},
    {F::Beschriftung, A::Hinweis, "SpeedButton23 SpeedButton24 SpeedButton25 SpeedButton26", 357},
    {F::Beschriftung, A::Hinweis, "SpeedButton32 SpeedButton38 SpeedButton44 SpeedButton50", 357},
    {F::Beschriftung, A::Hinweis, "SpeedButton56", 357},
    {F::Beschriftung, A::Hinweis, "SpeedButton5 SpeedButton12 SpeedButton17 SpeedButton22", 358},
    {F::Beschriftung, A::Hinweis, "SpeedButton31 SpeedButton37 SpeedButton43 SpeedButton49", 358},
    {F::Beschriftung, A::Hinweis, "SpeedButton55 SpeedButton6 SpeedButton7", 358},

    // TSenkrechteDlg
    {F::Senkrechte, A::Text, "", 50},
    {F::Senkrechte, A::Text, "GroupBox1", 375, " ", " "},
    {F::Senkrechte, A::Text, "Label55", 337},
    {F::Senkrechte, A::Text, "OKBtn", 336},
    {F::Senkrechte, A::Text, "Label2 Label5 Label8 Label11", 373},
    {F::Senkrechte, A::Text, "Label3 Label6 Label9 Label12", 374},
    {F::Senkrechte, A::Text, "SFarbe SpeedButton1 SpeedButton2 SpeedButton3", 147},
    {F::Senkrechte, A::Hinweis, "ComboBox1 ComboBox2 ComboBox3 ComboBox4", 240},

    // TFlaechenDlg
    {F::Flaechen, A::Text, "", 53},
    {F::Flaechen, A::Text, "GroupBox1", 394, " ", " "},
    {F::Flaechen, A::Text, "Label55", 337},
    {F::Flaechen, A::Text, "OKBtn", 336},
    {F::Flaechen, A::Text, "Label1", 391, "1. ", ""},
    {F::Flaechen, A::Text, "Label2", 391, "2. ", ""},
    {F::Flaechen, A::Text, "Label9", 391, "3. ", ""},
    {F::Flaechen, A::Text, "Label13", 391, "4. ", ""},
    {F::Flaechen, A::Text, "Label17", 391, "5. ", ""},
    {F::Flaechen, A::Text, "Label21", 391, "6. ", ""},
    {F::Flaechen, A::Text, "Label25", 391, "7. ", ""},
    {F::Flaechen, A::Text, "Label29", 391, "8. ", ""},
    {F::Flaechen, A::Text, "Label4 Label3 Label10 Label14 Label18 Label22 Label26 Label30", 392},
    {F::Flaechen, A::Text, "Label7 Label5 Label11 Label15 Label19 Label23 Label27 Label31", 142},
    {F::Flaechen, A::Text, "Label8 Label6 Label12 Label16 Label20 Label24 Label28 Label32", 143},
    {F::Flaechen, A::Text, "SFarbe SpeedButton1 SpeedButton2 SpeedButton3 SpeedButton4", 147},
    {F::Flaechen, A::Text, "SpeedButton5 SpeedButton6 SpeedButton7", 147},
    {F::Flaechen, A::Text, "CheckBox1 CheckBox2 CheckBox3 CheckBox4 CheckBox5 CheckBox6", 393},
    {F::Flaechen, A::Text, "CheckBox7 CheckBox8", 393},
    {F::Flaechen, A::Eintrag, "ComboBox1 ComboBox2 ComboBox3 ComboBox4 ComboBox5 ComboBox6", 395, "", "", 9},
    {F::Flaechen, A::Eintrag, "ComboBox7 ComboBox8 ComboBox9 ComboBox10 ComboBox11 ComboBox12", 395, "", "", 9},
    {F::Flaechen, A::Eintrag, "ComboBox13 ComboBox14 ComboBox15 ComboBox16", 395, "", "", 9},

    // TEinheitXDlg
    {F::EinheitX, A::Text, "", 342},
    {F::EinheitX, A::Hinweis, "Edit", 346},

    // TEinheitYDlg
    {F::EinheitY, A::Text, "", 343},
    {F::EinheitY, A::Hinweis, "Edit", 347},

    // TTraceParam
    {F::TraceParam, A::Text, "", 564},

    // TAssistentFenster
    {F::Assistent, A::Text, "Feld1", 547},
    {F::Assistent, A::Text, "Feld2", 540},
    {F::Assistent, A::Text, "JaButton", 334},
    {F::Assistent, A::Text, "NeinButton", 335},

    // TDruckDlg
    {F::Druck, A::Text, "", 362},
    {F::Druck, A::Text, "GroupBox1", 365, " ", " "},
    {F::Druck, A::Text, "GroupBox2", 565, " ", " "},
    {F::Druck, A::Text, "CB1", 363},
    {F::Druck, A::Text, "CB2", 364},
    {F::Druck, A::Text, "CB3", 367},
    {F::Druck, A::Text, "CB4", 566},
    {F::Druck, A::Text, "OKBtn", 331},
    {F::Druck, A::Text, "CancelBtn", 332},

    // TKopierDlg
    {F::Kopier, A::Text, "", 228},
    {F::Kopier, A::Text, "GroupBox1", 416, " ", " "},
    {F::Kopier, A::Text, "R3", 417},
    {F::Kopier, A::Text, "R1", 418},
    {F::Kopier, A::Text, "Label11", 419},
    {F::Kopier, A::Text, "GroupBox2", 420, " ", " "},
    {F::Kopier, A::Text, "R5", 421},
    {F::Kopier, A::Text, "R2", 401, "", " ..."},
    {F::Kopier, A::Text, "R4", 402, "", " ..."},
    {F::Kopier, A::Text, "BitBtn1", 422},
    {F::Kopier, A::Text, "OKBtn", 331},
    {F::Kopier, A::Text, "CancelBtn", 332},
    {F::Kopier, A::Text, "CB3", 367},

    // TKopierDlg8
    {F::Kopier8, A::Text, "", 423, "", " ..."},
    {F::Kopier8, A::Text, "GroupBox1", 416, " ", " "},
    {F::Kopier8, A::Text, "R3", 417},
    {F::Kopier8, A::Text, "R1", 418},
    {F::Kopier8, A::Text, "Label11", 419},
    {F::Kopier8, A::Text, "GroupBox2", 420, " ", " "},
    {F::Kopier8, A::Text, "R5", 421},
    {F::Kopier8, A::Text, "R2", 401, "", " ..."},
    {F::Kopier8, A::Text, "R4", 402, "", " ..."},
    {F::Kopier8, A::Text, "BitBtn1", 422},
    {F::Kopier8, A::Text, "OKBtn", 331},
    {F::Kopier8, A::Text, "CancelBtn", 332},
    {F::Kopier8, A::Text, "CB3", 367},

    // TExcelDlg
    {F::Excel, A::Text, "", 401},
    {F::Excel, A::Text, "TabSheet1", 71},
    {F::Excel, A::Text, "OptGroup", 404, " ", " "},
    {F::Excel, A::Text, "TabSheet2", 60},
    {F::Excel, A::Text, "Label13", 407},
    {F::Excel, A::Text, "Label14", 408},
    {F::Excel, A::Text, "Label15", 409},
    {F::Excel, A::Text, "Label17", 410},
    {F::Excel, A::Text, "Label16", 411},
    {F::Excel, A::Text, "Label18", 414},
    {F::Excel, A::Text, "SpeedButton1", 331},
    {F::Excel, A::Text, "CancelBtn", 332},
    {F::Excel, A::Eintrag, "OptGroup", 405, "", "", 0},
    {F::Excel, A::Eintrag, "OptGroup", 406, "", "", 1},

    // TWordDlg
    {F::Word, A::Text, "", 402},
    {F::Word, A::Text, "TabSheet1", 71},
    {F::Word, A::Text, "OptGroup", 404, " ", " "},
    {F::Word, A::Text, "TabSheet2", 60},
    {F::Word, A::Text, "Label13", 407},
    {F::Word, A::Text, "Label14", 408},
    {F::Word, A::Text, "Label15", 409},
    {F::Word, A::Text, "Label17", 410},
    {F::Word, A::Text, "Label16", 411},
    {F::Word, A::Text, "Label18", 415},
    {F::Word, A::Text, "SpeedButton1", 331},
    {F::Word, A::Text, "CancelBtn", 332},
    {F::Word, A::Eintrag, "OptGroup", 405, "", "", 0},
    {F::Word, A::Eintrag, "OptGroup", 406, "", "", 1},

    // TWertetabKopierDlg
    {F::WertetabKopier, A::Text, "", 403},
    {F::WertetabKopier, A::Text, "TabSheet1", 71},
    {F::WertetabKopier, A::Text, "OptGroup", 404, " ", " "},
    {F::WertetabKopier, A::Text, "TabSheet2", 60},
    {F::WertetabKopier, A::Text, "Label13", 407},
    {F::WertetabKopier, A::Text, "Label14", 408},
    {F::WertetabKopier, A::Text, "Label15", 409},
    {F::WertetabKopier, A::Text, "Label17", 410},
    {F::WertetabKopier, A::Text, "Label16", 411},
    {F::WertetabKopier, A::Text, "Label18", 412},
    {F::WertetabKopier, A::Text, "Label3", 413},
    {F::WertetabKopier, A::Text, "SpeedButton1", 331},
    {F::WertetabKopier, A::Text, "CancelBtn", 332},
    {F::WertetabKopier, A::Eintrag, "OptGroup", 405, "", "", 0},
    {F::WertetabKopier, A::Eintrag, "OptGroup", 406, "", "", 1},

    // TEinstellDlg
    {F::Einstell, A::Text, "", 426},
    {F::Einstell, A::Text, "GroupBox1", 427, " ", " "},
    {F::Einstell, A::Text, "CheckBox2", 428},
    {F::Einstell, A::Text, "GroupBox2", 429, " ", " "},
    {F::Einstell, A::Text, "Label3", 430},
    {F::Einstell, A::Text, "BitBtn3", 433},
    {F::Einstell, A::Text, "BitBtn4", 329},
    {F::Einstell, A::Text, "OKBtn", 333},
    {F::Einstell, A::Text, "CancelBtn", 332},

    // THotkeyDlg
    {F::Hotkey, A::Text, "", 474},
    {F::Hotkey, A::Text, "GroupBox3", 475, " ", " "},
    {F::Hotkey, A::Text, "GroupBox1", 477, " ", " "},
    {F::Hotkey, A::Text, "Label2", 69},
    {F::Hotkey, A::Text, "Label1", 127},
    {F::Hotkey, A::Text, "Label33", 32},
    {F::Hotkey, A::Text, "Label7", 33},
    {F::Hotkey, A::Text, "Label9", 34},
    {F::Hotkey, A::Text, "GroupBox2", 480, " ", " "},
    {F::Hotkey, A::Text, "Label24", 477},
    {F::Hotkey, A::Text, "Label25", 478},
    {F::Hotkey, A::Text, "Label26", 479},
    {F::Hotkey, A::Text, "GroupBox4", 481, " ", " "},
    {F::Hotkey, A::Text, "Label23", 14},
    {F::Hotkey, A::Text, "Label27", 15, "", "..."},
    {F::Hotkey, A::Text, "Label28", 16},
    {F::Hotkey, A::Text, "Label29", 17, "", "..."},
    {F::Hotkey, A::Text, "Label30", 61},
    {F::Hotkey, A::Text, "OKBtn", 331},

    // TTastenDlg
    {F::Tasten, A::Text, "", 569},
    {F::Tasten, A::Text, "OKBtn", 331},
    {F::Tasten, A::Text, "GroupBox1", 568, " ", " "},

    // TTippsDlg
    {F::Tipps, A::Text, "", 482},
    {F::Tipps, A::Text, "OKBtn", 331},
    {F::Tipps, A::Text, "GroupBox1", 483, " ", " "},
    {F::Tipps, A::Text, "Label2", 69},
    {F::Tipps, A::Text, "Label1", 127},
    {F::Tipps, A::Text, "GroupBox2", 490, " ", " "},
    {F::Tipps, A::Text, "Label10", 403},
    {F::Tipps, A::Text, "Label7", 401},
    {F::Tipps, A::Text, "SpeedButton1", 496},
    {F::Tipps, A::Text, "Label9", 402},
    {F::Tipps, A::Hinweis, "SpeedButton1", 516},
    {F::Tipps, A::Eintrag, "Memo3", 484, "", "", 0},
    {F::Tipps, A::Eintrag, "Memo3", 485, "", "", 1},
    {F::Tipps, A::Eintrag, "Memo3", 486, "", "", 2},
    {F::Tipps, A::Eintrag, "Memo1", 487, "", "", 0},
    {F::Tipps, A::Eintrag, "Memo1", 488, "", "", 1},
    {F::Tipps, A::Eintrag, "Memo1", 489, "", "", 2},
    {F::Tipps, A::Eintrag, "Memo10", 491, "", "", 0},
    {F::Tipps, A::Eintrag, "Memo10", 492, "", "", 1},
    {F::Tipps, A::Eintrag, "Memo7", 493, "", "", 0},
    {F::Tipps, A::Eintrag, "Memo7", 494, "", "", 1},
    {F::Tipps, A::Eintrag, "Memo7", 495, "", "", 2},
    {F::Tipps, A::Eintrag, "Memo9", 497, "", "", 0},
    {F::Tipps, A::Eintrag, "Memo9", 498, "", "", 1},

    // TAboutBox
    {F::About, A::Text, "", 77},
    {F::About, A::Text, "OKButton", 331},
    {F::About, A::Text, "TabSheet1", 77},
    {F::About, A::Text, "Label10", 444},
    {F::About, A::Hinweis, "Label5", 517},
    {F::About, A::Hinweis, "BitBtn1 BitBtn2", 518},
};

// The choices of a fill-option group, items 0 to 5.
struct TFuellwahl {
    int Zeile;
    const char* Nach;
};
constexpr std::array<TFuellwahl, 6> Fuellwahlen = {{
    {386, ""}, {387, ""}, {388, ""}, {389, " 1"}, {389, " 2"}, {390, ""},
}};

struct TFensterInfo {
    const char* Klasse;
    QWidget* (*Zeiger)();
};

template <typename T, T** global>
QWidget* Fensterzeiger()
{
    return *global;
}

const std::array<TFensterInfo, 24> Fensterliste = {{
    {"TForm1", Fensterzeiger<TForm1, &Form1>},
    {"TGraphik", Fensterzeiger<TGraphik, &Graphik>},
    {"TForm2", Fensterzeiger<TForm2, &Form2>},
    {"TUebersicht_Dlg", Fensterzeiger<TUebersicht_Dlg, &Uebersicht_Dlg>},
    {"TPunkteDlg", Fensterzeiger<TPunkteDlg, &PunkteDlg>},
    {"TKreiseDlg", Fensterzeiger<TKreiseDlg, &KreiseDlg>},
    {"TBeschriftungDlg", Fensterzeiger<TBeschriftungDlg, &BeschriftungDlg>},
    {"TSenkrechteDlg", Fensterzeiger<TSenkrechteDlg, &SenkrechteDlg>},
    {"TFlaechenDlg", Fensterzeiger<TFlaechenDlg, &FlaechenDlg>},
    {"TEinheitXDlg", Fensterzeiger<TEinheitXDlg, &EinheitXDlg>},
    {"TEinheitYDlg", Fensterzeiger<TEinheitYDlg, &EinheitYDlg>},
    {"TTraceParam", Fensterzeiger<TTraceParam, &TraceParam>},
    {"TAssistentFenster", Fensterzeiger<TAssistentFenster, &AssistentFenster>},
    {"TDruckDlg", Fensterzeiger<TDruckDlg, &DruckDlg>},
    {"TKopierDlg", Fensterzeiger<TKopierDlg, &KopierDlg>},
    {"TKopierDlg8", Fensterzeiger<TKopierDlg8, &KopierDlg8>},
    {"TExcelDlg", Fensterzeiger<TExcelDlg, &ExcelDlg>},
    {"TWordDlg", Fensterzeiger<TWordDlg, &WordDlg>},
    {"TWertetabKopierDlg", Fensterzeiger<TWertetabKopierDlg, &WertetabKopierDlg>},
    {"TEinstellDlg", Fensterzeiger<TEinstellDlg, &EinstellDlg>},
    {"THotkeyDlg", Fensterzeiger<THotkeyDlg, &HotkeyDlg>},
    {"TTastenDlg", Fensterzeiger<TTastenDlg, &TastenDlg>},
    {"TTippsDlg", Fensterzeiger<TTippsDlg, &TippsDlg>},
    {"TAboutBox", Fensterzeiger<TAboutBox, &AboutBox>},
}};

void PlatzSchaffenJetzt(QWidget* w)
{
    const int noetig = w->sizeHint().width();
    if (noetig > w->width())
        w->resize(noetig, w->height());
}

// Measuring a caption polishes its control (style, palette, font): for a
// window the start does not show, that came before the first picture. A
// control not polished yet gets its room when Qt polishes it, before its
// window first shows, for the caption it has then.
class TPlatzBeimPolieren : public QObject {
public:
    using QObject::QObject;

    static TPlatzBeimPolieren* Filter()
    {
        static QPointer<TPlatzBeimPolieren> filter;
        if (!filter)
            filter = new TPlatzBeimPolieren(qApp);
        return filter;
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Polish) {
            objekt->removeEventFilter(this);
            PlatzSchaffenJetzt(static_cast<QWidget*>(objekt));
        }
        return false;
    }
};

// A caption that grew with the language may need more room than the
// designed width; controls placed by a layout get it from there.
void PlatzSchaffen(QWidget* w)
{
    const QWidget* eltern = w->parentWidget();
    if (!eltern || (eltern->layout() && eltern->layout()->indexOf(w) >= 0))
        return;
    if (auto* l = qobject_cast<QLabel*>(w); l && l->wordWrap())
        return;
    if (w->testAttribute(Qt::WA_WState_Polished))
        PlatzSchaffenJetzt(w);
    else
        w->installEventFilter(TPlatzBeimPolieren::Filter());  // once, however often asked
}

void TitelPlatzJetzt(QWidget* fenster)
{
    int breite = TitelleistenBreite(fenster->windowTitle());
    if (const QLayout* l = fenster->layout())
        breite = std::max(breite, l->totalMinimumSize().width());
    if (breite > fenster->minimumWidth())
        fenster->setMinimumWidth(breite);
}

// Measuring a title and laying a dialog out costs more than all its other
// captions, and most dialogs are never shown in a session: one that has
// never been shown is fitted when Qt polishes it, just before it is first
// sized and shown, with the title it has then.
class TTitelPlatzBeimPolieren : public QObject {
public:
    using QObject::QObject;

    static TTitelPlatzBeimPolieren* Filter()
    {
        static QPointer<TTitelPlatzBeimPolieren> filter;
        if (!filter)
            filter = new TTitelPlatzBeimPolieren(qApp);
        return filter;
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Polish) {
            objekt->removeEventFilter(this);
            TitelPlatzJetzt(static_cast<QWidget*>(objekt));
        }
        return false;
    }
};

// A dialog that sizes itself is at least as wide as its title needs, so
// that the title bar shows it whole; a dialog of fixed size and the other
// windows keep their design. The width only grows: a dialog keeps what any
// language needed.
void TitelPlatzGeben(QWidget* fenster)
{
    if (!qobject_cast<QDialog*>(fenster) || fenster->minimumWidth() == fenster->maximumWidth())
        return;
    if (fenster->testAttribute(Qt::WA_WState_Polished))
        TitelPlatzJetzt(fenster);
    else
        fenster->installEventFilter(TTitelPlatzBeimPolieren::Filter());  // once, however often asked
}

// A caption too wide for its tool button takes two lines where the button
// is high enough for them, broken at the blank that leaves the shorter
// longest line.
QString ZweiZeilig(const QToolButton* b, const QString& text)
{
    const QFontMetrics fm = b->fontMetrics();
    const int rand = b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
    const int breite = b->width() - 2 * rand;
    if (fm.size(Qt::TextShowMnemonic, text).width() <= breite ||
        fm.size(0, QStringLiteral("A\nA")).height() > b->height() - 2 * rand)
        return text;
    QString beste = text;
    int besteBreite = std::numeric_limits<int>::max();
    for (qsizetype i = text.indexOf(QLatin1Char(' ')); i > 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
        const QString zeilen = text.left(i) + QLatin1Char('\n') + text.mid(i + 1);
        const int b1 = fm.size(Qt::TextShowMnemonic, zeilen).width();
        if (b1 < besteBreite) {
            besteBreite = b1;
            beste = zeilen;
        }
    }
    return beste;
}

// A caption too wide for its push button is set up to two points smaller;
// in a language where it fits, the button has its own font again.
void SchriftAnpassen(QPushButton* b)
{
    static const char* const Entwurf = "EntwurfsSchrift";
    if (const QVariant vorher = b->property(Entwurf); vorher.isValid())
        b->setFont(vorher.value<QFont>());
    const QFont entwurf = b->font();
    auto passt = [b](const QFont& f) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const QRect raum = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        return QFontMetrics(f).size(Qt::TextShowMnemonic, b->text()).width() <= raum.width();
    };
    QFont f = entwurf;
    for (int kleiner = 1; kleiner <= 2 && entwurf.pointSizeF() > 2 + kleiner && !passt(f); ++kleiner)
        f.setPointSizeF(entwurf.pointSizeF() - kleiner);
    if (f != entwurf) {
        b->setProperty(Entwurf, entwurf);
        b->setFont(f);
    }
}

// The buttons of a radio group in their order: a button group's, or the
// widget's own radio buttons.
QList<QAbstractButton*> Gruppenknoepfe(QWidget* w)
{
    if (auto* g = w->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly))
        return g->buttons();
    QList<QAbstractButton*> knoepfe;
    for (QRadioButton* r : w->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly))
        knoepfe.append(r);
    return knoepfe;
}

// A memo's text with its line `zeile` replaced; missing lines before it
// are added empty.
QString ZeileSetzen(const QString& text, int zeile, const QString& neu)
{
    QStringList zeilen = text.split(QLatin1Char('\n'));
    while (zeilen.size() <= zeile)
        zeilen.append(QString());
    zeilen[zeile] = neu;
    return zeilen.join(QLatin1Char('\n'));
}

bool TextSchreiben(QObject* o, const QString& text)
{
    if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(text);
        return true;
    }
    if (auto* m = qobject_cast<QMenu*>(o)) {
        m->setTitle(text);
        return true;
    }
    auto* w = qobject_cast<QWidget*>(o);
    if (!w)
        return false;
    if (w->isWindow()) {
        w->setWindowTitle(text);
        TitelPlatzGeben(w);
        return true;
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(text);
        return true;
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        const bool eingeordnet = b->parentWidget()->layout() && b->parentWidget()->layout()->indexOf(b) >= 0;
        if (auto* t = qobject_cast<QToolButton*>(w); t && !eingeordnet)
            b->setText(ZweiZeilig(t, text));
        else
            b->setText(text);
        if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
            PlatzSchaffen(w);
        if (auto* p = qobject_cast<QPushButton*>(w); p && !eingeordnet)
            SchriftAnpassen(p);
        return true;
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(text);
        PlatzSchaffen(w);
        return true;
    }
    // A page of a tab widget: its tab's text.
    if (auto* stapel = qobject_cast<QStackedWidget*>(w->parentWidget())) {
        if (auto* reiter = qobject_cast<QTabWidget*>(stapel->parentWidget())) {
            const int i = reiter->indexOf(w);
            if (i >= 0) {
                reiter->setTabText(i, text);
                return true;
            }
        }
    }
    return false;
}

bool HinweisSchreiben(QObject* o, const QString& text)
{
    if (auto* a = qobject_cast<QAction*>(o)) {
        a->setToolTip(text);
        a->setStatusTip(text);
        return true;
    }
    if (auto* w = qobject_cast<QWidget*>(o)) {
        w->setToolTip(text);
        return true;
    }
    return false;
}

bool EintragSchreiben(QObject* o, int i, const QString& text)
{
    if (i < 0)
        return false;
    if (auto* c = qobject_cast<QComboBox*>(o)) {
        if (i >= c->count())
            return false;
        c->setItemText(i, text);
        return true;
    }
    if (auto* l = qobject_cast<QListWidget*>(o)) {
        if (i >= l->count())
            return false;
        l->item(i)->setText(text);
        return true;
    }
    // A memo shown as a read-only label: one item per line.
    if (auto* l = qobject_cast<QLabel*>(o)) {
        l->setText(ZeileSetzen(l->text(), i, text));
        return true;
    }
    if (auto* w = qobject_cast<QWidget*>(o)) {
        const QList<QAbstractButton*> knoepfe = Gruppenknoepfe(w);
        if (i >= knoepfe.size())
            return false;
        knoepfe[i]->setText(text);
        return true;
    }
    return false;
}

// Adds every named object below `eltern` that `namen` does not have yet,
// in findChild's order: first the direct children, then each child's own
// descendants in turn. A name taken twice thus keeps the object findChild
// finds for it.
void NamenSammeln(const QObject* eltern, QHash<QString, QObject*>& namen)
{
    const QObjectList& kinder = eltern->children();
    for (QObject* kind : kinder)
        if (const QString name = kind->objectName(); !name.isEmpty() && !namen.contains(name))
            namen.insert(name, kind);
    for (const QObject* kind : kinder) {
        QHash<QString, QObject*> unten;
        NamenSammeln(kind, unten);
        for (auto it = unten.cbegin(); it != unten.cend(); ++it)
            if (!namen.contains(it.key()))
                namen.insert(it.key(), it.value());
    }
}

}  // namespace

std::span<const TBeschriftungsZeile> Beschriftungstabelle()
{
    return Tabelle;
}

std::vector<TBeschriftungsZiel> BeschriftungsZiele()
{
    std::vector<TBeschriftungsZiel> ziele;
    ziele.reserve(std::size(Tabelle) + 64);
    auto hinzu = [&ziele](const TBeschriftungsZeile& z, const QString& name) {
        if (z.Art == A::Fuelloptionen) {
            ziele.push_back({z.Fenster, A::Text, name, z.Zeile, QStringLiteral(" "), QStringLiteral(" ")});
            for (std::size_t i = 0; i < Fuellwahlen.size(); ++i)
                ziele.push_back({z.Fenster, A::Eintrag, name, Fuellwahlen[i].Zeile, QString(),
                                 QString::fromLatin1(Fuellwahlen[i].Nach), static_cast<int>(i)});
            return;
        }
        ziele.push_back({z.Fenster, z.Art, name, z.Zeile, QString::fromLatin1(z.Vor), QString::fromLatin1(z.Nach),
                         z.Eintrag});
    };
    // The names of a row, separated by blanks, are read where they stand
    // (the list is made at the first captioning, before the first picture).
    for (const TBeschriftungsZeile& z : Tabelle) {
        const std::string_view namen(z.Namen);
        bool benannt = false;
        for (std::size_t anfang = namen.find_first_not_of(' '); anfang != std::string_view::npos;) {
            const std::size_t ende = std::min(namen.find(' ', anfang), namen.size());
            hinzu(z, QString::fromLatin1(namen.data() + anfang, static_cast<qsizetype>(ende - anfang)));
            benannt = true;
            anfang = namen.find_first_not_of(' ', ende);
        }
        if (!benannt)
            hinzu(z, QString());
    }
    return ziele;
}

const char* Fensterklasse(TFensterNr f)
{
    return Fensterliste[static_cast<std::size_t>(f)].Klasse;
}

QWidget* Fenster(TFensterNr f)
{
    return Fensterliste[static_cast<std::size_t>(f)].Zeiger();
}

QObject* Steuerelement(QWidget* fenster, const QString& name)
{
    if (!fenster)
        return nullptr;
    if (name.isEmpty())
        return fenster;
    return fenster->findChild<QObject*>(name);
}

bool Beschriften(QObject* ziel, TBeschriftungsArt art, int eintrag, const QString& text)
{
    if (!ziel)
        return false;
    switch (art) {
    case A::Text: return TextSchreiben(ziel, text);
    case A::Hinweis: return HinweisSchreiben(ziel, text);
    case A::Eintrag: return EintragSchreiben(ziel, eintrag, text);
    case A::Fuelloptionen: break;
    }
    return false;
}

QHash<QString, QObject*> Namenstabelle(const QWidget* fenster)
{
    QHash<QString, QObject*> namen;
    NamenSammeln(fenster, namen);
    return namen;
}

TBeschriftungsErgebnis BeschriftungAnwenden(const QWidget* nur, const QObject* innerhalb)
{
    // The targets do not change; the lines they take do, with the language.
    static const std::vector<TBeschriftungsZiel> ziele = BeschriftungsZiele();
    TBeschriftungsErgebnis ergebnis;
    // A window's controls are looked up in one table made by a single walk
    // through it, instead of one search through the window per control.
    std::map<TFensterNr, QHash<QString, QObject*>> tabellen;
    for (const TBeschriftungsZiel& z : ziele) {
        QWidget* fenster = Fenster(z.Fenster);
        if (nur && fenster != nur)
            continue;
        QObject* ziel = fenster;
        if (fenster && !z.Name.isEmpty()) {
            auto it = tabellen.find(z.Fenster);
            if (it == tabellen.end()) {
                QHash<QString, QObject*> namen;
                NamenSammeln(innerhalb ? innerhalb : fenster, namen);
                it = tabellen.emplace(z.Fenster, std::move(namen)).first;
            }
            ziel = it->second.value(z.Name);
            if (innerhalb && !ziel)
                continue;  // outside the part
        }
        if (!ziel) {
            ergebnis.Fehlend.push_back(z);
            continue;
        }
        if (!Beschriften(ziel, z.Art, z.Eintrag, z.Vor + Txt(z.Zeile) + z.Nach))
            ergebnis.Abgelehnt.push_back(z);
    }
    return ergebnis;
}
