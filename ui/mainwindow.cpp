#include "ui/mainwindow.h"

#include "app/appstate.h"

MainWindow::MainWindow(AppState *state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
{
    setWindowTitle(QStringLiteral("Orlindo Quillby"));
    resize(1100, 720);
}
