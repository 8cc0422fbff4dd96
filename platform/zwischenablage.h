#pragma once
// The clipboard, behind a small interface so that tests can read what the
// program put there instead of the system's clipboard.

#include <QByteArray>
#include <QImage>
#include <QString>

class TZwischenablage {
public:
    virtual ~TZwischenablage() = default;
    // Each call replaces what the clipboard held; false when it failed.
    virtual bool Text(const QString& text) = 0;
    virtual bool Bild(const QImage& bild) = 0;
    // A vector picture (image/svg+xml) with a bitmap of it beside, for
    // programs that take no vector pictures.
    virtual bool Vektorbild(const QByteArray& svg, const QImage& bild) = 0;
};

// Tests install a fake; nullptr restores the system's clipboard.
void SetZwischenablage(TZwischenablage* ablage);
TZwischenablage& Zwischenablage();
