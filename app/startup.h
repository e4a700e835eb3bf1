#pragma once
// What every program of the project does before its first window: Italian texts for Qt's own
// buttons, the look and the font of the windows, the regional number settings.

class QApplication;
class CalcWindow;

void prepareApplication(QApplication& app);

// The main window FRMVELSARINO, created and loaded; the caller shows it.
CalcWindow* createMainWindow();
