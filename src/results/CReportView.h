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

protected:
    void resizeEvent(QResizeEvent* ereignis) override;
    // The paper is wide enough for the page as written.
    std::unique_ptr<QTextDocument> Druckvorlage() const override;

private:
    void Zeige(const QString& html);
    // The page fits the view's width: when its widest table needs more, all
    // of its text is made smaller until it fits (no horizontal scrolling).
    void PasseBreiteAn();

    QString m_strOrdner;
    QString m_strHtml;
    // The factor the page's text was made smaller by (1: as written).
    double m_dSchriftfaktor = 1;
};

} // namespace zeva
