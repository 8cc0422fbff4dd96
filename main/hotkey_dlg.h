#pragma once
// The overview of the program's hot keys. Every text comes from the
// language lines; only the names of the function keys are fixed.

#include <QDialog>

#include <array>

class QPushButton;

class THotkeyDlg : public QDialog {
    Q_OBJECT
public:
    explicit THotkeyDlg(QWidget* parent = nullptr);

    QPushButton* OKBtn = nullptr;
    void OKBtnClick();

    // The labels that name a key combination with the control key: the
    // caption routine writes "(" + the key's name + Taste + ")" into each.
    struct TStrgTaste {
        const char* Label;
        const char* Taste;
    };
    static constexpr std::array<TStrgTaste, 9> StrgTasten = {{
        {"Label3", "+F1)"},
        {"Label4", "+F9)"},
        {"Label10", "+C)"},
        {"Label11", "+X)"},
        {"Label12", "+V)"},
        {"Label13", "+R)"},
        {"Label15", "+O)"},
        {"Label16", "+U)"},
        {"Label17", "+D)"},
    }};
    // The two function-number labels ("1. " / "1st " + the function's name).
    static constexpr const char* ErsteFunktion = "Label14";
    static constexpr const char* NeunteFunktion = "Label18";
};

extern THotkeyDlg* HotkeyDlg;
