#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// The hint after an install: the new screens are in place, the old ones were
// overwritten, and "Restore originals" brings them back. Its check box turns the
// hint off for all later installs.
class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent);

    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label2;
    QCheckBox* Check1;
    QPushButton* Command1;

private:
    void Command1_Click();
};
