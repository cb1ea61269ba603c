#pragma once

#include <QMainWindow>

class AppState;

// The program's main window.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppState *state, QWidget *parent = nullptr);

private:
    AppState *m_state;
};
