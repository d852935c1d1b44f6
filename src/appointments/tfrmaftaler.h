#pragma once

#include "platform/regionalsettings.h"

#include <QDialog>
#include <QSqlDatabase>

class AppointmentListModel;
class QPushButton;
class QTableView;

// The appointment list: every appointment of the resources the grid has loaded, of every
// date, ordered by resource. "&Slet" deletes the highlighted row at once.
class TfrmAftaler : public QDialog
{
    Q_OBJECT

public:
    TfrmAftaler(QSqlDatabase db, const RegionalSettings &regional, QWidget *parent = nullptr);

    // Reads the rows of resources minMek..maxMek, highlighting the first; throws MirvoError.
    void open(int minMek, int maxMek);

    AppointmentListModel *model() const { return m_model; }
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

public slots:
    void BitBtn2Click();

signals:
    // The window closed, however it was closed: the grid re-reads.
    void FormClose();

private:
    AppointmentListModel *m_model;
    QTableView *wwDBGrid1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
};
