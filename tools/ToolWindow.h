#pragma once

#include <memory>

class QWidget;

namespace svdb {

class CardTable;
class MainWindow;

// What the picture tools share, once the QApplication exists: the program's
// fonts, the card list at path loaded into table, and the main window shown
// with every card listed and "Load PATH" in its status line. Nothing, after
// saying why on stderr, when the list cannot be read.
std::unique_ptr<MainWindow> OpenToolWindow(CardTable& table, const char* path);

// Clicks the push button of that object name under window.
void PressButton(QWidget& window, const char* name);

}  // namespace svdb
