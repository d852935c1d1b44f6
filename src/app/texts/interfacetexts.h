#pragma once

#include <QList>
#include <QString>
#include <functional>

class QObject;
class QWidget;

// Where each interface text goes: the window and control (by objectName; an empty control is
// the window's own caption) and how the caption is composed from the text.
struct TextPlacement
{
    enum class Compose
    {
        Plain,          // the text itself
        Numbered,       // a digit and a blank before the text: "3 Dage"
        HtmlButton,     // <FONT size="10">text</FONT>
        HtmlButtonLeft, // <FONT size="10"><P align="left">text</P></FONT>
        Banner,         // the top bar's centred Comic Sans banner
    };

    int number;
    QString window;
    QString control;
    Compose compose = Compose::Plain;
    int digit = 0; // for Numbered
};

// Every placement, in the order the texts are put on.
const QList<TextPlacement> &interfaceTextPlacements();

// The caption a placement gets from its text.
QString composeCaption(const TextPlacement &placement, const QString &text);

// The control of this name inside the window, not looking into the dialogs it owns.

QObject *findControl(QWidget *window, const QString &name);

// Puts every interface text on its control. `windows` are the program's windows, found by
// objectName; `lookup` gives a text by number ("" when there is none).
void ApplyTexts(const QList<QWidget *> &windows, const std::function<QString(int)> &lookup);
