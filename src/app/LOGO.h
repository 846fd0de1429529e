#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

// The splash window: shown first, for as long as the main window takes to load.
class LOGO : public QWidget {
    Q_OBJECT
public:
    explicit LOGO(QWidget* parent = nullptr);

    // Runs on the first tick of Timer1: load the main window, unload the splash,
    // show the main window.
    std::function<void()> handOver;

    QTimer* Timer1;
    QLabel* Image2;
    QLabel* Label1;
    QLabel* Label2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void centreOnScreen();
    void onTimer1();
};
