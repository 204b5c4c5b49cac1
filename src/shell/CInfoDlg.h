#pragma once
// The about box "Info über ZEVA": the program's picture and version text.
#include <QDialog>

namespace zeva {

class CInfoDlg : public QDialog {
public:
    CInfoDlg(const QString& version, QWidget* parent = nullptr);
};

} // namespace zeva
