// Precompiled for every unit: the Qt headers all windows use.
#pragma once
#include <QtWidgets>
