#pragma once
// Dialogs that the start does not build: each is made on its first use
// (the start shows none of them, and building them all cost as much as a
// small window). The folder that captions the windows says once how a new
// dialog takes its captions in the language in force.

#include <functional>

class QWidget;

void SetDialogBeschrifter(std::function<void(QWidget*)> beschrifter);

// Captions a dialog that was just made (nothing without a captioner).
void NeuenDialogBeschriften(QWidget* dialog);

// `dialog`, made and captioned now if it does not exist yet.
template <typename T>
T* SpaeterDialog(T*& dialog)
{
    if (!dialog) {
        dialog = new T;
        NeuenDialogBeschriften(dialog);
    }
    return dialog;
}
