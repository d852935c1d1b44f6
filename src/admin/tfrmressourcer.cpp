#include "tfrmressourcer.h"

TfrmRessourcer::TfrmRessourcer(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRessourcer"));
    setWindowTitle(QStringLiteral("Ressourcer"));
}
