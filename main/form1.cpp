// The main window: its controls, creation, reset, the placement of the
// other windows, window states and the end of the program. The editor's
// handlers are in form1_editor.cpp.

#include "main/form1.h"

#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "tools/einheit_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/dialoge.h"
#include "platform/farbe_qt.h"
#include "platform/fensterart.h"
#include "platform/fensterhilfen.h"
#include "platform/fensterlage.h"
#include "platform/melder.h"
#include "platform/statusleiste.h"

#include <utility>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QWindowStateChangeEvent>

TForm1* Form1 = nullptr;

// ---------------------------------------------------------------------------
// Construction

namespace {

QLineEdit* NeuesFeld(QWidget* parent, const char* name, int x, int y, int w, int h = 22)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(x, y, w, h);
    e->setMaxLength(255);  // stored fields hold at most 255 characters
    return e;
}

QLabel* NeuesLabel(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(x, y);
    l->adjustSize();
    return l;
}

QToolButton* NeuerSchalter(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setAutoRaise(true);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return b;
}

}  // namespace

TForm1::TForm1(const std::vector<std::string>& parameter, QWidget* parent) : QMainWindow(parent)
{
    Form1 = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tessaplun 8"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    setFont(f);

    ErzeugeMenues();
    auto* client = new QWidget(this);
    client->setFixedSize(411, 546);
    setCentralWidget(client);
    // Pointer movement over the window refreshes the graph window's status.
    setMouseTracking(true);
    client->setMouseTracking(true);
    ErzeugeEingabe();
    ErzeugeTastenfeld();
    BefehleVerbinden();
    // The main window keeps its size. Its size hints still leave one pixel
    // of width to spare: window managers offer maximising (the button, the
    // title-bar double click) only to windows that can be resized, and
    // maximising is how presentation mode starts from here.
    const QSize groesse = sizeHint();
    setMinimumSize(groesse);
    setMaximumSize(groesse.width() + 1, groesse.height());
    FormCreate(parameter);
}

TForm1::~TForm1()
{
    for (auto& f : Funktionen)
        f = nullptr;
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::ErzeugeEingabe()
{
    QWidget* client = centralWidget();

    // Tool bar row.
    auto* leiste = new QWidget(client);
    leiste->setObjectName(QStringLiteral("Werkzeugleiste"));
    leiste->setGeometry(2, 2, 407, 30);
    auto* row = new QHBoxLayout(leiste);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    QFont knopf = leiste->font();
    knopf.setPointSize(7);
    leiste->setFont(knopf);
    SpeedButton14 = NeuerSchalter(leiste, "SpeedButton14", QStringLiteral("Datei"));
    SpeedButton3 = NeuerSchalter(leiste, "SpeedButton3", QStringLiteral("Neu"));
    SpeedButton16 = NeuerSchalter(leiste, "SpeedButton16", QStringLiteral("Beispiele"));
    SpeedButton1 = NeuerSchalter(leiste, "SpeedButton1", QStringLiteral("Drucken"));
    SpeedButton2 = NeuerSchalter(leiste, "SpeedButton2", QStringLiteral("Kopieren"));
    SpeedButton4 = NeuerSchalter(leiste, "SpeedButton4", QStringLiteral("Wertetabelle"));
    SpeedButton5 = NeuerSchalter(leiste, "SpeedButton5", QStringLiteral("Präsentation"));
    for (QToolButton* b : {SpeedButton14, SpeedButton3, SpeedButton16, SpeedButton1, SpeedButton2, SpeedButton4,
                           SpeedButton5})
        row->addWidget(b);
    row->addStretch(1);
    NeuKnopfEinrichten();
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });

    // Equation.
    GroupBox1 = new QGroupBox(QStringLiteral(" Funktion "), client);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(4, 34, 403, 80);
    Edit1 = NeuesFeld(GroupBox1, "Edit1", 8, 20, 387, 24);
    QFont gross = Edit1->font();
    gross.setPointSize(10);
    Edit1->setFont(gross);
    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(8, 50, 60, 24);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 1; n <= 9; ++n)
        ComboBox1->addItem(QString::number(n) + QLatin1Char('.'));
    ComboBox1->lineEdit()->setMaxLength(255);
    SitBtn3 = new QToolButton(GroupBox1);
    SitBtn3->setObjectName(QStringLiteral("SitBtn3"));  // captioned from the table before it is shown
    SitBtn3->setGeometry(76, 50, 80, 24);
    BitBtn1 = new QPushButton(QStringLiteral("<-"), GroupBox1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(299, 50, 46, 24);
    BitBtn1->setFocusPolicy(Qt::NoFocus);
    BitBtn2 = new QPushButton(QStringLiteral("C"), GroupBox1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(349, 50, 46, 24);
    BitBtn2->setFocusPolicy(Qt::NoFocus);

    // Properties of the selected graph.
    GroupBox2 = new QGroupBox(client);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(4, 116, 403, 77);
    // The labels before the range fields take their widest caption in
    // either language ("x from", "x bis", "Schrittweite") without running
    // into the field after them.
    Label4 = NeuesLabel(GroupBox2, "Label4", QStringLiteral("x von"), 8, 24);
    Evonx = NeuesFeld(GroupBox2, "Evonx", 50, 20, 58);
    Label6 = NeuesLabel(GroupBox2, "Label6", QStringLiteral("x bis"), 114, 24);
    Ebisx = NeuesFeld(GroupBox2, "Ebisx", 148, 20, 62);
    SFarbe2 = new QPushButton(GroupBox2);
    SFarbe2->setObjectName(QStringLiteral("SFarbe2"));
    SFarbe2->setFocusPolicy(Qt::NoFocus);
    SFarbe2->setGeometry(262, 20, 40, 22);
    SFarbe2->setText(QStringLiteral("2"));
    SFarbe = new QPushButton(QStringLiteral("Farbe"), GroupBox2);
    SFarbe->setObjectName(QStringLiteral("SFarbe"));
    SFarbe->setFocusPolicy(Qt::NoFocus);
    SFarbe->setGeometry(220, 20, 80, 22);
    ComboBox2 = new TStilListe(GroupBox2, 16);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setGeometry(310, 20, 85, 22);
    for (int n = 1; n <= 11; ++n)
        ComboBox2->addItem(QString::number(n) + QLatin1Char('.'));
    Label5 = NeuesLabel(GroupBox2, "Label5", QStringLiteral("t von"), 8, 52);
    Evont = NeuesFeld(GroupBox2, "Evont", 50, 48, 58);
    Label7 = NeuesLabel(GroupBox2, "Label7", QStringLiteral("t bis"), 114, 52);
    Ebist = NeuesFeld(GroupBox2, "Ebist", 148, 48, 62);
    Label8 = NeuesLabel(GroupBox2, "Label8", QStringLiteral("Schrittweite"), 218, 52);
    Estept = NeuesFeld(GroupBox2, "Estept", 292, 48, 62);

    // Tool windows.
    GroupBox3 = new QGroupBox(QStringLiteral(" Zubehör "), client);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(4, 196, 403, 52);
    // The group's title takes the top of it: the buttons below need no
    // further margin there, or their text is cut at the group's foot.
    auto* werkzeuge = new QHBoxLayout(GroupBox3);
    werkzeuge->setContentsMargins(4, 0, 4, 2);
    werkzeuge->setSpacing(2);
    SpeedButton13 = NeuerSchalter(GroupBox3, "SpeedButton13", QStringLiteral("Übersicht"));
    SpeedButton12 = NeuerSchalter(GroupBox3, "SpeedButton12", QStringLiteral("Beschriftung"));
    SpeedButton11 = NeuerSchalter(GroupBox3, "SpeedButton11", QStringLiteral("Senkrechte"));
    SpeedButton10 = NeuerSchalter(GroupBox3, "SpeedButton10", QStringLiteral("Punkte"));
    SpeedButton8 = NeuerSchalter(GroupBox3, "SpeedButton8", QStringLiteral("Kreise"));
    SpeedButton9 = NeuerSchalter(GroupBox3, "SpeedButton9", QStringLiteral("Flächen"));
    for (QToolButton* b : {SpeedButton13, SpeedButton12, SpeedButton11, SpeedButton10, SpeedButton8, SpeedButton9})
        werkzeuge->addWidget(b);
    connect(SpeedButton8, &QToolButton::clicked, this, [this] { SpeedButton8Click(); });
    connect(SpeedButton9, &QToolButton::clicked, this, [this] { SpeedButton9Click(); });
    connect(SpeedButton10, &QToolButton::clicked, this, [this] { SpeedButton10Click(); });
    connect(SpeedButton11, &QToolButton::clicked, this, [this] { SpeedButton11Click(); });
    connect(SpeedButton12, &QToolButton::clicked, this, [this] { SpeedButton12Click(); });
    connect(SpeedButton13, &QToolButton::clicked, this, [this] { SpeedButton13Click(); });

    // The designed texts of the ranges (the defaults of a function).
    Evonx->setText(QStringLiteral("-100"));
    Ebisx->setText(QStringLiteral("100"));
    Evont->setText(QStringLiteral("1"));
    Ebist->setText(QStringLiteral("5"));
    Estept->setText(QStringLiteral("1"));

    // The change handlers. Text fields report every change, from the user
    // or from code, but only when the text differs; the combo boxes report
    // only what the user does.
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(Evonx, &QLineEdit::textChanged, this, [this] { EvonxChange(); });
    connect(Ebisx, &QLineEdit::textChanged, this, [this] { EbisxChange(); });
    connect(Evont, &QLineEdit::textChanged, this, [this] { EvontChange(); });
    connect(Ebist, &QLineEdit::textChanged, this, [this] { EbistChange(); });
    connect(Estept, &QLineEdit::textChanged, this, [this] { EsteptChange(); });
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, [this] { ComboBox1Change(); });
    // The choice as the list shows it is the state's (documents store it).
    connect(ComboBox1, &QComboBox::editTextChanged, this,
            [](const QString& text) { Zustand.Editor.Auswahl.Text = text.toStdString(); });
    connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    connect(SFarbe, &QPushButton::clicked, this, [this] { BFarbeClick(); });
    connect(SFarbe2, &QPushButton::clicked, this, [this] { SFarbe2Click(); });
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    Edit1->setFocus();
    Edit1->end(false);
}

// ---------------------------------------------------------------------------
// Creation and reset

void TForm1::FormCreate(const std::vector<std::string>& parameter)
{
    BereicheGesperrt = false;

    // The position is the frame's: title bar and close box on the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    RahmenVerschieben(this, Startposition(screen ? screen->geometry().size() : QSize(1280, 1024)));

    // Only a mouse press on the New button asks for the start template.
    StartvorlageLaden = false;

    for (std::size_t i = 0; i < FObjekte.size(); ++i) {
        FObjekte[i] = std::make_unique<TFunktion>();
        Funktionen[i] = FObjekte[i].get();
    }
    Funktionen[13]->SetTerm("f(x) = 0");  // the x-axis of the areas
    Reset();
    Funktionen[0] = Funktionen[1];

    // All parameters joined with blanks name one document: a path with
    // blanks works whether or not it was quoted.
    StartDokument.clear();
    if (!parameter.empty()) {
        std::string pfad;
        for (const std::string& p : parameter)
            pfad += p + " ";
        pfad.pop_back();
        const QFileInfo info(QString::fromStdString(pfad));
        if (info.exists() && info.isFile())
            StartDokument = pfad;
    }
}

QPoint TForm1::Startposition(const QSize& bildschirm)
{
    // Small screens get the window in their corner.
    QPoint p(50, 49);
    if (bildschirm.width() <= 1024 || bildschirm.height() <= 800)
        p = QPoint(1, 1);
    if (bildschirm.width() > 1100 && bildschirm.height() <= 801)
        p = QPoint(20, 20);
    return p;
}

void TForm1::Reset()
{
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, ComboBox1, Evonx, Ebisx, Evont, Ebist, Estept})
        SetzeFeldfarbe(w, FarbeGueltig);
    Eingabeart = " Funktion ";
    FunktionNr = 1;

    static constexpr std::array<std::pair<TColor, TColor>, 9> farben = {{
        {clRed, clBlue},
        {clBlue, clRed},
        {clGreen, clPurple},
        {clPurple, clGreen},
        {clLime, clPurple},
        {clAqua, clMaroon},
        {clFuchsia, clMaroon},
        {clGray, clSilver},
        {clBlack, clGray},
    }};
    for (int n = 1; n <= 9; ++n) {
        if (TFunktion* f = Funktionen[static_cast<std::size_t>(n)]) {
            f->SetColor(farben[static_cast<std::size_t>(n - 1)].first);
            f->SetColor2(farben[static_cast<std::size_t>(n - 1)].second);
        }
    }
    GroupBox2->resize(GroupBox2->width(), Evont->y() + 7);
    ComboBox2->setCurrentIndex(1);
    EditorZustandMerken();
}

// ---------------------------------------------------------------------------
// Placement of the other windows

void TForm1::AlignForm()
{
    // The graph window to the right, the value table below, the unit and
    // trace windows under the graph window's groups: each places itself.
    emit Melder().HauptfensterBewegt(::Rahmen(this));
}

void TForm1::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    AlignForm();
}

void TForm1::mouseMoveEvent(QMouseEvent* event)
{
    QMainWindow::mouseMoveEvent(event);
    emit Melder().StatusanzeigeVerlangt();
}

// ---------------------------------------------------------------------------
// Window states. Under X11 both the maximise button and a title-bar double
// click reach the program as a maximise from the window manager: when the
// graph window is in presentation mode, that ends it (the double click
// toggles); otherwise it starts it and the main window hides. Minimising
// the main window minimises the whole program: the other windows hide, and
// come back as they were when it is restored.

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !FRahmenBekannt && frameGeometry() != geometry()) {
        // The first time the frame is known: the windows beside it were
        // placed by a guess, before the window manager had framed it.
        FRahmenBekannt = true;
        AlignForm();
    }
    if (event->type() != QEvent::WindowStateChange || FImZustandswechsel || !isVisible())
        return;
    const Qt::WindowStates vorher = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    if (isMinimized()) {
        if (!(vorher & Qt::WindowMinimized))
            AndereFensterVerbergen();
        return;
    }
    if (vorher & Qt::WindowMinimized)
        AndereFensterZeigen();
    if (windowState() & Qt::WindowMaximized) {
        FImZustandswechsel = true;
        setWindowState(windowState() & ~Qt::WindowMaximized);
        if (Zustand.Praesentation) {
            emit Melder().PraesentationBeendenVerlangt();
        } else {
            SpeedButton5Click();
            hide();
        }
        FImZustandswechsel = false;
    }
}

void TForm1::AndereFensterVerbergen()
{
    // (The list is empty: showing them again took it out.)
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType art = w->windowType();
        if (w == this || !w->isVisible() || art == Qt::Popup || art == Qt::ToolTip)
            continue;
        FVerborgeneFenster.emplace_back(w, w->isMaximized());
        w->hide();
    }
}

void TForm1::AndereFensterZeigen()
{
    // Taken out of the member first: showing a window can minimise this one
    // again, whose handler then fills the list anew while we walk it.
    const auto verborgene = std::exchange(FVerborgeneFenster, {});
    for (const auto& [w, maximiert] : verborgene) {
        if (!w)
            continue;
        // A hidden window forgets its maximised state under X11 (the graph
        // window in presentation mode).
        if (maximiert)
            w->showMaximized();
        else
            w->show();
    }
}

void TForm1::SpeedButton5Click()
{
    emit Melder().PraesentationBeginnenVerlangt();
}

// ---------------------------------------------------------------------------
// Menu toggles

void TForm1::Wertetabelle1Click()
{
    const bool zeigen = !Wertetabelle1->isChecked();
    Wertetabelle1->setChecked(zeigen);
    emit Melder().WertetabelleZeigenVerlangt(zeigen);
}

void TForm1::Graphen1Click()
{
    const bool zeigen = !Graphen1->isChecked();
    Graphen1->setChecked(zeigen);
    emit Melder().GraphikZeigenVerlangt(zeigen);
}

// ---------------------------------------------------------------------------
// The graph window's interaction

void TForm1::I1Click(QAction* Sender)
{
    const std::array<QAction*, 10> eintraege = {I1, I2, I3, I4, I5, I6, I7, I8, I9, I10};
    for (std::size_t i = 0; i < eintraege.size(); ++i)
        if (eintraege[i] == Sender)
            emit Melder().WerkzeugVerlangt(static_cast<int>(i) + 1, Sender);
}

// The switches are the state's; the graph window's boxes follow them and
// act on them, the menu items show them.
void TForm1::Sound1Click()
{
    Zustand.Klang = !Zustand.Klang;
    emit Melder().SchalterGeaendert(this);
}

void TForm1::Interaktiv1Click()
{
    Zustand.Interaktiv = !Zustand.Interaktiv;
    emit Melder().SchalterGeaendert(this);
}

// ---------------------------------------------------------------------------
// The end of the program

bool TForm1::FormCloseAllowed()
{
    if (BeendenBestaetigt)
        return true;
    return AskYesNo(Texte[294] + "  ") == IDYES;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!FormCloseAllowed()) {
        event->ignore();
        return;
    }
    event->accept();
    // Closing the main window ends the program, whatever else is open. The
    // other windows are not asked again (quit() would send them close
    // requests, and the graph window's would repeat the question).
    BeendenBestaetigt = true;
    QCoreApplication::exit(0);
}

