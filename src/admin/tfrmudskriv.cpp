#include "tfrmudskriv.h"

TfrmUdskriv::TfrmUdskriv(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmUdskriv"));
    setWindowTitle(QStringLiteral("Mirvo"));
}
