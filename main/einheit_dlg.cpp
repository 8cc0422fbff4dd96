#include "main/einheit_dlg.h"

#include "platform/fensterart.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

TEinheitXDlg* EinheitXDlg = nullptr;
TEinheitYDlg* EinheitYDlg = nullptr;

namespace {
template <typename T>
void Aufbauen(T* w, const QString& label)
{
    auto* row = new QHBoxLayout(w);
    w->Label1 = new QLabel(label, w);
    w->Label1->setObjectName(QStringLiteral("Label1"));
    w->Edit = new QLineEdit(w);
    w->Edit->setObjectName(QStringLiteral("Edit"));
    w->Edit->setMaxLength(255);
    row->addWidget(w->Label1);
    row->addWidget(w->Edit);
}
}  // namespace

TEinheitXDlg::TEinheitXDlg(QWidget* parent, const char* name) : QWidget(parent)
{
    AlsWerkzeugfenster(this, name, QStringLiteral("x-Einheit"));
    Aufbauen(this, QStringLiteral("x-Einheit"));
}

TEinheitYDlg::TEinheitYDlg(QWidget* parent) : QWidget(parent)
{
    AlsWerkzeugfenster(this, "EinheitYDlg", QStringLiteral("y-Einheit"));
    Aufbauen(this, QStringLiteral("y-Einheit"));
}
