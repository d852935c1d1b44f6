#include "tfrmindstillinger.h"

TfrmIndstillinger::TfrmIndstillinger(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmIndstillinger"));
    setWindowTitle(QStringLiteral("Indstillinger"));
}
