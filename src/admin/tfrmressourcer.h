#pragma once

#include <QDialog>

// The resource register.
class TfrmRessourcer : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmRessourcer(QWidget *parent = nullptr);
};
