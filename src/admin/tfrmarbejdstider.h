#pragma once

#include <QDialog>

// The opening-hours window.
class TfrmArbejdstider : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmArbejdstider(QWidget *parent = nullptr);
};
