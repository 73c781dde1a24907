#pragma once
#include <QMainWindow>

// The main window. Its constructor touches no database: it is created before the data modules.
class TVoro_Main : public QMainWindow
{
    Q_OBJECT
public:
    explicit TVoro_Main(QWidget* parent = nullptr);

    // The caption of the program while no project is open.
    static QString ProductCaption();
};
