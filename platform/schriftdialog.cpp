#include "platform/schriftdialog.h"

#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "platform/dialoge.h"
#include "platform/fensterhilfen.h"
#include "platform/sprache.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

class TEchterSchriftDialog : public TSchriftDialog {
public:
    std::optional<TFont> Waehle(const TFont& vorgabe) override
    {
        TSchriftAuswahl dialog(Besitzerfenster());
        dialog.Setzen(vorgabe);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.Ergebnis();
    }
};

TSchriftDialog* GSchriftDialog = nullptr;

}  // namespace

void SetSchriftDialog(TSchriftDialog* dialog)
{
    GSchriftDialog = dialog;
}

std::optional<TFont> WaehleSchrift(const TFont& vorgabe)
{
    if (GSchriftDialog)
        return GSchriftDialog->Waehle(vorgabe);
    TEchterSchriftDialog echt;
    return echt.Waehle(vorgabe);
}

TSchriftAuswahl::TSchriftAuswahl(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);  // above the tool windows

    // Qt's own dialog, embedded as a plain widget without its buttons.
    Schrift = new QFontDialog(this);
    Schrift->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    Schrift->setWindowFlags(Qt::Widget);
    setWindowTitle(Schrift->windowTitle());

    FarbKnopf = new QPushButton(this);
    FarbKnopf->setObjectName(QStringLiteral("FarbKnopf"));
    const QString farbe = Txt(147);
    FarbKnopf->setText(farbe.isEmpty() ? QStringLiteral("Farbe") : farbe);
    connect(FarbKnopf, &QPushButton::clicked, this, [this] { FarbeClick(); });

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* unten = new QHBoxLayout;
    unten->addWidget(FarbKnopf);
    unten->addStretch(1);
    unten->addWidget(knoepfe);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(Schrift);
    spalte->addLayout(unten);
    Schrift->show();
    FarbeZeigen();
}

void TSchriftAuswahl::Setzen(const TFont& vorgabe)
{
    QFont f(vorgabe.Name, vorgabe.Size);  // (no size: the default one)
    f.setBold((vorgabe.Style & fsBold) != 0);
    f.setItalic((vorgabe.Style & fsItalic) != 0);
    f.setUnderline((vorgabe.Style & fsUnderline) != 0);
    f.setStrikeOut((vorgabe.Style & fsStrikeOut) != 0);
    Schrift->setCurrentFont(f);
    FVorgabe = vorgabe;
    FVorgabeAnzeige = Schrift->currentFont();
    FFarbe = vorgabe.Color;
    FarbeZeigen();
}

TFont TSchriftAuswahl::Ergebnis() const
{
    const QFont f = Schrift->currentFont();
    if (f == FVorgabeAnzeige) {
        TFont t = FVorgabe;
        t.Color = FFarbe;
        return t;
    }
    TFont t;
    t.Name = f.family() == FVorgabeAnzeige.family() ? FVorgabe.Name : f.family();
    t.Size = f.pointSize() > 0 ? f.pointSize() : std::max(1, RoundToInt32(f.pointSizeF()));
    t.Style = static_cast<std::uint8_t>((f.bold() ? fsBold : 0) | (f.italic() ? fsItalic : 0) |
                                        (f.underline() ? fsUnderline : 0) | (f.strikeOut() ? fsStrikeOut : 0));
    t.Color = FFarbe;
    return t;
}

void TSchriftAuswahl::FarbeClick()
{
    if (const auto c = WaehleFarbe(FFarbe)) {
        FFarbe = *c;
        FarbeZeigen();
    }
}

void TSchriftAuswahl::FarbeZeigen()
{
    QPixmap muster(24, 12);
    muster.fill(ToQColor(FFarbe));
    FarbKnopf->setIcon(QIcon(muster));
}
