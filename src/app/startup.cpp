#include "startup.h"

#include "tfrmmirvo.h"

#include <QApplication>

int runMirvo(const Environment &environment)
{
    TfrmMirvo frmMirvo(environment);
    if (!frmMirvo.FormCreate())
        return 1;
    frmMirvo.createWindows();
    frmMirvo.show();
    return QApplication::exec();
}
