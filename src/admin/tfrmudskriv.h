#pragma once

#include <QDialog>

// An empty window titled "Mirvo", created with the others and never shown.
class TfrmUdskriv : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmUdskriv(QWidget *parent = nullptr);
};
