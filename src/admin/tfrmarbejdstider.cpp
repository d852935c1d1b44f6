#include "tfrmarbejdstider.h"

TfrmArbejdstider::TfrmArbejdstider(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmArbejdstider"));
    setWindowTitle(QStringLiteral("Åbningstider"));
}
