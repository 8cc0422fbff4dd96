#include "platform/felder.h"

#include "platform/farbe_qt.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

void SetzeFeldfarbe(QWidget* w, TColor background)
{
    if (!w)
        return;
    QPalette pal = w->palette();
    const QColor c = ToQColor(background);
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Button, c);
    // (An editable combo box's own edit takes it over as a child.)
    w->setPalette(pal);
}

void SetzeSchriftfarbe(QWidget* w, TColor text)
{
    if (!w)
        return;
    QPalette pal = w->palette();
    const QColor c = ToQColor(text);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::ButtonText, c);
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

TColor Feldfarbe(const QWidget* w)
{
    return w ? FromQColor(w->palette().color(QPalette::Base)) : 0;
}

TColor Schriftfarbe(const QWidget* w)
{
    return w ? FromQColor(w->palette().color(QPalette::Text)) : 0;
}

void TextSetzen(QLineEdit* e, const QString& text)
{
    if (e && e->text() != text)
        e->setText(text);
}

QPushButton* OKZeileAnfuegen(QWidget* fenster, QBoxLayout* spalte)
{
    auto* unten = new QHBoxLayout;
    auto* ok = new QPushButton(fenster);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    unten->addStretch(1);
    unten->addWidget(ok);
    spalte->addLayout(unten);
    return ok;
}
