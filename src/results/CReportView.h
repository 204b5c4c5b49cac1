#pragma once
// The report page in the main pane. It shows Blank.html of the report folder
// until the first page comes, then the page the report writer transformed;
// print and preview act on the page shown last. Relative references of the
// page resolve against the report folder.
#include "results/CErgebnisView.h"
#include "shell/Schrittfenster.h"

namespace zeva {

class CReportView : public CErgebnisView, public Reportanzeige {
    Q_OBJECT
public:
    CReportView(CMainFrame& rahmen, QWidget* parent, const QString& ordner);

    // The page (UTF-8); an empty text gives an empty page.
    void ZeigeStream(const QByteArray& seite) override;
    // The HTML text shown last (Blank.html's before any page).
    const QString& Html() const { return m_strHtml; }

private:
    void Zeige(const QString& html);

    QString m_strOrdner;
    QString m_strHtml;
};

} // namespace zeva
