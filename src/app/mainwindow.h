#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QIcon>
#include <QMainWindow>

class Ui_MainWindow;

// The application's main window: a multiple-document area in which each
// "&Nuevo" opens one more project window.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Quintavo's icon, for the application and its windows.
    static QIcon applicationIcon();

private slots:
    void on_action_Nuevo_triggered();

private:
    Ui_MainWindow *ui;
};

#endif // MAINWINDOW_H
