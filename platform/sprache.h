#pragma once
// The built-in language lists (resources/languages/) and their loader.
//
// The lists are Qt resources of the window library; a program that links it
// statically calls Q_INIT_RESOURCE(resources) once before the first load.

#include <QString>

// Language numbers as the settings record stores them.
constexpr int SpracheDeutsch = 0;
constexpr int SpracheEnglisch = 1;
constexpr int SpracheDritte = 2;

// Copies list `index` into Texte (lines beyond the list's count keep what
// they held). Returns false, changing nothing, for an unknown index or a
// list that cannot be read.
bool LoadLanguage(int index);

// Qt's own texts of its standard buttons and dialogs ("Yes", "Cancel", the
// labels of the file dialog) in language `index`: German from Qt's
// translation qtbase_de, every other language untranslated. Can be called
// again at any time; open windows of Qt's own are retranslated. Returns
// false when the German translation is not installed (the texts then stay
// English).
bool LoadStandardDialogLanguage(int index);

// Line `zeile` of the language in force, as shown in a window; empty for a
// number outside the table.
QString Txt(int zeile);
