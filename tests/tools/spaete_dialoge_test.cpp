// A dialog made on its first use: made once, captioned once as it is made,
// and made without captions where nobody captions.

#include "tools/spaete_dialoge.h"

#include <QDialog>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

TEST(SpaeteDialoge, ADialogIsMadeOnceAndCaptionedAsItIsMade)
{
    std::vector<QWidget*> beschriftet;
    SetDialogBeschrifter([&beschriftet](QWidget* d) { beschriftet.push_back(d); });
    QDialog* dialog = nullptr;
    QDialog* erster = SpaeterDialog(dialog);
    std::unique_ptr<QDialog> weg(dialog);
    ASSERT_NE(erster, nullptr);
    EXPECT_EQ(erster, dialog);
    EXPECT_EQ(SpaeterDialog(dialog), erster);
    EXPECT_EQ(beschriftet, std::vector<QWidget*>{erster});

    SetDialogBeschrifter(nullptr);
    QDialog* ohne = nullptr;
    std::unique_ptr<QDialog> auchWeg(SpaeterDialog(ohne));
    EXPECT_NE(ohne, nullptr);
    EXPECT_EQ(beschriftet.size(), 1u);
}
