#pragma once
// The menu tree of the main window: every calculator of the program is one entry of it.

#include "common/calcwindow.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QMenuBar;

struct TopMenu {
    const char* caption;
    const char* control;
};

struct MenuEntry {
    const char* topControl; // the top-level menu it stands in
    const char* submenus;   // nested submenu captions, " > " between them; empty for a direct entry
    const char* caption;
    const char* control;    // the objectName of the entry
    const char* form;       // the window it opens
    ShowAs shown;
};

const std::vector<TopMenu>& topMenus();
const std::vector<MenuEntry>& menuEntries();
// The top-level entry without submenu, "Leggimi".
const MenuEntry& readmeEntry();

// How the menu shows a form (the first entry that opens it); none for a form no entry opens.
std::optional<ShowAs> menuShowing(const QString& form);

// Builds the menu bar: entries whose window is registered open it, the others stay disabled with
// the tooltip "non ancora disponibile".
void buildMenuBar(QMenuBar* bar, QWidget* mainWindow);

inline const QString notYetAvailable = QStringLiteral("non ancora disponibile");
