#pragma once

class QDialog;
class QPushButton;
class QWidget;

// Puts a window, frame and all, in the middle of the screen it is on.
void centreOnScreen(QWidget *window);

// The raised strip along a dialog's foot, `width` wide from `top`, with its "&Luk" button
// (objectName BitBtn1) at the right end; the button closes the dialog.
QPushButton *addCloseStrip(QDialog *dialog, int top, int width);
