#pragma once
// A started program for the tool window tests, with the font dialog answered
// by a fake as well.

#include "main/programm_fixture.h"

#include "graph/graphik.h"
#include "platform/canvas.h"
#include "platform/schriftdialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

#include <optional>
#include <span>
#include <vector>

struct FakeSchriftDialog : TSchriftDialog {
    std::optional<TFont> Antwort;
    std::vector<TFont> Vorgaben;
    std::optional<TFont> Waehle(const TFont& vorgabe) override
    {
        Vorgaben.push_back(vorgabe);
        return Antwort;
    }
};

class WerkzeugTest : public ProgrammTest {
protected:
    FakeSchriftDialog SchriftDialog;

    void SetUp() override
    {
        ProgrammTest::SetUp();
        SetSchriftDialog(&SchriftDialog);
        Starten();
    }

    void TearDown() override
    {
        ProgrammTest::TearDown();
        SetSchriftDialog(nullptr);
    }

    // A list choice as the user makes it: the list shows the item and
    // reports it.
    static void Waehlen(QComboBox* liste, int index)
    {
        liste->setCurrentIndex(index);
        emit liste->activated(index);
    }

    static std::vector<bool> Gedrueckt(std::span<QToolButton* const> knoepfe)
    {
        std::vector<bool> v;
        for (const QToolButton* b : knoepfe)
            v.push_back(b->isChecked());
        return v;
    }
};
