#pragma once

#include <QDialog>

// The appointment list.
class TfrmAftaler : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAftaler(QWidget *parent = nullptr);
};
