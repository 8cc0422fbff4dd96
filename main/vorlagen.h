#pragma once
// The term templates of the library: a ready-made equation of a school
// function type with a suitable x range (and t range for families). A
// template only fills the main window's input bar; the fields' own change
// handlers compile, colour and redraw (TForm1::VorlageAnwenden).

#include <QString>

#include <array>
#include <span>

// In the texts of a template '#' stands for the program's decimal separator;
// a literal comma stays a comma in every language (the range fields and the
// compiler take both).
QString MitDezimaltrenner(const char* text);

struct TVorlage {
    const char* Handler;             // its handler's name in the design
    const char* Haupt;               // item of the hidden main menu Beispiele1, or ""
    const char* HauptText;           // that item's designed caption
    const char* Popup;               // item of PopupMenu1, or ""
    const char* PopupText;           // that item's designed caption
    const char* Gleichung;           // into Edit1
    const char* XVon;                // into Evonx
    const char* XBis;                // into Ebisx
    const char* TVon = nullptr;      // families: into Evont, Ebist, Estept
    const char* TBis = nullptr;
    const char* TSchritt = nullptr;
};

// All 33 templates, in the order of the design's handler list.
std::span<const TVorlage> Vorlagen();
// The template of a handler name, or nullptr.
const TVorlage* VorlageNach(const char* handler);

// A group of the popup menu: its submenu, the designed caption and its items
// (popup item names, nullptr after the last).
struct TVorlagenGruppe {
    const char* Name;
    const char* Text;
    std::array<const char*, 7> Eintraege;
    bool TrennerDavor = false;
};
std::span<const TVorlagenGruppe> Vorlagengruppen();
