#pragma once

#include <QDialog>

// The settings window.
class TfrmIndstillinger : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmIndstillinger(QWidget *parent = nullptr);
};
