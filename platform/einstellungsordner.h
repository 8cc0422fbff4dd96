#pragma once
// Where the settings record and the start template live, and how they are
// written: the folder is created on the first write, and every file is
// written through a temporary file, so a failed write leaves the old file
// as it was.

#include <QString>

#include <cstdint>
#include <span>

struct TEinstellungen;

// Shell folder numbers the program asks for, and what stands for them on a
// desktop that follows the XDG base directories.
constexpr int CSIDL_DESKTOPDIRECTORY = 0x10;  // the desktop folder
constexpr int CSIDL_PERSONAL = 0x05;          // the documents folder
constexpr int CSIDL_APPDATA = 0x1A;           // settings: $XDG_CONFIG_HOME (~/.config)
constexpr int CSIDL_LOCAL_APPDATA = 0x1C;     // data: $XDG_DATA_HOME (~/.local/share)

// The path of a shell folder by its number; empty for a number without a
// counterpart or when the system names no such folder.
QString GetSpecialFolderPath(int folder);

// "tessaplun" under the user's configuration folder (shell folder 26); empty
// when the system names no such folder (then nothing is read or written).
QString Einstellungsordner();
QString Einstellungsdatei();  // the settings record, "tessaplun2.set"
QString Startvorlage();       // the start template, "tessaplun1.set"

// Creates the settings folder when it is missing. False when there is no
// configuration location or the folder cannot be created.
bool EinstellungsordnerAnlegen();

enum class TSchreibErgebnis {
    KeinOrdner,   // no configuration location, or the folder cannot be made: nothing written
    Fehler,       // the folder is there but the file could not be written; the old one is kept
    Geschrieben,
};

// Writes `daten` as the file `pfad` in the settings folder (created first
// when missing), whole or not at all.
TSchreibErgebnis SchreibeInEinstellungsordner(const QString& pfad, std::span<const std::uint8_t> daten);

// The options record as the settings file, 1096 bytes.
TSchreibErgebnis EinstellungenSpeichern(const TEinstellungen& e);
