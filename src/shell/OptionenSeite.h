#pragma once
// Base of the pages of the options sheet. A page edits the sheet's options
// record through its fields: when it becomes the shown page it copies the
// record into its fields, and before the user may leave it (another page, or
// OK) it checks its fields and writes them back. A failed check keeps the
// user on the page with the focus on the field.
#include "platform/DatenAustausch.h"

#include <QWidget>

namespace zeva {

class DOptionen;

class OptionenSeite : public QWidget {
public:
    // The record is the sheet's; it outlives the page.
    OptionenSeite(DOptionen& optionen, const QString& titel, QWidget* parent = nullptr);

    QString Titel() const { return m_titel; }

    // Shows the sheet's record in the fields.
    virtual void OnSetActive();
    // Checks the fields; false (the prompt shown, the record untouched) when
    // one fails, otherwise the record takes the fields.
    virtual bool OnKillActive();

protected:
    // Exchanges the fields with a record: shows it (dx.Speichern() false) or
    // takes the fields into it.
    virtual void DoDataExchange(DatenAustausch& dx, DOptionen& optionen) = 0;
    // Runs after the fields were filled, for what follows from them
    // (visible rows, disabled inputs).
    virtual void NachAnzeige() {}

    DOptionen& Optionen() { return m_optionen; }

private:
    DOptionen& m_optionen;
    QString m_titel;
};

} // namespace zeva
