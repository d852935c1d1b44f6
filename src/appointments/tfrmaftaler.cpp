#include "tfrmaftaler.h"

TfrmAftaler::TfrmAftaler(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAftaler"));
    setWindowTitle(QStringLiteral("Aftaler"));
}
