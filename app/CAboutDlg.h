#pragma once

// The About box (dialog 100): the program's icon, name and version. OK, Esc
// and the close box close it.

#include "platform/CDialog.h"

class CAboutDlg : public CDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // Puts the main icon into its control.
    bool OnInitDialog() override;
};
