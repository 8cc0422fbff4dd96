#pragma once
// Where the settings record and the start template live.

#include <QString>

// "tessaplun" under the user's configuration folder; empty when the system
// names no such folder (then nothing is read or written).
QString Einstellungsordner();
QString Einstellungsdatei();  // the settings record, "tessaplun2.set"
QString Startvorlage();       // the start template, "tessaplun1.set"
