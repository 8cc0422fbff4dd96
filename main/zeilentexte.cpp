#include "main/zeilentexte.h"

#include "platform/sprache.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

void Beschrifte(QWidget* fenster, std::initializer_list<TZeilenText> tabelle)
{
    if (!fenster)
        return;
    for (const TZeilenText& z : tabelle) {
        const QString text = QString::fromUtf8(z.Vor) + Txt(z.Zeile) + QString::fromUtf8(z.Nach);
        if (*z.Name == '\0') {
            fenster->setWindowTitle(text);
            continue;
        }
        auto* w = fenster->findChild<QWidget*>(QString::fromLatin1(z.Name));
        if (!w)
            continue;
        if (z.Hinweis) {
            w->setToolTip(text);
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            b->setText(text);
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            l->setText(text);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            g->setTitle(text);
        } else {
            // A page of a tab widget: its tab shows the caption.
            for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
                if (auto* tabs = qobject_cast<QTabWidget*>(p)) {
                    if (const int i = tabs->indexOf(w); i >= 0)
                        tabs->setTabText(i, text);
                    break;
                }
            }
        }
    }
}
