#pragma once
// Base of the modal and modeless dialogs that exchange members with their
// fields: DoDataExchange lists the fields in order, UpdateData runs it, the
// dialog shows the members when it opens (OnInitDialog), and OK takes the
// fields over and closes only when every check passed.
#include "platform/DatenAustausch.h"

#include <QDialog>

namespace zeva {

class DatenDialog : public QDialog {
public:
    explicit DatenDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // Runs the data exchange; false when a check failed (the field then has
    // the focus and the user has seen the prompt).
    bool UpdateData(bool speichern = true);

    // Enter and the OK button: take the fields over, then close with
    // Accepted. Escape and Abbrechen: close with Rejected.
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }

protected:
    virtual void DoDataExchange(DatenAustausch&) {}
    // Runs once before the dialog is first shown; the default shows the members.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Closes with that result without any exchange.
    void EndDialog(int ergebnis);
    // Runs OnInitDialog now, before the dialog is shown, unless it ran
    // already. True when the dialog ended in it (EndDialog), so that a dialog
    // that decides everything while it opens can return from exec() without
    // ever being shown.
    bool InitialisiereVorAnzeige();

    void showEvent(QShowEvent* ereignis) override;

private:
    bool m_initialisiert = false;
    bool m_beendet = false;
};

} // namespace zeva
