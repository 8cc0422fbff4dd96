#pragma once
// Handing things to the desktop: web addresses to the browser and files to
// the program the desktop opens them with, behind an interface that tests
// replace.

#include <QString>
#include <QUrl>

class TDesktopOeffner {
public:
    virtual ~TDesktopOeffner() = default;
    // False when no program took it.
    virtual bool Oeffne(const QUrl& url) = 0;
};

// Tests install a fake; nullptr restores the desktop's own.
void SetDesktopOeffner(TDesktopOeffner* oeffner);

// Opens a web address, but only an http or https one; anything else (a
// file, a program, a mail address, text that is no address) is refused and
// nothing is opened. False when refused or not opened.
bool OeffneWebadresse(const QString& adresse);

// Opens a local file with the desktop's default program for its kind.
bool OeffneMitDesktop(const QString& pfad);
