#pragma once
// The hidden window that is created last and finishes the start: captions,
// the settings file, the start template, the document named on the command
// line, and which windows appear.

#include <QWidget>

class TFormOeffne : public QWidget {
    Q_OBJECT
public:
    explicit TFormOeffne(QWidget* parent = nullptr);

    void FormCreate();
    // Writes the language lines into all windows: the caption table, then
    // the captions that depend on the program's state.
    void beschriften();
    // The captions of the help and about dialogs that depend on the
    // program's state, in `nur` alone or in every one that exists.
    void DialogBeschriften(const QWidget* nur = nullptr);
    // The unit labels of the axis-unit windows, which follow the unit menu.
    void EinheitenBeschriften();

    // How often the windows were captioned (the start does it once).
    int Beschriftungen = 0;
};

extern TFormOeffne* FormOeffne;
