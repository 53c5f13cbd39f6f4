#pragma once
// The about box "Über Navora": the program icon, "Navora, Version 4.1" and
// an "OK" button.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

// Shows the about box modally.
void RunAboutDialog(QWidget* parent);
