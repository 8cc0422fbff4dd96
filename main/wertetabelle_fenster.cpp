#include "main/wertetabelle_fenster.h"

#include "main/fensterart.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : QWidget(parent)
{
    AlsWerkzeugfenster(this, "Form2", QStringLiteral("Wertetabelle"));
    auto* grid = new QGridLayout(this);
    Label1 = new QLabel(QStringLiteral("x ="), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit2 = new QLineEdit(QStringLiteral("0"), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(255);
    Label3 = new QLabel(QStringLiteral("t ="), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Edit3 = new QLineEdit(QStringLiteral("0"), this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setMaxLength(255);
    EditErgebnis = new QLineEdit(this);
    EditErgebnis->setObjectName(QStringLiteral("EditErgebnis"));
    EditErgebnis->setReadOnly(true);
    SetTag(Edit2, 1);
    SetTag(Edit3, 1);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Edit2, 0, 1);
    grid->addWidget(Label3, 0, 2);
    grid->addWidget(Edit3, 0, 3);
    grid->addWidget(EditErgebnis, 0, 4);
    resize(950, 120);
    StartBreite = width();
}

void TForm2::FillValueTable()
{
}

void TForm2::ClearValueRow()
{
}
