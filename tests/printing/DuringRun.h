#pragma once

#include <QString>
#include <QWidget>

#include <functional>

// Runs `act` once, the first time the windows are served while page `page`
// of a run is open (the main window's title tells which page it is).
void AtPage(const QWidget &mainWindow, int page, std::function<void()> act);

// Runs `act` once, the first time the windows are served while a job is open.
void WhilePrinting(std::function<void()> act);
